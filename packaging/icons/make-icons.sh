#!/usr/bin/env bash
# Renders the program's icon com.kavro.tspx.svg (drawn by hand) into the PNG
# sizes the desktop wants, beside this script. The PNGs are committed; run this
# again only after changing the SVG. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 256; do
    rsvg-convert --width "$size" --height "$size" --format png com.kavro.tspx.svg \
        --output "com.kavro.tspx-$size.png"
done
ls -l ./*.png
