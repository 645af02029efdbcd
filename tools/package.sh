#!/usr/bin/env bash
# Makes the release a Windows administrator installs: installs the packages, builds
# both bitnesses, strips the DLLs of their debug sections, signs them when a certificate
# is given, and writes into dist/ the zip (tools/package.py), the MSI (tools/msi.py,
# signed too) and SHA256SUMS with the checksums of both; the version is the DLLs' own.
#   tools/package.sh                           build, then pack into ./dist
#   tools/package.sh --dlls X86 X64 --out DIR  pack these two DLLs into DIR, no build
#   --timestamp URL                            the time-stamp server of the signatures
# Signing (Authenticode, osslsigncode) takes the certificate from the environment, never
# from the repository: MORVANE_SIGN_PFX names a PKCS#12 file (certificate and private
# key), MORVANE_SIGN_PASSWORD holds its password, MORVANE_SIGN_TIMESTAMP is the default
# of --timestamp. Without MORVANE_SIGN_PFX the release is unsigned, and says so.
# The unstripped DLLs stay in the build folders. MORVANE_BUILD overrides ./build, as for
# tools/build.sh.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

out=$root/dist
dll32=$(arch_dir win32)/bin/morvane.dll
dll64=$(arch_dir win64)/bin/morvane.dll
prebuilt=no
timestamp=${MORVANE_SIGN_TIMESTAMP:-}

while [ $# -gt 0 ]; do
    case $1 in
        --dlls) dll32=$(realpath -m "$2"); dll64=$(realpath -m "$3"); prebuilt=yes; shift 3 ;;
        --out) out=$(realpath -m "$2"); shift 2 ;;
        --timestamp) timestamp=$2; shift 2 ;;
        *) echo "package.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done

if [ "$prebuilt" = no ]; then
    "$root/tools/install-deps.sh"
    MORVANE_ARCHS="win32 win64" MORVANE_TARGETS=morvane "$root/tools/build.sh"
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# Signs FILE in place, when a certificate is given. The password goes to osslsigncode in
# a file of this user's only, not on its command line, where every user could read it.
sign() {   # file
    [ -n "${MORVANE_SIGN_PFX:-}" ] || return 0
    local args=(sign -pkcs12 "$MORVANE_SIGN_PFX" -h sha256 -n Morvane -in "$1" -out "$1.signed")
    (umask 077; printf '%s' "${MORVANE_SIGN_PASSWORD:-}" >"$stage/password")
    args+=(-readpass "$stage/password")
    [ -z "$timestamp" ] || args+=(-ts "$timestamp")
    if ! osslsigncode "${args[@]}" >"$stage/sign.log" 2>&1; then
        cat "$stage/sign.log" >&2
        echo "package.sh: could not sign $(basename "$1") with $MORVANE_SIGN_PFX" >&2
        exit 1
    fi
    rm -f "$stage/password"
    mv "$1.signed" "$1"
}

# The release's DLLs: without debug sections, with the link's time stamp (none) kept.
for pair in "x86 $dll32 i686" "x64 $dll64 x86_64"; do
    set -- $pair
    mkdir -p "$stage/$1"
    SOURCE_DATE_EPOCH=0 "$3-w64-mingw32-strip" -o "$stage/$1/morvane.dll" "$2"
    sign "$stage/$1/morvane.dll"
done

mkdir -p "$out"
zip=$(python3 "$root/tools/package.py" --root "$root" --x86 "$stage/x86/morvane.dll" --x64 "$stage/x64/morvane.dll" --out "$out")
msi=$(python3 "$root/tools/msi.py" --root "$root" --x86 "$stage/x86/morvane.dll" --x64 "$stage/x64/morvane.dll" --out "$out")
sign "$msi"
(cd "$out" && sha256sum "$(basename "$zip")" "$(basename "$msi")" >SHA256SUMS)

if [ -n "${MORVANE_SIGN_PFX:-}" ]; then
    echo "signed with $MORVANE_SIGN_PFX${timestamp:+, time-stamped by $timestamp}"
else
    echo "unsigned: set MORVANE_SIGN_PFX and MORVANE_SIGN_PASSWORD to sign the DLLs and the MSI"
fi
for f in "$zip" "$msi"; do
    echo "$f: $(stat -c %s "$f") bytes, sha256 $(sha256sum "$f" | cut -d' ' -f1)"
done
echo "$out/SHA256SUMS"
