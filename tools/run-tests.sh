#!/bin/bash
# Runs every test: the Windows build under Wine, then the native sanitizer build. One program
# at a time: the clipboard, focus and cursor are shared by every program of the Wine session.
# Usage: run-tests.sh <windows-build-dir> <native-build-dir>
set -u
. "$(dirname "$0")/wine-session.sh"
status=0
for dir in "$@"; do
    echo "== tests in $dir"
    ctest --test-dir "$dir" --output-on-failure || status=1
done
exit $status
