#!/usr/bin/env bash
# Configures (once) and builds the DLL, the unit tests and the helpers into ./build.
# MORVANE_BUILD overrides the build directory.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${MORVANE_BUILD:-$root/build}")

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G "Unix Makefiles" \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
          -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j2
