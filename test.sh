#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build with all tests,
# each libFuzzer target for 30 seconds (clang build in build-fuzz/), then the Widgets-free
# core under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh test

# Release builds in CI fail on any warning.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)

fuzz/run.sh 30

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DXR_WITH_GUI=OFF -DXR_SANITIZE=ON >/dev/null
cmake --build build-asan -j2
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)
