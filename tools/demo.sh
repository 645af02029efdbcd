#!/usr/bin/env bash
# Shows the library to a person: builds the 32-bit DLL (and the session's keep-alive,
# nothing else), registers it in the 32-bit project prefix, runs examples/hello.js,
# saves a screenshot of its form to build/demo.png and prints that path, then closes
# the form with Alt+F4.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
export MORVANE_ARCHS=win32

"$root/tools/install-deps.sh"
mkdir -p "$build"
if ! MORVANE_TARGETS="morvane keepalive" "$root/tools/build.sh" >"$build/demo-build.log" 2>&1; then
    tail -n 40 "$build/demo-build.log" >&2
    echo "demo: build failed (full log: $build/demo-build.log)" >&2
    exit 1
fi
"$root/tools/prefix.sh"

show() {   # inside the session; fails when the form did not close
    local run=("$root/tools/wine-run.sh" --prefix "$WINEPREFIX")
    "${run[@]}" regsvr32 /s "$(winpath "$build/bin/morvane.dll")"

    local log="$build/demo.log" png="$build/demo.png"
    rm -f "$png"
    "${run[@]}" cscript //nologo "$(winpath "$root/examples/hello.js")" </dev/null >"$log" 2>&1 &
    local script_pid=$!

    # The script prints a line containing "shown" once its form is on screen.
    local shown="" closed=""
    for _ in $(seq 300); do
        if grep -q shown "$log"; then shown=yes; break; fi
        kill -0 "$script_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$shown" ]; then
        echo "demo: examples/hello.js showed no form within 30 s; its output:" >&2
        cat "$log" >&2
        kill "$script_pid" 2>/dev/null || true
        return 1
    fi
    sleep 1                          # let the form finish painting
    xwd -root -silent | convert xwd:- "png:$png"

    # Close the form as a user would; the form hides and the script ends.
    xdotool key alt+F4
    for _ in $(seq 100); do
        if ! kill -0 "$script_pid" 2>/dev/null; then closed=yes; break; fi
        sleep 0.1
    done
    if [ -z "$closed" ]; then
        echo "demo: the script did not end after Alt+F4; stopping it" >&2
        kill "$script_pid" 2>/dev/null || true
    fi
    wait "$script_pid" 2>/dev/null || true
    sed 's/^/hello.js: /' "$log"
    echo "$png"
    [ -n "$closed" ]
}

in_session "$build" show
