#!/bin/bash
# Runs every test: the Windows build under Wine, then the native sanitizer builds. One test at a
# time: the clipboard, focus and cursor are shared by every program of the Wine session.
# Usage: run-tests.sh <windows-build-dir> <native-build-dir>...
set -u
. "$(dirname "$0")/wine-session.sh"
status=0
# Every build writes its parity archives before any build checks them against the others'.
for dir in "$@"; do
    ctest --test-dir "$dir" -R '^parity\.write$' >/dev/null || status=1
done
for dir in "$@"; do
    echo "== tests in $dir"
    # Native programs share nothing: they run two at a time.
    jobs=1; [ -f "$dir/bin/kwui.dll" ] || jobs=$(nproc)
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
done
exit $status
