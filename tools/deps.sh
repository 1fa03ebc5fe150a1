#!/usr/bin/env bash
# Installs the Debian packages this project needs, only those that are missing: as root
# directly, otherwise through sudo. Without either it prints the command to run as root
# and fails.
# Usage: tools/deps.sh build|test|run|fuzz
set -euo pipefail

build=(cmake g++ make pkg-config qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
       qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-wqy-microhei)
# The printed report's "Times New Roman" falls back to this metric-compatible face.
build+=(fonts-liberation2)
test_extra=(xvfb xauth poppler-utils)
# The package and desktop-integration checks: building the .deb, its lint, the menu entry,
# the AppStream data, the file type, the udev rule and the manual pages.
test_extra+=(dpkg-dev lintian desktop-file-utils appstream shared-mime-info udev man-db)
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

install=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
    as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null 2>&1; then
    # sudo resets the environment; env carries the non-interactive setting through.
    as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
    echo "tools/deps.sh: missing Debian packages: ${missing[*]}" >&2
    echo "Neither root nor sudo is available to install them; as root, run:" >&2
    echo "  apt-get update && ${install[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" "${install[@]}"
