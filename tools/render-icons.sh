#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the PNG sizes of the program's icon from its SVG. The PNGs are kept
# in the repository, so building needs no SVG renderer; run this after editing
# the SVG (needs rsvg-convert and optipng, Debian packages librsvg2-bin and
# optipng). optipng packs them smaller without changing a pixel; the site
# carries three of them.
set -euo pipefail
cd "$(dirname "$0")/../packaging"
# 192 and 512 are the browser version's install icons.
for size in 16 24 32 48 64 128 192 256 512; do
  mkdir -p "icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" wave-synthesis.svg -o "icons/${size}x${size}/wave-synthesis.png"
  optipng -quiet -o7 -strip all "icons/${size}x${size}/wave-synthesis.png"
done
