#!/usr/bin/env bash
# The release's MSI installed the way a deployment tool installs it, on a clean 64-bit
# Windows (a new 64-bit Wine prefix): msiexec /i /qn puts both DLLs into Program Files and
# an entry into "Apps and features"; a script creates Morvane.Desktop in the 64-bit and in
# the 32-bit cscript; repair restores a deleted key; a newer version's package (the same
# DLLs with a bumped version) upgrades in place, and the older one then refuses with its
# message; msiexec /x /qn leaves no file and no key of Morvane's. Last, the package's
# registration is compared with what the DLLs' own DllRegisterServer writes for the same
# files, value by value in both registry views. Needs a session's display and the prefix
# of tests/release/new_prefix.sh.
#   msi_test.sh DLL32 DLL64 PREFIX WORK
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/release_lib.sh"

dll32=$1 dll64=$2
use_prefix "$3" "$(realpath -m "$4")/msi"

"$root/tools/package.sh" --dlls "$dll32" "$dll64" --out "$work/dist" >/dev/null || { echo "FAIL: package.sh"; exit 1; }
msi=$(ls "$work/dist"/morvane-*-x64.msi)
version=$(basename "$msi" | sed 's/morvane-\(.*\)-x64.msi/\1/')
newer=$(python3 "$root/tools/msi.py" --root "$root" --x86 "$dll32" --x64 "$dll64" --out "$work/newer" \
        --version "${version%.*}.$((${version##*.} + 1))")
pf64="$drive_c/Program Files/Morvane/morvane.dll"
pf32="$drive_c/Program Files (x86)/Morvane/morvane.dll"

msiexec() {   # ARGUMENTS...: msiexec of 64-bit Windows, waited for; prints its exit code
    timeout 120 $wine64 msiexec "$@" </dev/null >/dev/null 2>&1
    echo $?
}
exit_code() { echo $(($1 % 256)); }   # CODE: as a Unix exit status carries it (1603: 67)
creates() {   # LOADER: the Desktop's version, as a script in that host sees it
    timeout 60 "$1" cscript //nologo "$(winpath "$work/creates.js")" </dev/null 2>&1 | tr -d '\r'
}
echo 'try { WScript.Echo(new ActiveXObject("Morvane.Desktop").Version); } catch (e) { WScript.Echo("error " + e.number); }' \
    >"$work/creates.js"
# Desktop.Version: major "." minor revision.
desktop_version=$(sed -n 's/^#define MORVANE_VERSION_\(MAJOR\|MINOR\|REVISION\) \([0-9]*\)/\2/p' "$root/src/version.h" \
    | paste -sd' ' | awk '{ print $1 "." $2 $3 }')
