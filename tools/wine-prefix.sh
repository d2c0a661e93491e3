#!/bin/sh
# Creates a Wine prefix of the project once. The test prefix (build/wine) uses the null
# graphics driver: headless, nothing on a screen. With the argument "x11" the prefix keeps the
# default driver and runs as one Wine virtual desktop (KW_DESKTOP, 1280x1024 by default), for the
# gallery under Xvfb: with no window manager on that display, the virtual desktop is what paints
# the window frames. With KW_DPI set, the prefix's screen has that many dots per inch.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${KW_WINEPREFIX:-$here/build/wine}"
export WINEDEBUG=-all
. "$here/tools/wine-layout.sh"
if [ ! -f "$WINEPREFIX/.kw-ready" ]; then
    echo "setup: creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 || true
    if [ "${1:-}" != x11 ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    fi
    wineserver -w
    touch "$WINEPREFIX/.kw-ready"
fi
if [ "${1:-}" = x11 ] && [ ! -f "$WINEPREFIX/.kw-desktop" ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${KW_DESKTOP:-1280x1024}" /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.kw-desktop"
fi
if [ -n "${KW_DPI:-}" ] && [ ! -f "$WINEPREFIX/.kw-dpi" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$KW_DPI" /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.kw-dpi"
fi
# Captions and scroll bars draw their glyphs in Marlett: the prefix must see Wine's copy.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
