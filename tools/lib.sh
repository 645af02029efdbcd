# What the scripts of tools/ (and those of tests/ that run Wine) share; each sources it
# first, from its own folder:
#
#   source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"          # or ../../tools/lib.sh
#
#   $root                  the checkout
#   $build                 the build directory: ./build (32-bit), or MORVANE_BUILD (build_dir)
#   archs                  the bitnesses to act on: MORVANE_ARCHS, "win32 win64" by default
#   arch_dir ARCH          the build directory of a bitness: $build, or $build/x64 for win64
#   winpath PATH           the Windows name of an absolute Unix path (Z:\...)
#   wine_loader ARCH       the loader that starts a prefix's own programs
#   display_start LOGDIR   a virtual display of one's own; exports DISPLAY (display_stop)
#   server_start [LOG]     a persistent wineserver for $WINEPREFIX (server_stop, server_running)
#   in_session DIR CMD...  runs a command in a test session of that build (tools/session.sh)
#
# Sets no shell options: tools/session.sh, which an interactive shell sources, sources it.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir() { realpath -m "${MORVANE_BUILD:-$root/build}"; }
build=$(build_dir)

archs() { echo "${MORVANE_ARCHS:-win32 win64}"; }

arch_dir() {   # arch
    case $1 in
        win32) echo "$build" ;;
        win64) echo "$build/x64" ;;
        *) echo "unknown bitness $1 (win32 or win64)" >&2; return 2 ;;
    esac
}

winpath() { local p=$1; echo "Z:${p//\//\\}"; }

# Debian's `wine` starts the 32-bit cscript and regsvr32 even in a 64-bit prefix.
wine_loader() {   # arch
    if [ "$1" = win64 ]; then echo /usr/lib/wine/wine64; else echo wine; fi
}

# Xvfb picks a free display itself and writes its number to LOGDIR/display.
_display_pid=""
display_start() {   # logdir
    local dpyfile="$1/display" i
    : > "$dpyfile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$dpyfile" </dev/null >"$1/xvfb.log" 2>&1 &
    _display_pid=$!
    for i in $(seq 100); do
        [ -s "$dpyfile" ] && break
        kill -0 "$_display_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$dpyfile" ]; then
        echo "Xvfb did not start (see $1/xvfb.log)" >&2
        display_stop
        return 1
    fi
    export DISPLAY=":$(head -n1 "$dpyfile")"
}

display_stop() {   # never fails: runs from EXIT traps
    if [ -n "$_display_pid" ]; then
        kill "$_display_pid" 2>/dev/null || true
        wait "$_display_pid" 2>/dev/null || true
        _display_pid=""
    fi
    return 0
}

# Persistent: the server stays up between programs, so a Wine start costs ~0.1 s. Its
# output must not hold the caller's pipes open.
server_start() {   # [log]
    wineserver -p </dev/null >"${1:-/dev/null}" 2>&1
}

# Ends the server of $WINEPREFIX and every Wine process left in it; never fails.
server_stop() {
    wineserver -k 2>/dev/null || true
    timeout 30 wineserver -w 2>/dev/null || true
}

# True when a wineserver serves $WINEPREFIX. The server runs inside its directory
# .../server-DEV-INODE (device and inode of the prefix, in hex); where that directory
# lives differs between Wine builds, the name does not.
server_running() {
    local want p cwd
    want=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")") || return 1
    for p in /proc/[0-9]*; do
        cwd=$(readlink "$p/cwd" 2>/dev/null) || continue
        [ "${cwd##*/}" = "$want" ] && return 0
    done
    return 1
}

# A subshell: the session's environment and traps end with it.
in_session() (   # build-dir command [arguments...]
    export MORVANE_BUILD=$1
    source "$root/tools/session.sh"
    session_start || exit 1
    status=0
    "${@:2}" || status=$?
    session_stop
    exit "$status"
)
