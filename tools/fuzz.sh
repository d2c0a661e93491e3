#!/bin/bash
# Builds the libFuzzer targets natively with clang and the sanitizers (build/fuzz), then runs
# each over its corpus in tests/fuzz/<target>/corpus for the given seconds (default 60).
# New inputs found go to build/fuzz/corpus/<target>, so the repository's corpus stays as it is.
# Usage: fuzz.sh [seconds] [target...]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=${*:-image_record html_page struct_model}
cmake -S "$here" -B "$here/build/fuzz" --no-warn-unused-cli -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKW_SANITIZE=ON -DKW_FUZZ=ON -DKW_TESTS=OFF >/dev/null
for target in $targets; do
    cmake --build "$here/build/fuzz" -j2 --target "fuzz_$target"
    found="$here/build/fuzz/corpus/$target"
    mkdir -p "$found"
    "$here/build/fuzz/bin/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=512 -malloc_limit_mb=64 \
        "$found" "$here/tests/fuzz/$target/corpus"
done
