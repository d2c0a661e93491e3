#!/bin/bash
# Runs every benchmark program of a Windows build under Wine.
# Usage: run-bench.sh <windows-build-dir> [<native-build-dir>]
set -u
. "$(dirname "$0")/wine-session.sh"
for exe in "$1"/bin/bench_*.exe; do
    [ -e "$exe" ] || continue
    echo "== $(basename "$exe")"
    (cd "$1/bin" && wine "$(basename "$exe")")
done
