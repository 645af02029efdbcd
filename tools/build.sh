#!/usr/bin/env bash
# Configures (once) and builds the DLL, the unit tests and the helpers for both
# bitnesses: 32-bit into ./build, 64-bit into ./build/x64. MORVANE_BUILD overrides
# ./build; MORVANE_ARCHS ("win32", "win64" or both, the default) picks the builds, and
# MORVANE_TARGETS the targets (all by default; tools/package.sh needs the DLLs only,
# tools/demo.sh the 32-bit DLL and the session's keep-alive).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

configure() {   # build-dir toolchain [cmake options...]
    local dir=$1 toolchain=$2; shift 2
    [ -f "$dir/CMakeCache.txt" ] && return 0
    cmake -S "$root" -B "$dir" -G "Unix Makefiles" \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
          -DCMAKE_BUILD_TYPE=Release "$@"
}

for arch in $(archs); do
    dir=$(arch_dir "$arch")
    case $arch in
        win32) configure "$dir" mingw-i686.cmake ;;
        # The 64-bit suite also registers the 32-bit DLL beside its own.
        win64) configure "$dir" mingw-x86_64.cmake -DMORVANE_PEER_DLL="$(arch_dir win32)/bin/morvane.dll" ;;
    esac
    cmake --build "$dir" -j2 ${MORVANE_TARGETS:+--target $MORVANE_TARGETS}
done
