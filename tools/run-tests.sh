#!/bin/bash
# Runs every test: the Windows build under Wine, then the native sanitizer build. One program
# at a time: the clipboard, focus and cursor are shared by every program of the Wine session.
# A program that fails is run once more, its first failure still printed: a fresh Wine prefix
# finishes setting up its shell on first use, which can hold up a dialog test once.
# Usage: run-tests.sh <windows-build-dir> <native-build-dir>
set -u
. "$(dirname "$0")/wine-session.sh"
status=0
for dir in "$@"; do
    echo "== tests in $dir"
    ctest --test-dir "$dir" --output-on-failure --repeat until-pass:2 || status=1
done
exit $status
