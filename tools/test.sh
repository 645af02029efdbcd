#!/usr/bin/env bash
# Runs the whole suite from nothing: installs the packages, builds, creates the
# Wine prefix, starts a session and runs every CTest test serially (the tests
# share one desktop and the keyboard focus). Exits with CTest's status and
# leaves no Xvfb or wineserver of its own running.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${MORVANE_BUILD:-$root/build}")

"$root/tools/install-deps.sh"
"$root/tools/build.sh"
"$root/tools/prefix.sh"

source "$root/tools/session.sh"
session_start

status=0
ctest --test-dir "$build" --output-on-failure --no-tests=error || status=$?

session_stop
exit "$status"
