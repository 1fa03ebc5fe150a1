#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each one for SECONDS seconds
# on a scratch copy of its seed corpus in fuzz/corpus/<target>, so the committed corpus
# never grows. Exits non-zero when any target crashed, leaked or broke one of its checks;
# the input that did it is kept as build-fuzz/fuzz-work/<target>/crash-* (re-run it with
# build-fuzz/fuzz/fuzz_<target> FILE).
# Usage: fuzz/run.sh [SECONDS]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
tools/deps.sh fuzz

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DXR_FUZZ=ON -DXR_WITH_GUI=OFF >/dev/null
cmake --build build-fuzz -j2 --target xr970_fuzzers

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The Program.ini target saves a file for every input: keep those writes in memory.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
failed=()
for seeds in fuzz/corpus/*/; do
    name=$(basename "$seeds")
    work=build-fuzz/fuzz-work/$name
    rm -rf "$work"
    mkdir -p "$work/corpus"
    cp "$seeds"* "$work/corpus/"
    if build-fuzz/fuzz/fuzz_"$name" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$work/" "$work/corpus" >"$work/log" 2>&1; then
        runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$work/log")
        echo "fuzz_$name: ${seconds} s, ${runs:-?} inputs, no finding"
    else
        failed+=("$name")
        tail -n 40 "$work/log"
        echo "fuzz_$name: FOUND A FAULT, see $work/log and the input saved beside it"
    fi
done
[ ${#failed[@]} -eq 0 ] || { echo "Fuzzing found faults in: ${failed[*]}"; exit 1; }
