# Sourced by the run scripts: keeps one Wine server alive for the whole run (programs then
# start in a fraction of a second) and ends it on exit. The server and Wine's own services are
# started here with no inherited output, so that none of them holds a test's pipes open.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${KW_WINEPREFIX:-$here/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all,err+all}"
. "$here/tools/wine-layout.sh"
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
trap 'wineserver -k </dev/null >/dev/null 2>&1; true' EXIT
