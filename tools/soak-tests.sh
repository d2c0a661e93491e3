#!/bin/bash
# Runs the whole suite (`make test`) again and again on a fresh clone of the current commit, each
# run in a Wine prefix of its own made from nothing, with no retry: a test that fails once in ten
# runs fails here. Stops at the first failed run and says which run and which tests failed; a
# line per run says how it went and how long it took. Changes not committed are not part of it.
# Usage: soak-tests.sh [<runs> (10)] [<make target> (test)]
set -u
runs=${1:-10}
target=${2:-test}
here=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$here" rev-parse HEAD) || exit 1
case "$runs" in '' | *[!0-9]*) echo "soak-tests: the number of runs is a whole number, not \"$runs\"" >&2; exit 2 ;; esac

# The clone lives under the checkout's build folder: the compiler cache shares objects between
# checkouts of the same tree only, so a clone elsewhere would compile everything anew.
mkdir -p "$here/build"
clone=$(mktemp -d "$here/build/soak-tests.XXXXXX") || exit 1
logs="$here/build/soak-tests-logs"
rm -rf "$logs"
mkdir -p "$logs"
cleanup() {
    # A Wine server left running by a failed run would hold the clone's files.
    for prefix in "$clone"/build/wine*; do
        [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
    done
    rm -rf "$clone"
}
trap cleanup EXIT
git clone -q --no-checkout "$here" "$clone" && git -C "$clone" checkout -q --detach "$commit" || exit 1
echo "soak-tests: $runs runs of 'make $target' on $(git -C "$here" log -1 --format='%h %s' "$commit")"

for run in $(seq 1 "$runs"); do
    # A fresh prefix: nothing an earlier run left in Wine's registry, files or settings.
    for prefix in "$clone"/build/wine*; do
        [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
        rm -rf "$prefix"
    done
    log="$logs/run-$run.log"
    started=$(date +%s)
    make -C "$clone" "$target" >"$log" 2>&1
    status=$?
    minutes=$(awk -v s=$(( $(date +%s) - started )) 'BEGIN { printf "%.1f", s / 60 }')
    if [ $status -eq 0 ]; then
        printf 'run %d: passed in %s min\n' "$run" "$minutes"
        continue
    fi
    printf 'run %d: FAILED in %s min (log: %s)\n' "$run" "$minutes" "$log"
    # ctest's list of failed tests, else the end of the log (a build or set-up that failed).
    failed=$(sed -E 's/^\[[0-9]+\] //' "$log" | awk '/The following tests FAILED:/ { list = 1; next } list && /^[[:space:]]+[0-9]+ - / { print; next } { list = 0 }')
    if [ -n "$failed" ]; then
        echo "run $run: failed tests:"
        echo "$failed"
    else
        echo "run $run: no test reported a failure; the end of its log:"
        tail -n 20 "$log"
    fi
    exit 1
done
echo "soak-tests: $runs runs in a row passed"
