#!/bin/bash
# Builds the libFuzzer targets natively with clang and the sanitizers (build/fuzz), then runs
# each for the given seconds (default 300) over its corpus in tests/fuzz/<target>/corpus and what
# earlier runs found (build/fuzz/fuzz-time/<target>/found), printing executions and coverage;
# each run adds a line to build/fuzz/fuzz-time/<target>/ledger, the target's fuzzing so far.
# Usage: fuzz.sh [seconds] [target...]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-300}
shift || true
targets=${*:-$(cd "$here/tests/fuzz" && for f in */*_fuzz.cpp; do dirname "$f"; done)}
"$here/tools/fuzz-build.sh" "$here/build/fuzz"
status=0
for target in $targets; do
    echo "== fuzz_$target for $seconds s"
    "$here/tools/fuzz-run.sh" time "$seconds" "$here/build/fuzz/bin/fuzz_$target" \
        "$here/tests/fuzz/$target" "$here/build/fuzz/fuzz-time/$target" || status=1
done
exit $status
