#!/usr/bin/env bash
# Runs the benchmarks and prints their figures, for each bitness in its own prefix
# and session: every bench/*.js through that prefix's cscript (the 64-bit one in the
# 64-bit prefix) and every bench program (bin/bench_*.exe) built from bench/. Same
# set-up as tools/test.sh; no benchmark judges its own figures. MORVANE_ARCHS picks
# the bitnesses ("win32 win64" by default).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

"$root/tools/install-deps.sh"
"$root/tools/build.sh"
"$root/tools/prefix.sh"

run_benches() {   # build-dir, inside its session
    run() { "$root/tools/wine-run.sh" --prefix "$1/wineprefix" "${@:2}"; }
    run "$1" regsvr32 /s "$(winpath "$1/bin/morvane.dll")"
    for script in "$root"/bench/*.js; do
        [ -e "$script" ] || continue
        echo "== $(basename "$script")"
        run "$1" cscript //nologo "$(winpath "$script")"
    done
    for program in "$1"/bin/bench_*.exe; do
        [ -e "$program" ] || continue
        echo "== $(basename "$program")"
        (cd "$1/bin" && run "$1" "$program")
    done
    # The controls' figures again at 150 % (tools/at_dpi.c), where both sides scale.
    echo "== bench_controls.exe at 144 DPI"
    (cd "$1/bin" && run "$1" "$1/bin/at_dpi.exe" 144 bench_controls.exe)
}

for arch in $(archs); do
    echo "#### $arch"
    dir=$(arch_dir "$arch")
    in_session "$dir" run_benches "$dir"
done
