#!/usr/bin/env bash
# The release installed the way an administrator installs it, on a clean 64-bit Windows:
# the zip unpacked into a new 64-bit Wine prefix, the prefix and the folder both in paths
# with a space and a non-ASCII letter. install-for-everyone.cmd (32-bit cmd, started from
# another folder), an example in the 32-bit and one in the 64-bit cscript, uninstall.cmd,
# and no key of Morvane's left anywhere in the registry; then install-for-me.cmd (64-bit
# cmd) with the user's keys, and uninstall.cmd again. Each script runs twice, to show that
# a second run does no harm. Needs a session's display; uses a wineserver of its own.
#   install_test.sh DLL32 DLL64 WORK
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib.sh"

dll32=$1 dll64=$2
work="$(realpath -m "$3")/release test ü"   # holds the prefix: a space and a non-ASCII letter
folder='C:\Mörvane 1 (test)'    # where the zip is unpacked: the same, and brackets
export LC_ALL=C.UTF-8           # Unix file names in UTF-8, as Wine expects them

failures=0
check() {   # what expected actual
    if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}

[ -n "${DISPLAY:-}" ] || { echo "FAIL: no display: run inside a session (tools/session.sh)"; exit 1; }
rm -rf "$work"
mkdir -p "$work"
echo win64 > "$work/winearch"
"$root/tools/prefix.sh" "$work" >/dev/null || { echo "FAIL: could not create the prefix"; exit 1; }
export WINEPREFIX="$work/wineprefix" WINEARCH=win64 WINEDEBUG=-all
drive_c="$WINEPREFIX/drive_c"
trap server_stop EXIT
server_start

zip=$("$root/tools/package.sh" --dlls "$dll32" "$dll64" --out "$work/dist" | sed 's/: .*//')
unix_folder="$drive_c/${folder#C:\\}"
python3 -m zipfile -e "$zip" "$unix_folder" || { echo "FAIL: could not unpack $zip"; exit 1; }
echo "unpacked $(basename "$zip") into $folder"

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
wine32=$(wine_loader win32)
wine64=$(wine_loader win64)

registry=$work/registry.txt
export_registry() {   # the whole registry, both views and every user, as text into $registry
    rm -f "$work/registry.reg"
    $wine64 regedit /E "$(winpath "$work/registry.reg")" >/dev/null 2>&1
    iconv -f UTF-16LE -t UTF-8 "$work/registry.reg" 2>/dev/null | tr -d '\r' >"$registry"
    grep -q '^\[HKEY_LOCAL_MACHINE\]' "$registry" || echo "[the registry could not be read]" >"$registry"
}
# Every identifier of the type library (library, interfaces, classes) and the ProgID.
ours=$(grep -o 'uuid([0-9a-fA-F-]*)' "$root/src/com/morvane.idl" | sed 's/uuid(\(.*\))/\1/' | paste -sd'|')
ours="$ours|Morvane\\.Desktop|could not be read"
keys_of_ours() { grep '^\[' "$registry" | grep -iE "$ours"; }
clsid='{E73188C8-7A77-4E68-9CED-424060D47930}'
server() {   # CLASSES: the DLL that the class's InprocServer32 below CLASSES names, in $registry
    WANT="[$1\\CLSID\\$clsid\\InprocServer32]" awk '   # (-v would take backslashes as escapes)
        /^\[/ { here = tolower($0) == tolower(ENVIRON["WANT"]); next }
        here && /^@="/ { value = substr($0, 4, length($0) - 4); gsub(/\\\\/, "\\", value); print value }
    ' "$registry"
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
export_registry
check "64-bit class" "$folder\\x64\\morvane.dll" "$(server 'HKEY_LOCAL_MACHINE\Software\Classes')"
check "32-bit class" "$folder\\x86\\morvane.dll" "$(server 'HKEY_LOCAL_MACHINE\Software\Wow6432Node\Classes')"
check "example in the 32-bit cscript" "Done: copied 3 of 3 files." "$(copied $wine32 copy_progress.js to32)"
check "example in the 64-bit cscript" "Done: copied 3 of 3 files." "$(copied $wine64 copy_progress.vbs to64)"
check "uninstall.cmd" 0 "$(run_script $wine32 uninstall.cmd)"
export_registry
check "keys of ours after uninstall.cmd" "" "$(keys_of_ours)"
check "uninstall.cmd again" 0 "$(run_script $wine32 uninstall.cmd)"

echo "== for me"
check "install-for-me.cmd" 0 "$(run_script $wine64 install-for-me.cmd)"
check "install-for-me.cmd again" 0 "$(run_script $wine64 install-for-me.cmd)"
export_registry
user_keys=$(keys_of_ours | grep '^\[HKEY_USERS\\')
user=$(grep -m1 -o '^\[HKEY_USERS\\S-1-5-21-[0-9-]*' <<<"$user_keys" | cut -c2-)
# Wine keeps one set of a user's classes for both bitnesses: the class names the DLL
# registered last.
check "the user's class" yes "$(server "$user\\Software\\Classes" | grep -qxF -e "$folder\\x64\\morvane.dll" -e "$folder\\x86\\morvane.dll" && echo yes)"
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

if [ "$failures" -eq 0 ]; then
    echo PASS
    server_stop
    rm -rf "$work"   # a prefix is large; a failed run keeps it for a look
fi
