#!/usr/bin/env bash
# Runs the whole suite from nothing: installs the packages, builds both bitnesses,
# creates their Wine prefixes, and runs every CTest test serially, first the 32-bit
# build in its 32-bit prefix, then the 64-bit build in its 64-bit prefix (with the
# 32-bit DLL registered beside it), each in a session of its own (the tests of a
# session share one desktop and the keyboard focus). Exits non-zero when either run
# fails and leaves no Xvfb or wineserver of its own running.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${MORVANE_BUILD:-$root/build}")

"$root/tools/install-deps.sh"
"$root/tools/build.sh"
"$root/tools/prefix.sh"

run_suite() (   # build-dir; a subshell: one session each
    export MORVANE_BUILD=$1
    source "$root/tools/session.sh"
    session_start
    status=0
    ctest --test-dir "$1" --output-on-failure --no-tests=error || status=$?
    session_stop
    exit "$status"
)

status=0
for dir in "$build" "$build/x64"; do
    echo "== $(cat "$dir/winearch"): $dir"
    run_suite "$dir" || status=1
done
exit "$status"
