#!/usr/bin/env bash
# Runs the benchmarks and prints their figures: every bench/*.js through the prefix's
# cscript and every bench program (bin/bench_*.exe) built from bench/. Same set-up as
# tools/test.sh; no benchmark judges its own figures.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MORVANE_BUILD:-$root/build}

"$root/tools/install-deps.sh"
"$root/tools/build.sh"
"$root/tools/prefix.sh"

source "$root/tools/session.sh"
session_start

winpath() { echo "Z:$1" | tr '/' '\\'; }
"$root/tools/wine-run.sh" regsvr32 /s "$(winpath "$build/bin/morvane.dll")"

for script in "$root"/bench/*.js; do
    [ -e "$script" ] || continue
    echo "== $(basename "$script")"
    "$root/tools/wine-run.sh" cscript //nologo "$(winpath "$script")"
done
for program in "$build"/bin/bench_*.exe; do
    [ -e "$program" ] || continue
    echo "== $(basename "$program")"
    (cd "$build/bin" && "$root/tools/wine-run.sh" "$program")
done

session_stop
