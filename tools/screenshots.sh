#!/usr/bin/env bash
# Makes the pictures of docs/images again: runs docs/shots/shots.js under a display of
# its own, in a Wine prefix of its own (./build/shots/wineprefix, never the test
# prefixes) whose system colours are those of Windows' default scheme, photographs each
# set of windows the script shows and crops the picture to them.
#   tools/screenshots.sh        # needs the 32-bit build (tools/build.sh)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

shots="$build/shots"
prefix="$shots/wineprefix"
images="$root/docs/images"
work="$shots/work"
dll="$build/bin/morvane.dll"

[ -f "$dll" ] || { echo "screenshots.sh: $dll missing (run tools/build.sh)" >&2; exit 1; }
mkdir -p "$shots" "$images"
echo win32 > "$shots/winearch"
"$root/tools/prefix.sh" "$shots"

# A display and a wineserver of our own; both end with this script.
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
trap 'server_stop; display_stop' EXIT
display_start "$shots"
server_start

run() { "$root/tools/wine-run.sh" --prefix "$prefix" "$@" </dev/null; }
# The colours are read when Wine starts a desktop: set them before any window exists.
run regedit /S "$(winpath "$root/tools/windows-colours.reg")"
run regsvr32 /s "$(winpath "$dll")"

# Photographs the screen and keeps the part that differs from the flat desktop.
photograph() {   # name
    local raw="$work/$1.xwd"
    xwd -root -silent > "$raw"
    convert "xwd:$raw" -trim +repage -strip -define png:compression-level=9 "$images/$1.png"
    echo "docs/images/$1.png $(identify -format '%wx%h' "$images/$1.png")"
}

rm -rf "$work" && mkdir -p "$work"
while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
        "shot "*) sleep 0.8; photograph "${line#shot }"; touch "$work/${line#shot }.done" ;;
        "modal "*) sleep 1.5; photograph "${line#modal }"; xdotool key Escape ;;
        end) ;;
        *) echo "shots.js: $line" >&2 ;;
    esac
done < <(run cscript //nologo "$(winpath "$root/docs/shots/shots.js")" "$(winpath "$work")")
