#!/bin/bash
# Plays the structural model editor's tour round after round in one process for a given time
# (kwdemo.exe /tour <folder> /soak <minutes>), headless in a virtual X display like the tour.
# After each round the editor prints its handles, GDI and USER objects and memory; those must
# stay flat after the first rounds. The lines also go to <build>/soak/soak.log. Exits with the
# editor's code: 0, or the number of the step that failed.
# Usage: soak-demo.sh <windows-build-dir> [<minutes> (30)]
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
minutes=${2:-30}
case "$minutes" in '' | *[!0-9]*) echo "soak: minutes are a whole number, not \"$minutes\"" >&2; exit 2 ;; esac
export KW_WINEPREFIX="${KW_DEMO_PREFIX:-$here/build/wine-demo}"
export WINEDEBUG="${WINEDEBUG:--all}"
"$here/tools/wine-prefix.sh" x11 || exit 1
[ -f "$build/bin/kwdemo.exe" ] || { echo "soak: no kwdemo.exe in $build/bin" >&2; exit 1; }
cd "$build/bin" || exit 1
out="$build/soak"
rm -rf "$out"
mkdir -p "$out"
display=(xvfb-run -a -s "-screen 0 1280x1024x24")
[ -n "${DISPLAY:-}" ] && display=()
# A round that stops answering is ended with the rest: each step waits a bounded time.
"${display[@]}" timeout $(( minutes * 60 + 600 )) bash -c '
    . "'"$here"'/tools/wine-session.sh"
    wine reg delete "HKCU\\Software\\KwUi\\Structure" /f >/dev/null 2>&1
    wine kwdemo.exe /tour "$(winepath -w "'"$out"'")" /soak '"$minutes"' 2>&1' |
    grep --line-buffered -v -e '^tour: [0-9]* [^ ]*: ' -e 'FS volume label and serial' | tee "$out/soak.log"
status=${PIPESTATUS[0]}
if [ "$status" -eq 124 ]; then
    echo "soak: still running $(( minutes + 10 )) minutes after its start; ended"
    WINEPREFIX="$KW_WINEPREFIX" wineserver -k >/dev/null 2>&1
fi
exit "$status"
