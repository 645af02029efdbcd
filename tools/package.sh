#!/usr/bin/env bash
# Makes the release a Windows administrator installs: installs the packages, builds
# both bitnesses and writes dist/morvane-<version>.zip (the version is the DLLs' own),
# then prints its path, size and SHA-256. What goes in: tools/package.py.
#   tools/package.sh                           build, then pack into ./dist
#   tools/package.sh --dlls X86 X64 --out DIR  pack these two DLLs into DIR, no build
# MORVANE_BUILD overrides ./build, as for tools/build.sh.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

out=$root/dist
dll32=$(arch_dir win32)/bin/morvane.dll
dll64=$(arch_dir win64)/bin/morvane.dll
prebuilt=no

while [ $# -gt 0 ]; do
    case $1 in
        --dlls) dll32=$(realpath -m "$2"); dll64=$(realpath -m "$3"); prebuilt=yes; shift 3 ;;
        --out) out=$(realpath -m "$2"); shift 2 ;;
        *) echo "package.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done

if [ "$prebuilt" = no ]; then
    "$root/tools/install-deps.sh"
    MORVANE_ARCHS="win32 win64" MORVANE_TARGETS=morvane "$root/tools/build.sh"
fi
zip=$(python3 "$root/tools/package.py" --root "$root" --x86 "$dll32" --x64 "$dll64" --out "$out")
echo "$zip: $(stat -c %s "$zip") bytes, sha256 $(sha256sum "$zip" | cut -d' ' -f1)"
