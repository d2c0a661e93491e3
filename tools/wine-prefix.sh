#!/bin/sh
# Creates a Wine prefix of the project once. The test prefix (build/wine) uses the null
# graphics driver: headless, nothing on a screen. With the argument "x11" the prefix keeps the
# default driver, for the gallery run under Xvfb where window frames paint as on a desktop.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${KW_WINEPREFIX:-$here/build/wine}"
export WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/.kw-ready" ]; then
    echo "setup: creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    if [ "${1:-}" != x11 ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    fi
    wineserver -w
    touch "$WINEPREFIX/.kw-ready"
fi
