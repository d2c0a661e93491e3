#!/bin/bash
# Runs the gallery of a Windows build in a virtual X display (so window frames paint), once in
# the classic look and once in the dark one (into dark/), and names the folder its pictures went to.
# With a DPI, on a screen of that many dots per inch (its own prefix, a desktop as much larger),
# into gallery/dpi<dpi>.
# Usage: run-gallery.sh <windows-build-dir> [dpi]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
dpi=${2:-}
out="$(cd "$1" && pwd)/gallery${dpi:+/dpi$dpi}"
export KW_WINEPREFIX="${KW_GALLERY_PREFIX:-$here/build/wine-gallery}${dpi:+-dpi$dpi}"
screen=1280x1024
if [ -n "$dpi" ]; then
    screen="$((1280 * dpi / 96))x$((1024 * dpi / 96))"
    export KW_DPI=$dpi KW_DESKTOP=$screen
fi
# The gallery speaks for itself: Wine stays quiet.
export WINEDEBUG="${WINEDEBUG:--all}"
"$here/tools/wine-prefix.sh" x11
bin="$1/bin"
mkdir -p "$out/dark"
cd "$bin"
xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
    . "'"$here"'/tools/wine-session.sh"
    wine kwgallery.exe "$(winepath -w "'"$out"'")" &&
    wine kwgallery.exe "$(winepath -w "'"$out"'/dark")" /dark'
echo "gallery: $out"
