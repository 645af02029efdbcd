#!/usr/bin/env bash
# Runs one GoogleTest program (a case, or the listing of the cases) under Wine:
#   tools/test-case.sh --prefix DIR PROGRAM.exe [ARGS...]
# CTest uses it as the unit tests' emulator, in front of tools/wine-run.sh.
#
# A program that printed nothing of GoogleTest's own, not even the line its main()
# prints first, never reached its tests: it did not start, for a reason outside the
# library (the loader, the prefix, the machine). Such a run is not a failed test: it is
# run once more, and recorded in start-failures.log beside the prefix, with its exit code
# and what Wine said (its errors are shown to these runs), which tools/test.sh prints
# after the suite. A program that reached main() is never run again, whatever its
# outcome: the test program writes its output unbuffered, so even one that crashed has
# shown that it ran.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

[ "${1:-}" = --prefix ] || { echo "test-case.sh: --prefix DIR first" >&2; exit 2; }
prefix=$2
shift 2
log="$(dirname "$(realpath -m "$prefix")")/session/start-failures.log"
out=$(mktemp)
trap 'rm -f "$out"' EXIT

run() {
    local started
    started=$(date +%s%3N)
    MORVANE_WINEDEBUG=${MORVANE_WINEDEBUG:--all,err+all} \
        "$root/tools/wine-run.sh" --prefix "$prefix" "$@" >"$out" 2>&1
    status=$?
    elapsed=$(( $(date +%s%3N) - started ))
}

run "$@"
if [ "$status" -ne 0 ] && ! grep -q '^Running main() from' "$out"; then
    {
        echo "$(date +%T) $(basename "$1") ${*:2}: did not start (exit $status after ${elapsed} ms); run again"
        sed 's/^/    | /' "$out"
    } | tee -a "$log" >&2
    run "$@"
    echo "$(date +%T)     the second run exited $status" >>"$log"
fi
cat "$out"
exit "$status"
