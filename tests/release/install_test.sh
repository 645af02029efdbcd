#!/usr/bin/env bash
# The release zip installed the way an administrator without the MSI installs it, on a
# clean 64-bit Windows (the prefix of tests/release/new_prefix.sh): the zip unpacked into
# a folder with a space, a non-ASCII letter and brackets. install-for-everyone.cmd (32-bit
# cmd, started from another folder) copies the DLLs into Program Files and registers those
# copies; an example runs in the 32-bit and in the 64-bit cscript; uninstall.cmd, with the
# unpacked DLLs deleted, still removes every key of Morvane's and the copies. An install
# whose second DLL cannot be registered leaves nothing registered. install-for-me.cmd
# (64-bit cmd) writes the user's keys and warns about elevated scripts; uninstall.cmd
# removes them. Each script runs twice, to show that a second run does no harm.
#   install_test.sh DLL32 DLL64 PREFIX WORK
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/release_lib.sh"

dll32=$1 dll64=$2
use_prefix "$3" "$(realpath -m "$4")/scripts"
folder='C:\Mörvane 1 (test)'    # where the zip is unpacked

"$root/tools/package.sh" --dlls "$dll32" "$dll64" --out "$work/dist" >/dev/null || { echo "FAIL: package.sh"; exit 1; }
zip=$(ls "$work/dist"/morvane-*.zip)
unix_folder="$drive_c/${folder#C:\\}"
unpack() { rm -rf "$unix_folder"; python3 -m zipfile -e "$zip" "$unix_folder" || { echo "FAIL: could not unpack $zip"; exit 1; }; }
unpack
echo "unpacked $(basename "$zip") into $folder"
pf64="$drive_c/Program Files/Morvane/morvane.dll"
pf32="$drive_c/Program Files (x86)/Morvane/morvane.dll"

run_script() {   # LOADER SCRIPT: runs a script of the release by cmd /c from another folder; prints its exit code
    # cmd /c needs the path in quotes, which the loader would escape: cmd itself expands
    # them from the environment.
    local log="$work/${2%.cmd}.log"
    (cd "$drive_c/windows" && RELEASE_SCRIPT="\"$folder\\$2\"" timeout 120 "$1" cmd /c %RELEASE_SCRIPT% \
        </dev/null >"$log" 2>&1)
    local code=$?
    tr -d '\r' <"$log" | sed 's/^/    /' >&2
    echo "$code"
}

copied() {   # LOADER SCRIPT TARGET: an example run to its end in that host
    mkdir -p "$drive_c/release-copy/from"
    for i in 1 2 3; do echo "file $i" >"$drive_c/release-copy/from/$i.txt"; done
    timeout 60 "$1" cscript //nologo "$folder\\examples\\$2" 'C:\release-copy\from' "C:\\release-copy\\$3" \
        </dev/null 2>&1 | tr -d '\r'
}

echo "== for everyone"
check "install-for-everyone.cmd" 0 "$(run_script $wine32 install-for-everyone.cmd)"
check "install-for-everyone.cmd again" 0 "$(run_script $wine32 install-for-everyone.cmd)"
class_server() {   # VIEW (64 or 32): the DLL of the machine's class in that registry view
    $wine64 reg query "HKLM\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" /ve "/reg:$1" 2>/dev/null \
        | tr -d '\r' | sed -n 's/.*REG_SZ *//p'
}
check "64-bit class, the copy in Program Files" 'C:\Program Files\Morvane\morvane.dll' "$(class_server 64)"
check "32-bit class, the copy in Program Files (x86)" 'C:\Program Files (x86)\Morvane\morvane.dll' "$(class_server 32)"
check "the copies are the release's DLLs" yes "$(cmp -s "$pf64" "$unix_folder/x64/morvane.dll" && cmp -s "$pf32" "$unix_folder/x86/morvane.dll" && echo yes)"
check "example in the 32-bit cscript" "Done: copied 3 of 3 files." "$(copied $wine32 copy_progress.js to32)"
check "example in the 64-bit cscript" "Done: copied 3 of 3 files." "$(copied $wine64 copy_progress.vbs to64)"
rm -f "$unix_folder/x64/morvane.dll" "$unix_folder/x86/morvane.dll"
check "uninstall.cmd, the unpacked DLLs deleted" 0 "$(run_script $wine32 uninstall.cmd)"
export_registry
check "keys of ours after uninstall.cmd" "" "$(keys_of_ours)"
check "copies left in Program Files" "" "$(ls -d "$(dirname "$pf64")" "$(dirname "$pf32")" 2>/dev/null)"
check "uninstall.cmd again" 0 "$(run_script $wine32 uninstall.cmd)"

echo "== a failed install"
unpack
echo "not a DLL" >"$unix_folder/x86/morvane.dll"   # copied, then refused by regsvr32
check "install-for-everyone.cmd fails" 1 "$(run_script $wine64 install-for-everyone.cmd)"
check "and says it undid its steps" yes "$(grep -q 'Nothing of Morvane is registered machine-wide now' "$work/install-for-everyone.log" && echo yes)"
export_registry HKEY_LOCAL_MACHINE
check "keys of ours after the failed install" "" "$(keys_of_ours)"
check "copies left in Program Files" "" "$(ls -d "$(dirname "$pf64")" "$(dirname "$pf32")" 2>/dev/null)"
unpack

echo "== for me"
check "install-for-me.cmd" 0 "$(run_script $wine64 install-for-me.cmd)"
check "install-for-me.cmd again" 0 "$(run_script $wine64 install-for-me.cmd)"
check "it warns about elevated scripts" yes "$(grep -q 'Scripts run as administrator (elevated) do not see' "$work/install-for-me.log" && echo yes)"
export_registry
user_keys=$(keys_of_ours | grep '^\[HKEY_USERS\\')
user=$(grep -m1 -o '^\[HKEY_USERS\\S-1-5-21-[0-9-]*' <<<"$user_keys" | cut -c2-)
# Wine keeps one set of a user's classes for both bitnesses: the class names the DLL
# registered last.
check "the user's class" yes "$(server "$user\\Software\\Classes" | grep -xF -e "$folder\\x64\\morvane.dll" -e "$folder\\x86\\morvane.dll" >/dev/null && echo yes)"
for key in 'Morvane.Desktop\CLSID' 'TypeLib\{FC22C45F-0AF8-480D-96E3-D0331E70D24A}'; do
    check "the user's $key" yes "$(grep -qiF "[$user\\Software\\Classes\\$key]" <<<"$user_keys" && echo yes)"
done
# Wine's per-user type library registration also writes the other view's interface keys
# machine-wide (its oleaut32 does so); the class, ProgID and type library stay the user's.
check "machine-wide class, ProgID or type library" "" \
    "$(keys_of_ours | grep '^\[HKEY_LOCAL_MACHINE' | grep -v '\\Interface\\')"
check "uninstall.cmd" 0 "$(run_script $wine32 uninstall.cmd)"
export_registry
check "keys of ours after uninstall.cmd" "" "$(keys_of_ours)"
rm -rf "$unix_folder" "$drive_c/release-copy"   # the prefix as it was
finish
