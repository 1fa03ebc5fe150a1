#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each one for SECONDS seconds
# on one core, on a scratch copy of its seed corpus in fuzz/corpus/<target>, so the
# committed corpus never grows. Exits non-zero when any target crashed, leaked or broke one
# of its checks; the input that did it is kept as build-fuzz/fuzz-work/<target>/crash-*
# (re-run it with build-fuzz/fuzz/fuzz_<target> FILE). Ends with each target's inputs run,
# inputs per second and coverage (edges, features).
# Usage: fuzz/run.sh [SECONDS]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
tools/deps.sh fuzz

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DXR_FUZZ=ON -DXR_WITH_GUI=OFF >/dev/null
cmake --build build-fuzz -j2 --target xr970_fuzzers

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# A smaller quarantine than the default 256 MB: a freed block is still caught when used
# soon after, and a 30 s run does not spend its time faulting in fresh pages.
export ASAN_OPTIONS=quarantine_size_mb=32
# The longest input worth trying: a channel-data file is 1040 bytes, the rest fit in 4 KiB.
max_len() { case "$1" in channelfile) echo 1100 ;; *) echo 4096 ;; esac; }
failed=()
figures=()
for seeds in fuzz/corpus/*/; do
    name=$(basename "$seeds")
    work=build-fuzz/fuzz-work/$name
    rm -rf "$work"
    mkdir -p "$work/corpus"
    cp "$seeds"* "$work/corpus/"
    if build-fuzz/fuzz/fuzz_"$name" -max_total_time="$seconds" -max_len="$(max_len "$name")" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" >"$work/log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
        rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
        coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/log" | tail -n 1)
        figures+=("$(printf '%-18s %10s %8s   %s' "fuzz_$name" "${runs:-?}" "${rate:-?}" "${coverage:-?}")")
    else
        failed+=("$name")
        tail -n 40 "$work/log"
        echo "fuzz_$name: FOUND A FAULT, see $work/log and the input saved beside it"
    fi
done
echo "Fuzzing, ${seconds} s per target:"
printf '%-18s %10s %8s   %s\n' target inputs "inputs/s" coverage
printf '%s\n' "${figures[@]}"
[ ${#failed[@]} -eq 0 ] || { echo "Fuzzing found faults in: ${failed[*]}"; exit 1; }
