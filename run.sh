#!/usr/bin/env bash
# Installs what is missing, builds, and starts XR-970 Programmer.
# Arguments are passed to the program (for example --demo or a .dat file).
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
# The two programs and what they need; ./test.sh builds the tests and benchmarks too.
cmake --build build -j2 --target programs
if [ -x build/xr970 ]; then
    exec build/xr970 "$@"
fi
exec build/xr970-cli --help
