#!/bin/sh
# Makes sure the machine can build and run KwUi: Debian packages, then the Wine prefix.
# As root it installs what is missing; otherwise it prints the one line that would.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
packages="g++ g++-multilib clang libclang-rt-dev make cmake ninja-build ccache googletest libgtest-dev mingw-w64 wine wine64 xvfb xauth fonts-wine fonts-liberation"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" = 0 ]; then
        echo "setup: installing$missing"
        apt-get update -q >/dev/null
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing >/dev/null
    else
        echo "setup: missing packages. Run as root:"
        echo "  apt-get update && apt-get install -y$missing"
        exit 1
    fi
fi
"$here/tools/wine-prefix.sh"
