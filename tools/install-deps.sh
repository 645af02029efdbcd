#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when they are present.
set -euo pipefail

packages=(g++-mingw-w64-i686-posix mingw-w64-i686-dev mingw-w64-tools
          g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
          wine wine32:i386 wine64 fonts-wine
          xvfb xauth xdotool x11-apps imagemagick
          cmake googletest
          cmark-gfm python3        # the release: Markdown to HTML pages, the zip
          faketime                 # one time stamp in the type library: the same DLL from the same sources
          msitools wixl osslsigncode)   # the release: the MSI, Authenticode signatures

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
