#!/bin/sh
# Runs a Windows program under the project's Wine prefix, headless and quiet. Every test command
# goes through it (it is the build's emulator), so a plain ctest works: when no Wine server runs
# for the prefix yet, it starts one, and Wine's own services, detached from this program's output.
# Started by the first test instead, they would hold ctest's pipes open after the last test.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${KW_WINEPREFIX:-$here/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# The server of a prefix listens on a socket named after the prefix's device and inode.
if [ -d "$WINEPREFIX" ]; then
    dev=$(printf %x "$(stat -c %d "$WINEPREFIX")")
    ino=$(printf %x "$(stat -c %i "$WINEPREFIX")")
    socket="/tmp/.wine-$(id -u)/server-$dev-$ino/socket"
fi
if [ ! -S "${socket:-/nonexistent}" ]; then
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
fi
exec wine "$@"
