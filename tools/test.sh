#!/usr/bin/env bash
# Runs the whole suite from nothing: installs the packages, builds both bitnesses,
# creates their Wine prefixes, and runs every CTest test serially, first the 32-bit
# build in its 32-bit prefix, then the 64-bit build in its 64-bit prefix (with the
# 32-bit DLL registered beside it), each in a session of its own (the tests of a
# session share one desktop and the keyboard focus). MORVANE_ARCHS picks the
# bitnesses ("win32 win64" by default; the 64-bit suite alone still builds the 32-bit
# DLL it registers). Arguments go to ctest (e.g. -LE real-input). Exits non-zero when
# a run fails and leaves no Xvfb or wineserver of its own running.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

"$root/tools/install-deps.sh"
case " $(archs) " in
    *" win32 "*) ;;
    *) MORVANE_ARCHS=win32 MORVANE_TARGETS=morvane "$root/tools/build.sh" ;;
esac
"$root/tools/build.sh"
"$root/tools/prefix.sh"

status=0
for arch in $(archs); do
    dir=$(arch_dir "$arch")
    echo "== $arch: $dir"
    restarts="$dir/session/start-failures.log"
    rm -f "$restarts"
    in_session "$dir" ctest --test-dir "$dir" --output-on-failure --no-tests=error "$@" || status=1
    if [ -s "$restarts" ]; then
        echo "== $arch: test programs that did not start and were run again (tools/test-case.sh):"
        cat "$restarts"
    fi
done
exit "$status"
