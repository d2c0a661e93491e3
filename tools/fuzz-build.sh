#!/bin/bash
# Configures and builds every libFuzzer target in <dir>: the portable code natively with clang,
# coverage for the fuzzer and the sanitizers on.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$here/build/fuzz}
cmake -S "$here" -B "$dir" --no-warn-unused-cli -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKW_SANITIZE=ON -DKW_FUZZ=ON -DKW_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target fuzz_all
