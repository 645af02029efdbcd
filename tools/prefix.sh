#!/usr/bin/env bash
# Creates the Wine prefix of each build once (./build/wineprefix, 32-bit, and
# ./build/x64/wineprefix, 64-bit; the bitness comes from the build's `winearch`
# file): boots it, applies tools/wine-prefix.reg and installs Wine's fonts.
# Re-applies the settings when the .reg file changes; does nothing when the prefix
# is up to date. MORVANE_BUILD overrides ./build; arguments name build directories,
# and without them MORVANE_ARCHS picks the builds (the 64-bit one once it is built).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

reg="$root/tools/wine-prefix.reg"
want=$(sha256sum "$reg" | cut -d' ' -f1)

make_prefix() (   # build-dir; a subshell: each prefix has its own environment
    local dir=$1
    local prefix="$dir/wineprefix"
    local stamp="$prefix/.morvane-prefix"    # holds the checksum of the settings applied
    local arch
    arch=$(cat "$dir/winearch" 2>/dev/null || echo win32)
    [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ] && exit 0

    export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=-all
    # Waiting for the server below would wait for a running session's server forever.
    if [ -d "$prefix" ] && server_running; then
        echo "prefix.sh: a wineserver is running for $prefix; stop its session first" >&2
        exit 1
    fi
    # No Mono or Gecko: their install prompts would wait for a click.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # Everything here runs without a display, and the wineserver it starts must be
    # gone before any session: one started without DISPLAY breaks later GUI runs.
    unset DISPLAY
    # The server writes the registry when it ends by itself.
    stop_server() { timeout 120 wineserver -w || wineserver -k || true; }
    local wine
    wine=$(wine_loader "$arch")

    if [ ! -f "$prefix/.morvane-booted" ]; then
        echo "creating $arch Wine prefix $prefix"
        rm -rf "$prefix"            # a half-made prefix from an interrupted run
        mkdir -p "$dir"
        $wine wineboot -i >/dev/null 2>&1
        # wineboot returns before the registry is written; the server writes it on exit.
        stop_server
        echo "$arch" > "$prefix/.morvane-arch"
        touch "$prefix/.morvane-booted"
    fi

    echo "configuring Wine prefix $prefix"
    $wine regedit /S "$(winpath "$reg")" >/dev/null 2>&1
    local fonts="$prefix/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp -f /usr/share/wine/fonts/* "$fonts/"
    stop_server
    echo "$want" > "$stamp"
)

if [ $# -eq 0 ]; then
    for arch in $(archs); do
        dir=$(arch_dir "$arch")
        if [ "$arch" = win32 ] || [ -f "$dir/winearch" ]; then set -- "$@" "$dir"; fi
    done
fi
for dir in "$@"; do
    make_prefix "$(realpath -m "$dir")"
done
