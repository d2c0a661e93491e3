#!/bin/sh
# Runs a Windows program under the project's Wine prefix, headless and quiet.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${KW_WINEPREFIX:-$here/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
