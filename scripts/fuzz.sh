#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 20) from the committed seed corpus. Fails on any
# crash, sanitizer report or broken property.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

seconds=${FUZZ_SECONDS:-20}
build_tree build-fuzz -DMIXORA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -- fuzz_entry fuzz_format fuzz_estimate

make_work_dir
total=0
for target in entry format estimate; do
    mkdir -p "$work/$target"
    log="$work/$target.log"
    if ! build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$work/" "$work/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target failed"
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: $runs inputs in ${seconds}s, no failure"
    total=$((total + runs))
done
echo "fuzzing: $total inputs in all"
