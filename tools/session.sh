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
# interactive shell on the first failing command). Needs a build (for
# keepalive.exe) and a prefix (tools/prefix.sh). MORVANE_BUILD overrides ./build.

_session_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
_session_xvfb_pid=""
_session_keepalive_pid=""
_session_server=""

session_start() {
    local build
    build=$(realpath -m "${MORVANE_BUILD:-$_session_root/build}")
    local prefix="$build/wineprefix" logs="$build/session"
    if [ -n "$_session_xvfb_pid" ]; then
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
    if _session_server_running; then
        echo "session: a wineserver already serves $WINEPREFIX; stop it first" \
             "(WINEPREFIX=$WINEPREFIX wineserver -k)" >&2
        return 1
    fi

    trap session_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM

    # Xvfb picks a free display itself and writes its number to fd 3.
    local dpyfile="$logs/display"
    : > "$dpyfile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$dpyfile" </dev/null >"$logs/xvfb.log" 2>&1 &
    _session_xvfb_pid=$!
    local i
    for i in $(seq 100); do
        [ -s "$dpyfile" ] && break
        kill -0 "$_session_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$dpyfile" ]; then
        echo "session: Xvfb did not start (see $logs/xvfb.log)" >&2
        session_stop
        return 1
    fi
    export DISPLAY=":$(head -n1 "$dpyfile")"

    # Persistent: the server stays up between tests, so a Wine start costs ~0.1 s.
    # Its output must not hold the caller's pipes open.
    wineserver -p </dev/null >"$logs/wineserver.log" 2>&1
    _session_server=started

    # The keep-alive's hidden window starts Wine's desktop process now, with the
    # keep-alive's own output, instead of inside the first test.
    "$_session_root/tools/wine-run.sh" --prefix "$prefix" "$build/bin/keepalive.exe" </dev/null >"$logs/keepalive.log" 2>&1 &
    _session_keepalive_pid=$!
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
        # Ends the server of our own prefix and every Wine process left in it.
        _session_server=""
        wineserver -k 2>/dev/null || true
        timeout 30 wineserver -w 2>/dev/null || true
    fi
    if [ -n "$_session_xvfb_pid" ]; then
        kill "$_session_xvfb_pid" 2>/dev/null || true
        wait "$_session_xvfb_pid" 2>/dev/null || true
        _session_xvfb_pid=""
    fi
    return 0
}

# True when a wineserver serves $WINEPREFIX. The server runs inside its directory
# .../server-DEV-INODE (device and inode of the prefix, in hex); where that
# directory lives differs between Wine builds, the name does not.
_session_server_running() {
    local want p cwd
    want=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")") || return 1
    for p in /proc/[0-9]*; do
        cwd=$(readlink "$p/cwd" 2>/dev/null) || continue
        [ "${cwd##*/}" = "$want" ] && return 0
    done
    return 1
}
