#!/usr/bin/env bash
# Installs the Debian packages this project needs, only those that are missing.
# Usage: tools/deps.sh build|test|run|fuzz
set -euo pipefail

build=(cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
       qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-wqy-microhei)
# The printed report's "Times New Roman" falls back to this metric-compatible face.
build+=(fonts-liberation2)
test_extra=(xvfb xauth poppler-utils)
run_extra=(xvfb xauth)
# The fuzz build: clang with its sanitizer and libFuzzer runtimes (Debian 12 has clang 14).
fuzz_extra=(clang libclang-rt-14-dev)

wanted=("${build[@]}")
case "${1:-build}" in
    test) wanted+=("${test_extra[@]}") ;;
    run) wanted+=("${run_extra[@]}") ;;
    fuzz) wanted+=("${fuzz_extra[@]}") ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