entry() {   # PRODUCT-VERSION: the values of its "Apps and features" entry, in $registry
    awk -v want="$1" '
        /^\[/ { if (here && found) exit; here = /\\Uninstall\\\{/; found = 0; out = ""; next }
        here && /^"DisplayVersion"=/ && index($0, "\"" want "\"") { found = 1 }
        here && /^"(DisplayName|Publisher|DisplayVersion|Comments)"=/ { out = out $0 "\n" }
        END { if (found) printf "%s", out }
    ' "$registry"
}
# The values below the classes of both views for every key of Morvane's, one line each;
# the same when the registration is the same. Folders lose a trailing backslash.
registration() {
    awk -v ours="$ours" '
        /^\[/ { key = tolower($0); here = key ~ /^\[hkey_local_machine\\software\\(wow6432node\\)?classes\\/ && key ~ tolower(ours); next }
        here && NF { value = tolower($0); sub(/\\\\"$/, "\"", value); print key " " value }
    ' "$registry" | sort
}

echo "== install $(basename "$msi")"
check "msiexec /i /qn" 0 "$(msiexec /i "$(winpath "$msi")" /qn)"
check "the 64-bit DLL in Program Files" yes "$([ -f "$pf64" ] && echo yes)"
check "the 32-bit DLL in Program Files (x86)" yes "$([ -f "$pf32" ] && echo yes)"
export_registry HKEY_LOCAL_MACHINE
check "64-bit class" 'C:\Program Files\Morvane\morvane.dll' "$(server 'HKEY_LOCAL_MACHINE\Software\Classes')"
check "32-bit class" 'C:\Program Files (x86)\Morvane\morvane.dll' "$(server 'HKEY_LOCAL_MACHINE\Software\Wow6432Node\Classes')"
check '"Apps and features": name, publisher, version, licence' \
    "\"Comments\"=MIT License|\"DisplayName\"=\"Morvane\"|\"DisplayVersion\"=\"$version\"|\"Publisher\"=\"the Morvane developers\"" \
    "$(entry "$version" | sed 's/^\("Comments"=\).*\(MIT License\).*/\1\2/' | sort | paste -sd'|')"
installed=$(registration)
check "the 64-bit cscript creates Morvane.Desktop" "$desktop_version" "$(creates "$wine64")"
check "the 32-bit cscript creates Morvane.Desktop" "$desktop_version" "$(creates "$wine32")"
python3 -m zipfile -e "$(ls "$work/dist"/morvane-*[0-9].zip)" "$drive_c/msizip"
check "the zip's uninstall.cmd leaves the MSI's installation alone (6)" 6 \
    "$(cd "$drive_c/windows" && timeout 60 $wine64 cmd /c 'C:\msizip\uninstall.cmd' </dev/null >/dev/null 2>&1; echo $?)"
rm -rf "$drive_c/msizip"
check "after it the 64-bit cscript creates Morvane.Desktop" "$desktop_version" "$(creates "$wine64")"

echo "== repair"
$wine64 reg delete "HKLM\\Software\\Classes\\CLSID\\$clsid" /f >/dev/null 2>&1
check "without its class key, no Desktop" "error -2146827859" "$(creates "$wine64")"
# Repair as "Apps and features" starts it: reinstall every feature, rewriting the files
# and the registry (Wine's msiexec /f answers 1 without doing it; these properties are
# what /fomus sets on Windows).
check "repair /qn" 0 "$(msiexec /i "$(winpath "$msi")" REINSTALL=ALL REINSTALLMODE=omus /qn)"
export_registry HKEY_LOCAL_MACHINE
check "repair restores the registration" "$installed" "$(registration)"
check "after repair the 64-bit cscript creates it" "$desktop_version" "$(creates "$wine64")"

echo "== upgrade to $(basename "$newer")"
check "msiexec /i newer /qn" 0 "$(msiexec /i "$(winpath "$newer")" /qn)"
export_registry HKEY_LOCAL_MACHINE
check "one entry, the newer version's" "1 0" "$(entry "${version%.*}.$((${version##*.} + 1))" | grep -c DisplayName) $(entry "$version" | grep -c DisplayName)"
check "the upgrade keeps the registration" "$installed" "$(registration)"
check "after the upgrade the 32-bit cscript creates it" "$desktop_version" "$(creates "$wine32")"
check "the older package refuses (1603)" "$(exit_code 1603)" "$(msiexec /i "$(winpath "$msi")" /qn)"
# Wine's installer does not log the launch condition's message; Windows shows it.
msiinfo export "$msi" LaunchCondition >"$work/conditions.txt"
check "with its message" yes "$(grep -q '^NOT WIX_DOWNGRADE_DETECTED.A newer version of Morvane is already installed' \
    "$work/conditions.txt" && echo yes)"
msiinfo export "$newer" Property >"$work/properties.txt"
newer_code=$(sed -n 's/^ProductCode\t//p' "$work/properties.txt" | tr -d '\r')
check "the newer one stays" "${version%.*}.$((${version##*.} + 1))" \
    "$($wine64 reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$newer_code" /v DisplayVersion 2>/dev/null \
       | tr -d '\r' | sed -n 's/.*REG_SZ *//p')"

echo "== uninstall"
check "msiexec /x /qn" 0 "$(msiexec /x "$(winpath "$newer")" /qn)"
export_registry
check "keys of ours after msiexec /x" "" "$(keys_of_ours)"
check "files left in Program Files" "" "$(ls -d "$drive_c/Program Files/Morvane" "$drive_c/Program Files (x86)/Morvane" 2>/dev/null)"

echo "== the same as DllRegisterServer"
mkdir -p "$(dirname "$pf64")" "$(dirname "$pf32")"
cp "$dll64" "$pf64" && cp "$dll32" "$pf32"
$wine64 regsvr32 /s 'C:\Program Files\Morvane\morvane.dll'
$wine32 regsvr32 /s 'C:\Program Files (x86)\Morvane\morvane.dll'
export_registry HKEY_LOCAL_MACHINE
check "the package's registration is the DLLs' own" "$installed" "$(registration)"
$wine64 regsvr32 /s /u 'C:\Program Files\Morvane\morvane.dll'
$wine32 regsvr32 /s /u 'C:\Program Files (x86)\Morvane\morvane.dll'
rm -rf "$(dirname "$pf64")" "$(dirname "$pf32")"   # the prefix as it was
finish
