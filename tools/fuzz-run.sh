#!/bin/bash
# Runs one libFuzzer target over its seed corpus (<folder>/corpus, with <folder>/<name>.dict)
# and new inputs. The repository's corpus is only read: new inputs go to <work>/found and
# findings to <work>/artifacts.
#   fuzz-run.sh check <runs> <program> <folder> <work>: a fixed seed and a fixed number of new
#       inputs, so that the test run is repeatable; fails on any finding.
#   fuzz-run.sh time <seconds> <program> <folder> <work>: as long as given, keeping what it finds
#       in <work>/found for the next run; prints the executions and coverage reached.
set -u
mode=$1 amount=$2 program=$3 folder=$4 work=$5
name=$(basename "$folder")
mkdir -p "$work/found" "$work/artifacts"
options=(-rss_limit_mb=512 -malloc_limit_mb=64 -timeout=10 -artifact_prefix="$work/artifacts/"
    -print_final_stats=1)
[ -f "$folder/$name.dict" ] && options+=(-dict="$folder/$name.dict")
if [ "$mode" = check ]; then
    rm -rf "$work/found" && mkdir -p "$work/found"
    seeds=$(find "$folder/corpus" -type f | wc -l)
    # libFuzzer counts the seeds' runs too.
    options+=(-seed=1 -runs=$((amount + seeds)))
else
    options+=(-max_total_time="$amount")
fi
"$program" "${options[@]}" "$work/found" "$folder/corpus" >"$work/log" 2>&1
status=$?
[ "$mode" = time ] && echo "$(date -u '+%F %T') seconds=$amount status=$status $(grep -E "^#[0-9]+[[:space:]]+DONE" "$work/log" | tail -1)" >>"$work/ledger"
grep -E "^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|peak_rss_mb)" "$work/log"
if [ $status -ne 0 ]; then
    tail -40 "$work/log"
    echo "fuzz: $name found a fault; the input is in $work/artifacts"
fi
exit $status
