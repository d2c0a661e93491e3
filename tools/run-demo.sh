#!/bin/bash
# Builds nothing: runs the gallery of a Windows build and names where its pictures went.
# Usage: run-demo.sh <windows-build-dir>
set -eu
. "$(dirname "$0")/wine-session.sh"
bin="$1/bin"
out="$1/gallery"
mkdir -p "$out"
(cd "$bin" && wine kwdemo.exe "$(winepath -w "$out" 2>/dev/null)")
echo "gallery: $out"
