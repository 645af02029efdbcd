#!/usr/bin/env bash
# Runs the benchmarks and prints their figures, for each bitness in its own prefix
# and session: every bench/*.js through that prefix's cscript (the 64-bit one in the
# 64-bit prefix) and every bench program (bin/bench_*.exe) built from bench/. Same
# set-up as tools/test.sh; no benchmark judges its own figures. MORVANE_ARCHS picks
# the bitnesses ("win32 win64" by default).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${MORVANE_BUILD:-$root/build}")

"$root/tools/install-deps.sh"
"$root/tools/build.sh"
"$root/tools/prefix.sh"

winpath() { echo "Z:$1" | tr '/' '\\'; }

run_benches() (   # build-dir; a subshell: one session each
    export MORVANE_BUILD=$1
    source "$root/tools/session.sh"
    session_start >/dev/null
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
    session_stop
)

for arch in ${MORVANE_ARCHS:-win32 win64}; do
    dir=$build
    [ "$arch" = win64 ] && dir=$build/x64
    echo "#### $arch"
    run_benches "$dir"
done
