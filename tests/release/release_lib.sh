# What the release tests that install into a new 64-bit Wine prefix share; each sources
# it after tools/lib.sh:
#
#   check WHAT EXPECTED ACTUAL   prints "ok: WHAT" or "FAIL: ..." and counts the failures
#   use_prefix PREFIX WORK       the 64-bit prefix PREFIX/wineprefix that
#                                new_prefix.sh made for this run of the release tests,
#                                with a wineserver of its own (stopped on exit), and WORK
#                                emptied for the test's files; sets drive_c, wine32, wine64
#   export_registry [KEY]        the whole registry (both views, every user), or KEY with
#                                what is below it, as text into $registry (KEY without
#                                blanks)
#   keys_of_ours                 the keys of $registry that name one of Morvane's ids
#   server CLASSES               the DLL that the class's InprocServer32 below CLASSES names
#   finish                       PASS when nothing failed, and removes WORK (a failed run
#                                keeps it for a look)
export LC_ALL=C.UTF-8           # Unix file names in UTF-8, as Wine expects them

failures=0
check() {   # what expected actual
    if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}

use_prefix() {   # prefix work
    [ -n "${DISPLAY:-}" ] || { echo "FAIL: no display: run inside a session (tools/session.sh)"; exit 1; }
    [ -f "$1/wineprefix/.morvane-prefix" ] || { echo "FAIL: no prefix in $1 (tests/release/new_prefix.sh)"; exit 1; }
    work=$2
    rm -rf "$work"
    mkdir -p "$work"
    export WINEPREFIX="$1/wineprefix" WINEARCH=win64 WINEDEBUG=-all
    drive_c="$WINEPREFIX/drive_c"
    wine32=$(wine_loader win32)
    wine64=$(wine_loader win64)
    registry=$work/registry.txt
    trap server_stop EXIT
    server_start
}

export_registry() {   # [key]
    local key
    : >"$registry"
    # The whole registry is the machine's and the users' keys (HKEY_CLASSES_ROOT and
    # HKEY_CURRENT_USER are views of them): half the time of exporting every root.
    for key in ${1:-HKEY_LOCAL_MACHINE HKEY_USERS}; do
        rm -f "$work/registry.reg"
        $wine64 regedit /E "$(winpath "$work/registry.reg")" "$key" >/dev/null 2>&1
        iconv -f UTF-16LE -t UTF-8 "$work/registry.reg" 2>/dev/null | tr -d '\r' >>"$registry"
        grep -qixF "[$key]" "$registry" || echo "[the registry could not be read]" >>"$registry"
    done
}

# Every identifier of the type library (library, interfaces, classes) and the ProgID.
ours=$(grep -o 'uuid([0-9a-fA-F-]*)' "$root/src/com/morvane.idl" | sed 's/uuid(\(.*\))/\1/' | paste -sd'|')
ours="$ours|Morvane\\.Desktop|could not be read"
keys_of_ours() { grep '^\[' "$registry" | grep -iE "$ours"; }
clsid='{E73188C8-7A77-4E68-9CED-424060D47930}'

server() {   # classes
    WANT="[$1\\CLSID\\$clsid\\InprocServer32]" awk '   # (-v would take backslashes as escapes)
        /^\[/ { here = tolower($0) == tolower(ENVIRON["WANT"]); next }
        here && /^@="/ { value = substr($0, 4, length($0) - 4); gsub(/\\\\/, "\\", value); print value }
    ' "$registry"
}

finish() {
    if [ "$failures" -eq 0 ]; then
        echo PASS
        server_stop
        rm -rf "$work"
    fi
}
