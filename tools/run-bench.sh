#!/bin/bash
# Runs every benchmark program: the Windows build's under Wine, then a native build's, and
# names at the end those whose ratios went over their limits.
# Usage: run-bench.sh <windows-build-dir> [<native-build-dir>]
set -u
. "$(dirname "$0")/wine-session.sh"
over=""
for exe in "$1"/bin/bench_*.exe; do
    [ -e "$exe" ] || continue
    echo "== $(basename "$exe")"
    (cd "$1/bin" && wine "$(basename "$exe")") || over="$over $(basename "$exe")"
done
if [ $# -ge 2 ]; then
    for exe in "$2"/bin/bench_*; do
        [ -x "$exe" ] || continue
        echo "== native $(basename "$exe")"
        "$exe" || over="$over native/$(basename "$exe")"
    done
fi
if [ -n "$over" ]; then
    echo "over their limits:$over"
    exit 1
fi
echo "every benchmark within its limits"
