#!/usr/bin/env bash
# The release signed as its owner signs it, with a throwaway certificate made for the run:
# both DLLs and the MSI carry Authenticode signatures that verify against it, the zip's
# SHA256SUMS lists the signed DLLs, dist/SHA256SUMS the zip and the MSI as written, the
# password shows nowhere in the output, and a wrong password stops the release.
#   signing_test.sh DLL32 DLL64 WORK
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/release_lib.sh"

dll32=$1 dll64=$2
work="$(realpath -m "$3")/signing"
rm -rf "$work" && mkdir -p "$work/unzipped"
password="throwaway $RANDOM"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Morvane test signer" \
    -keyout "$work/key.pem" -out "$work/cert.pem" >/dev/null 2>&1
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signer.p12" \
    -passout "pass:$password" >/dev/null 2>&1 || { echo "FAIL: no certificate"; exit 1; }

output=$(MORVANE_SIGN_PFX="$work/signer.p12" MORVANE_SIGN_PASSWORD="$password" \
         "$root/tools/package.sh" --dlls "$dll32" "$dll64" --out "$work/dist" 2>&1)
check "package.sh with a certificate" 0 $?
check "says it signed" yes "$(grep -q '^signed with' <<<"$output" && echo yes)"
check "the password is not in its output" no "$(grep -qF "$password" <<<"$output" && echo yes || echo no)"
zip=$(ls "$work/dist"/morvane-*.zip) msi=$(ls "$work/dist"/morvane-*-x64.msi)
python3 -m zipfile -e "$zip" "$work/unzipped"
verify() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1 && echo verified; }
for file in "$work/unzipped/x86/morvane.dll" "$work/unzipped/x64/morvane.dll" "$msi"; do
    check "the signature of ${file#"$work/"}" verified "$(verify "$file")"
done
check "the zip's SHA256SUMS cover the signed DLLs" "x64/morvane.dll: OK|x86/morvane.dll: OK" \
    "$(cd "$work/unzipped" && tr -d '\r' <SHA256SUMS | grep '/morvane.dll$' | sha256sum -c - 2>&1 | paste -sd'|')"
check "dist/SHA256SUMS covers the zip and the MSI" "$(basename "$msi"): OK|$(basename "$zip"): OK" \
    "$(cd "$work/dist" && sha256sum -c SHA256SUMS 2>&1 | sort | paste -sd'|')"

MORVANE_SIGN_PFX="$work/signer.p12" MORVANE_SIGN_PASSWORD="wrong" \
    "$root/tools/package.sh" --dlls "$dll32" "$dll64" --out "$work/wrong" >/dev/null 2>&1
check "a wrong password stops the release" 1 $?
output=$(env -u MORVANE_SIGN_PFX "$root/tools/package.sh" --dlls "$dll32" "$dll64" --out "$work/unsigned" 2>&1)
check "without a certificate it says so" yes "$(grep -q '^unsigned' <<<"$output" && echo yes)"
check "and the DLLs carry no signature" "not signed" \
    "$(python3 -m zipfile -e "$work/unsigned"/morvane-*.zip "$work/unsigned/z" && verify "$work/unsigned/z/x64/morvane.dll" || echo "not signed")"
finish
