#!/usr/bin/env bash
# Configures (once) and builds the DLL, the unit tests and the helpers for both
# bitnesses: 32-bit into ./build, 64-bit into ./build/x64. MORVANE_BUILD overrides
# ./build; MORVANE_ARCHS ("win32", "win64" or both, the default) picks the builds, and
# MORVANE_TARGETS the targets (all by default; tools/package.sh needs the DLLs only).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${MORVANE_BUILD:-$root/build}")

configure() {   # build-dir toolchain [cmake options...]
    local dir=$1 toolchain=$2; shift 2
    [ -f "$dir/CMakeCache.txt" ] && return 0
    cmake -S "$root" -B "$dir" -G "Unix Makefiles" \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
          -DCMAKE_BUILD_TYPE=Release "$@"
}

for arch in ${MORVANE_ARCHS:-win32 win64}; do
    case $arch in
        win32) configure "$build" mingw-i686.cmake
               cmake --build "$build" -j2 ${MORVANE_TARGETS:+--target $MORVANE_TARGETS} ;;
        # The 64-bit suite also registers the 32-bit DLL beside its own.
        win64) configure "$build/x64" mingw-x86_64.cmake -DMORVANE_PEER_DLL="$build/bin/morvane.dll"
               cmake --build "$build/x64" -j2 ${MORVANE_TARGETS:+--target $MORVANE_TARGETS} ;;
        *) echo "build.sh: unknown arch $arch" >&2; exit 2 ;;
    esac
done
