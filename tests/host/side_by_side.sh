#!/usr/bin/env bash
# The 32-bit and the 64-bit DLL registered side by side in one 64-bit prefix: each
# host creates its own, and unregistering either leaves the other working; once both
# are gone no shared key is left. Ends with the 64-bit DLL registered again.
#   side_by_side.sh PREFIX DLL32 DLL64
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib.sh"

here=$root/tests/host
prefix=$1 dll32=$2 dll64=$3
run64() { "$root/tools/wine-run.sh" --prefix "$prefix" "$@" </dev/null 2>&1 | tr -d '\r'; }
run32() { "$root/tools/wine-run.sh" --prefix "$prefix" --wow32 "$@" </dev/null 2>&1 | tr -d '\r'; }
script=$(winpath "$here/create.js")
failures=0
check() {   # what expected actual
    if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}
created() { "$@" cscript //nologo "$script" | grep -o 'created [A-Za-z0-9]*' | head -n1; }
key() {   # present when either registry view holds the key
    if run64 reg query "$1" >/dev/null 2>&1 || run32 reg query "$1" >/dev/null 2>&1; then echo present; else echo absent; fi
}
libid='{FC22C45F-0AF8-480D-96E3-D0331E70D24A}'
iid='{AACFDF6F-DBAF-41EE-9E77-18CC95AC6C32}'
clsid='{E73188C8-7A77-4E68-9CED-424060D47930}'

run64 regsvr32 /s "$(winpath "$dll64")"
run32 regsvr32 /s "$(winpath "$dll32")"
check "64-bit host, both registered" "created AMD64" "$(created run64)"
check "32-bit host, both registered" "created x86" "$(created run32)"
check "type library while registered" present "$(key "HKCR\\TypeLib\\$libid")"

run32 regsvr32 /s /u "$(winpath "$dll32")"
check "64-bit host after the 32-bit DLL left" "created AMD64" "$(created run64)"
check "32-bit host after the 32-bit DLL left" "" "$(created run32)"

run32 regsvr32 /s "$(winpath "$dll32")"
run64 regsvr32 /s /u "$(winpath "$dll64")"
check "32-bit host after the 64-bit DLL left" "created x86" "$(created run32)"
check "64-bit host after the 64-bit DLL left" "" "$(created run64)"

run32 regsvr32 /s /u "$(winpath "$dll32")"
check "ProgID once both left" absent "$(key 'HKCR\Morvane.Desktop')"
check "type library once both left" absent "$(key "HKCR\\TypeLib\\$libid")"
check "interface once both left" absent "$(key "HKCR\\Interface\\$iid")"
check "class once both left" absent "$(key "HKCR\\CLSID\\$clsid")"

run64 regsvr32 /s "$(winpath "$dll64")"
check "64-bit host registered again" "created AMD64" "$(created run64)"
[ "$failures" -eq 0 ] && echo PASS
