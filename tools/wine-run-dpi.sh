#!/bin/sh
# Runs Windows test programs, one after the other, on a screen of another DPI: in a Wine prefix of
# this checkout (build/wine-dpi<dpi>) whose "LogPixels" is that DPI, made the first time (about as
# long as the main prefix). Each program runs the tests the filter names; the prefix's server is
# stopped at the end, so nothing holds the caller's output open.
# Usage: wine-run-dpi.sh <dpi> <gtest filter> <program>...
here=$(cd "$(dirname "$0")/.." && pwd)
dpi=$1 filter=$2
shift 2
export KW_WINEPREFIX="$here/build/wine-dpi$dpi"
KW_DPI=$dpi "$here/tools/wine-prefix.sh" || exit
status=0
for program in "$@"; do
    "$here/tools/wine-run.sh" "$program" --gtest_brief=1 "--gtest_filter=$filter" || status=1
done
WINEPREFIX="$KW_WINEPREFIX" wineserver -k </dev/null >/dev/null 2>&1
exit $status
