#!/usr/bin/env bash
# Runs a Windows program in one of the project's Wine prefixes:
#   tools/wine-run.sh [--prefix DIR] [--wow32] PROGRAM [ARGS...]
# CTest uses it as the cross-compiling emulator. It expects a session
# (tools/session.sh) to provide the display and the wineserver. The prefix is
# never taken from WINEPREFIX, so ~/.wine is never touched. In a 64-bit prefix
# programs start through the 64-bit loader (Debian's `wine` would start the 32-bit
# cscript and regsvr32); --wow32 starts the 32-bit ones there.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix=$(realpath -m "${MORVANE_BUILD:-$root/build}/wineprefix")
loader=""
while [ $# -gt 0 ]; do
    case $1 in
        --prefix) prefix=$(realpath -m "$2"); shift 2 ;;
        --wow32) loader=wine; shift ;;
        *) break ;;
    esac
done

if [ ! -f "$prefix/.morvane-prefix" ]; then
    echo "wine-run.sh: no project prefix at $prefix (run tools/prefix.sh)" >&2
    exit 2
fi
# A wineserver started without a display breaks every later GUI run silently.
if [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: DISPLAY is not set (source tools/session.sh and run session_start)" >&2
    exit 2
fi

arch=$(cat "$prefix/.morvane-arch" 2>/dev/null || echo win32)
if [ -z "$loader" ]; then
    loader=wine
    [ "$arch" = win64 ] && loader=/usr/lib/wine/wine64
fi
export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=-all
exec "$loader" "$@"
