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
# Answers the requests of one shot script, run by the command given.
take_shots() {   # command...
    while IFS= read -r line; do
        line=${line%$'\r'}
        case $line in
            "shot "*) sleep 0.8; photograph "${line#shot }"; touch "$work/${line#shot }.done" ;;
            "keys "*)
                local keys=(${line#keys })
                sleep 0.8
                xdotool mousemove "${keys[1]}" "${keys[2]}" key "${keys[3]}"
                sleep 1.2; photograph "${keys[0]}"; touch "$work/${keys[0]}.done" ;;
            "modal "*) sleep 1.5; photograph "${line#modal }"; xdotool key Escape ;;
            end) ;;
            *) echo "shots: $line" >&2 ;;
        esac
    done < <("$@")
}
take_shots run cscript //nologo "$(winpath "$root/docs/shots/shots.js")" "$(winpath "$work")"
# One form at two sizes, side by side.
convert "$images/resize_small.png" -size 24x1 xc:white "$images/resize_large.png" -background white \
    -gravity north +append -strip -define png:compression-level=9 "$images/form_resize.png"
rm -f "$images/resize_small.png" "$images/resize_large.png"
echo "docs/images/form_resize.png $(identify -format '%wx%h' "$images/form_resize.png")"

# The same form at 100 % and at 150 % (LogPixels 144, for that one script only: see
# tools/at_dpi.c), side by side.
take_shots run cscript //nologo "$(winpath "$root/docs/shots/high_dpi.js")" "$(winpath "$work")" 100
take_shots run "$build/bin/at_dpi.exe" 144 cscript //nologo "$(winpath "$root/docs/shots/high_dpi.js")" \
    "$(winpath "$work")" 150
convert "$images/high_dpi_100.png" -size 24x1 xc:white "$images/high_dpi_150.png" -background white \
    -gravity north +append -strip -define png:compression-level=9 "$images/high_dpi.png"
rm -f "$images/high_dpi_100.png" "$images/high_dpi_150.png"
echo "docs/images/high_dpi.png $(identify -format '%wx%h' "$images/high_dpi.png")"
