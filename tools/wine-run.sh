#!/usr/bin/env bash
# Runs a Windows program in the project's 32-bit Wine prefix:
#   tools/wine-run.sh [--prefix DIR] PROGRAM [ARGS...]
# CTest uses it as the cross-compiling emulator. It expects a session
# (tools/session.sh) to provide the display and the wineserver. The prefix is
# never taken from WINEPREFIX, so ~/.wine is never touched.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix=$(realpath -m "${MORVANE_BUILD:-$root/build}/wineprefix")
if [ "${1:-}" = --prefix ]; then
    prefix=$(realpath -m "$2")
    shift 2
fi

if [ ! -f "$prefix/.morvane-prefix" ]; then
    echo "wine-run.sh: no project prefix at $prefix (run tools/prefix.sh)" >&2
    exit 2
fi
# A wineserver started without a display breaks every later GUI run silently.
if [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: DISPLAY is not set (source tools/session.sh and run session_start)" >&2
    exit 2
fi

export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
exec wine "$@"
