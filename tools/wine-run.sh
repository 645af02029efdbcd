#!/usr/bin/env bash
# Runs a Windows program in one of the project's Wine prefixes:
#   tools/wine-run.sh [--prefix DIR] [--wow32] PROGRAM [ARGS...]
# CTest uses it as the cross-compiling emulator. It expects a session
# (tools/session.sh) to provide the display and the wineserver. The prefix is
# never taken from WINEPREFIX, so ~/.wine is never touched. In a 64-bit prefix
# programs start through the 64-bit loader (see wine_loader in tools/lib.sh);
# --wow32 starts the 32-bit ones there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prefix=$build/wineprefix
loader=""
while [ $# -gt 0 ]; do
    case $1 in
        --prefix) prefix=$(realpath -m "$2"); shift 2 ;;
        --wow32) loader=$(wine_loader win32); shift ;;
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
[ -n "$loader" ] || loader=$(wine_loader "$arch")
# Wine's own messages stay silent unless the caller asks for some (MORVANE_WINEDEBUG, in
# WINEDEBUG's syntax; tools/test-case.sh asks for errors, to tell why a program failed).
export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=${MORVANE_WINEDEBUG:--all}
exec "$loader" "$@"
