#!/bin/bash
# Runs every test: the Windows build under Wine, then the native builds. Within one Wine session
# the tests run one at a time (the clipboard, focus and cursor are shared by its programs), so the
# Windows tests are dealt out to KW_TEST_SHARDS sessions (default: one per core), each in a Wine
# prefix of its own, running side by side.
# Usage: run-tests.sh <windows-build-dir> <native-build-dir>...
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
shards=${KW_TEST_SHARDS:-$(nproc)}
default_prefix="${KW_WINEPREFIX:-$here/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all,err+all}"

prefix_of() { # the prefix of shard $1
    if [ "$1" = 1 ]; then echo "$default_prefix"; else echo "$default_prefix-shard$1"; fi
}
stop_wine() {
    for s in $(seq 1 "$shards"); do WINEPREFIX=$(prefix_of "$s") wineserver -k </dev/null >/dev/null 2>&1; done
    true
}
trap stop_wine EXIT
for s in $(seq 2 "$shards"); do
    KW_WINEPREFIX=$(prefix_of "$s") "$here/tools/wine-prefix.sh" &
done
wait
# Each session's server starts here, detached from the tests' output (wine-run.sh starts it).
for s in $(seq 1 "$shards"); do KW_WINEPREFIX=$(prefix_of "$s") "$here/tools/wine-run.sh" cmd /c exit </dev/null >/dev/null 2>&1; done
export KW_WINEPREFIX="$default_prefix"

status=0
# Every build writes its parity archives before any build checks them against the others'.
for dir in "$@"; do
    ctest --test-dir "$dir" -R '^parity\.write$' >/dev/null || status=1
done
for dir in "$@"; do
    echo "== tests in $dir"
    if [ -f "$dir/bin/kwui.dll" ] && [ "$shards" -gt 1 ]; then
        for s in $(seq 1 "$shards"); do
            KW_WINEPREFIX=$(prefix_of "$s") ctest --test-dir "$dir" --output-on-failure -E '^parity\.write$' \
                -I "$s,,$shards" >"$dir/shard$s.log" 2>&1 &
        done
        for s in $(seq 1 "$shards"); do wait -n || status=1; done
        for s in $(seq 1 "$shards"); do
            grep -vE "^ *(Start +[0-9]+:|[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed )" "$dir/shard$s.log" | sed "s/^/[$s] /"
        done
    else
        # Native programs share nothing: they run one per core.
        jobs=1; [ -f "$dir/bin/kwui.dll" ] || jobs=$(nproc)
        ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
    fi
done
exit $status
