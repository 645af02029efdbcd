#!/usr/bin/env bash
# A new 64-bit Wine prefix for one run of the release tests, which install into it one
# after the other and each leave it as they found it: DIR/wineprefix, made anew (the
# path of DIR has a space and a non-ASCII letter, as a user's may); "remove" deletes it.
#   new_prefix.sh DIR [remove]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib.sh"

rm -rf "$1"
[ "${2:-}" = remove ] && exit 0
mkdir -p "$1"
echo win64 >"$1/winearch"
"$root/tools/prefix.sh" "$1" >/dev/null
echo PASS
