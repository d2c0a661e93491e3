#!/bin/bash
# Runs the structural model editor (kwdemo.exe) of a Windows build. Headless (no $DISPLAY), or
# with --tour, it plays the editor's scripted tour in a virtual X display (so window frames
# paint): a picture of each step and tour.html go to <build>/tour/, and the script exits with
# the tour's code (0, or the number of the step that failed). With a display it runs the editor
# there, interactively (KW_DEMO_INTERACTIVE=1 does so even when --tour is given).
# Usage: run-demo.sh <windows-build-dir> [--tour | <model.kwm>]
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
shift
export KW_WINEPREFIX="${KW_DEMO_PREFIX:-$here/build/wine-demo}"
export WINEDEBUG="${WINEDEBUG:--all}"
"$here/tools/wine-prefix.sh" x11 || exit 1
[ -f "$build/bin/kwdemo.exe" ] || { echo "run-demo: no kwdemo.exe in $build/bin" >&2; exit 1; }

tour=
if [ -z "${DISPLAY:-}" ] || [ "${1:-}" = --tour ]; then tour=1; fi
[ -n "${DISPLAY:-}" ] && [ "${KW_DEMO_INTERACTIVE:-}" = 1 ] && tour=
[ "${1:-}" = --tour ] && shift
if [ -z "$tour" ]; then
    model=${1:+$(realpath "$1")}
    cd "$here" && . tools/wine-session.sh
    cd "$build/bin" || exit 1
    if [ -n "$model" ]; then wine kwdemo.exe "$(winepath -w "$model")"; else wine kwdemo.exe; fi
    exit $?
fi
cd "$build/bin" || exit 1

out="$build/tour"
rm -rf "$out"
mkdir -p "$out"
# The tour starts from the editor's first start: no settings left by an earlier run. A tour that
# stops answering is ended: every step waits a bounded time, so this only catches a hang.
# Headless it gets a display of its own, where window frames paint; --tour plays on the one there is.
display=(xvfb-run -a -s "-screen 0 1280x1024x24")
[ -n "${DISPLAY:-}" ] && display=()
# The Wine session starts inside that display, so that Wine's desktop window finds it.
"${display[@]}" timeout "${KW_TOUR_TIMEOUT:-900}" bash -c '
    . "'"$here"'/tools/wine-session.sh"
    wine reg delete "HKCU\\Software\\KwUi\\Structure" /f >/dev/null 2>&1
    wine kwdemo.exe /tour "$(winepath -w "'"$out"'")"'
status=$?
if [ $status -eq 124 ]; then
    echo "tour: still running after ${KW_TOUR_TIMEOUT:-900} s; ended"
    WINEPREFIX="$KW_WINEPREFIX" wineserver -k >/dev/null 2>&1
fi
echo "tour: pictures and page in $out (exit code $status)"
exit $status
