# Test session: one Xvfb, one persistent wineserver and one keep-alive Wine
# process for one build's prefix (32-bit ./build or 64-bit ./build/x64, chosen
# by MORVANE_BUILD), shared by every test of a run.
#
#   source tools/session.sh
#   session_start          # exports DISPLAY, WINEPREFIX, WINEARCH, WINEDEBUG
#   ctest --test-dir build -R smoke
#   session_stop           # also runs on exit of the shell that started it
#
# Sourced, so it sets no shell options of its own (set -e would close an
# interactive shell on the first failing command); it brings tools/lib.sh along
# (root, build, winpath, ...). Needs a build (for keepalive.exe) and a prefix
# (tools/prefix.sh). MORVANE_BUILD overrides ./build.

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
_session_keepalive_pid=""
_session_server=""

session_start() {
    local build
    build=$(build_dir)
    local prefix="$build/wineprefix" logs="$build/session"
    if [ -n "$_display_pid" ]; then
        echo "session: already started (DISPLAY=$DISPLAY)" >&2
        return 0
    fi
    if [ ! -f "$prefix/.morvane-prefix" ]; then
        echo "session: no Wine prefix at $prefix (run tools/prefix.sh)" >&2
        return 1
    fi
    if [ ! -f "$build/bin/keepalive.exe" ]; then
        echo "session: $build/bin/keepalive.exe missing (run tools/build.sh)" >&2
        return 1
    fi
    mkdir -p "$logs"

    local arch
    arch=$(cat "$prefix/.morvane-arch" 2>/dev/null || echo win32)
    export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=-all
    # The server of this prefix must be ours: a running one (from a run without a
    # display, or another session) would be shared and then killed at our stop.
    if server_running; then
        echo "session: a wineserver already serves $WINEPREFIX; stop it first" \
             "(WINEPREFIX=$WINEPREFIX wineserver -k)" >&2
        return 1
    fi

    trap session_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM

    display_start "$logs" || return 1
    server_start "$logs/wineserver.log"
    _session_server=started
    # Every session starts at 96 DPI, whatever a program run at another resolution
    # (tools/at_dpi.c) left behind when it was killed before it could put it back.
    "$root/tools/wine-run.sh" --prefix "$prefix" reg add "HKCU\\Control Panel\\Desktop" \
        /v LogPixels /t REG_DWORD /d 96 /f </dev/null >/dev/null 2>&1

    # The keep-alive's hidden window starts Wine's desktop process now, with the
    # keep-alive's own output, instead of inside the first test.
    "$root/tools/wine-run.sh" --prefix "$prefix" "$build/bin/keepalive.exe" </dev/null >"$logs/keepalive.log" 2>&1 &
    _session_keepalive_pid=$!
    local i
    for i in $(seq 300); do
        grep -q ready "$logs/keepalive.log" 2>/dev/null && break
        kill -0 "$_session_keepalive_pid" 2>/dev/null || break
        sleep 0.1
    done
    if ! grep -q ready "$logs/keepalive.log" 2>/dev/null; then
        echo "session: keepalive.exe did not start (see $logs/keepalive.log)" >&2
        session_stop
        return 1
    fi
    echo "session: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
}

session_stop() {
    # Runs from an EXIT trap, possibly under set -e: no step may fail.
    if [ -n "$_session_keepalive_pid" ]; then
        kill "$_session_keepalive_pid" 2>/dev/null || true
        wait "$_session_keepalive_pid" 2>/dev/null || true
        _session_keepalive_pid=""
    fi
    if [ -n "$_session_server" ]; then
        _session_server=""
        server_stop
    fi
    display_stop
}
