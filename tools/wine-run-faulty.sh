#!/bin/bash
# Runs a Windows test program through wine-run.sh on a disk that fails, as a user's may:
# - no file may grow past KW_FILE_LIMIT bytes: a write past it fails as on a full disk (the
#   process's file-size limit; Wine reports the failed write as a device error);
# - KW_LOCKED_FOLDER names a folder where no file can be created (its mode allows no writing,
#   which stops every user but the superuser).
# Nothing here needs the superuser. The Wine server starts first, outside the limit, since it
# writes the prefix's registry.
# Usage: wine-run-faulty.sh <program> <arguments>...
here=$(cd "$(dirname "$0")" && pwd)
"$here/wine-run.sh" cmd /c exit || exit
locked=$(mktemp -d)
chmod a-w "$locked"
trap 'chmod u+w "$locked"; rmdir "$locked"' EXIT
export KW_FILE_LIMIT=$((64 * 1024)) KW_LOCKED_FOLDER="Z:${locked//\//\\}"
(
    trap '' XFSZ
    ulimit -f $((KW_FILE_LIMIT / 1024))
    exec "$here/wine-run.sh" "$@"
)
