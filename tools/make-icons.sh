#!/usr/bin/env bash
# Renders the menu icon at every size the package installs from its SVG sources in
# resources/install/icons: xr970-16.svg and xr970-24.svg are drawn on their own pixel
# grids (the full picture turns to mush there), xr970.svg for 32 px and up.
# Needs rsvg-convert (librsvg2-bin). The PNGs are committed; run this after editing an SVG.
set -euo pipefail
cd "$(dirname "$0")/../resources/install/icons"
for size in 16 24; do
    rsvg-convert -w "$size" -h "$size" "xr970-$size.svg" -o "xr970-$size.png"
done
for size in 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" xr970.svg -o "xr970-$size.png"
done
