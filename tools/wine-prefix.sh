#!/bin/sh
# Creates the project's Wine prefix once (headless: the null graphics driver).
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${KW_WINEPREFIX:-$here/build/wine}"
export WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/.kw-ready" ]; then
    echo "setup: creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.kw-ready"
fi
