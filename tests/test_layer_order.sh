#!/usr/bin/env bash
# The layer-order check passes on the tree as it is and fails on a copy with an include
# that points up (model including app).
set -euo pipefail
src=$1
check() { cmake -DXR_SOURCE_DIR="$1" -P "$src/cmake/XrLayerOrder.cmake"; }
check "$src"
planted=$(mktemp -d)
trap 'rm -rf "$planted"' EXIT
cp -r "$src/src" "$src/docs" "$planted/"
echo '#include "app/MainWindow.h"' >> "$planted/src/model/RadioImage.h"
if out=$(check "$planted" 2>&1); then
    echo "an upward include was not caught" >&2
    exit 1
fi
grep -q 'src/model/RadioImage.h (layer model) includes app' <<<"$out"
