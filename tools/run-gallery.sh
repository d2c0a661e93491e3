#!/bin/bash
# Runs the gallery of a Windows build in a virtual X display (so window frames paint), once in
# the classic look and once in the dark one (into dark/), and names the folder its pictures went to.
# Usage: run-gallery.sh <windows-build-dir>
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
export KW_WINEPREFIX="${KW_GALLERY_PREFIX:-$here/build/wine-gallery}"
# The gallery speaks for itself: Wine stays quiet.
export WINEDEBUG="${WINEDEBUG:--all}"
"$here/tools/wine-prefix.sh" x11
bin="$1/bin"
out="$(cd "$1" && pwd)/gallery"
mkdir -p "$out/dark"
cd "$bin"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    . "'"$here"'/tools/wine-session.sh"
    wine kwgallery.exe "$(winepath -w "'"$out"'")" &&
    wine kwgallery.exe "$(winepath -w "'"$out"'/dark")" /dark'
echo "gallery: $out"
