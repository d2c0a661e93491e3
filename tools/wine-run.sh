#!/bin/sh
# Runs a Windows program under the project's Wine prefix, headless and quiet. Every test command
# goes through it (it is the build's emulator), so a plain ctest works: when no Wine server runs
# for the prefix yet, it starts one, and Wine's own services, detached from this program's output.
# Started by the first test instead, they would hold ctest's pipes open after the last test.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${KW_WINEPREFIX:-$here/build/wine}"
. "$here/tools/wine-layout.sh"
# Wine's error channel stays on: a program that fails before it prints anything leaves Wine's
# reason in the test's output (ctest shows it only for a failed test).
export WINEDEBUG="${WINEDEBUG:--all,err+all}"
# The server of a prefix listens on a socket named after the prefix's device and inode, in
# /tmp/.wine-<uid>, or in Debian's Wine in a private directory of the temporary folder whose name
# the server writes into the prefix's file "wineserver".
running=
if [ -d "$WINEPREFIX" ]; then
    server="server-$(printf %x "$(stat -c %d "$WINEPREFIX")")-$(printf %x "$(stat -c %i "$WINEPREFIX")")"
    dirs="/tmp/.wine-$(id -u)"
    [ -r "$WINEPREFIX/wineserver" ] && dirs="$dirs ${TMPDIR:-/tmp}/$(cat "$WINEPREFIX/wineserver")"
    for dir in $dirs; do
        [ -S "$dir/$server/socket" ] && running=1
    done
fi
if [ -z "$running" ]; then
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
fi
wine "$@"
status=$?
# A program that ends before writing a word still leaves how it ended in the test's output.
[ "$status" -eq 0 ] || echo "wine-run: $(basename "$1") exited with status $status" >&2
exit "$status"
