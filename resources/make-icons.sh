#!/usr/bin/env bash
# Draws the application icon into resources/icons/: the scalable SVG and the
# PNG sizes of the hicolor theme. Run it by hand after changing the icon and
# commit its output; the install only copies the files.
# Needs ImageMagick 6 (`convert`).
#
# The icon is a wall of nine cabinets on the panel's dark gray: the three
# primaries, white, the panel's orange accent and cyan, and three gray levels.
# One list of squares feeds both the SVG and the PNGs, so they agree.
set -euo pipefail

cd "$(dirname "$0")/icons"

ID=org.walltest.walltest
GRID=64                      # the drawing's units; the SVG's view box
BACK='#444549'               # rgb(68, 69, 73)

# x y size colour, in drawing units.
cells=(
    "10 10 13 #ff0000" "25 10 13 #00ff00" "40 10 13 #0000ff"
    "10 25 13 #ffffff" "25 25 13 #f58220" "40 25 13 #00ffff"
    "10 40 13 #d0d0d0" "25 40 13 #909090" "40 40 13 #505050"
)

svg() {
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"$GRID\" height=\"$GRID\" viewBox=\"0 0 $GRID $GRID\">"
    echo "  <rect x=\"4\" y=\"4\" width=\"56\" height=\"56\" rx=\"8\" fill=\"$BACK\"/>"
    for cell in "${cells[@]}"; do
        read -r x y size colour <<<"$cell"
        echo "  <rect x=\"$x\" y=\"$y\" width=\"$size\" height=\"$size\" rx=\"1\" fill=\"$colour\"/>"
    done
    echo '</svg>'
}

# The same squares drawn 16 times larger, then scaled down to each size.
big_png() {
    local scale=16 draw="fill $BACK roundrectangle 64,64 959,959 128,128"
    for cell in "${cells[@]}"; do
        read -r x y size colour <<<"$cell"
        draw+=" fill $colour roundrectangle $((x * scale)),$((y * scale)) $(((x + size) * scale - 1)),$(((y + size) * scale - 1)) 16,16"
    done
    convert -size $((GRID * scale))x$((GRID * scale)) xc:none -draw "$draw" "$1"
}

svg >"$ID.svg"
big_png big.png
for size in 16 24 32 48 64 128 256; do
    convert big.png -filter Lanczos -resize "${size}x${size}" -depth 8 -strip \
        -define png:exclude-chunks=date,time "$ID-$size.png"
done
rm -f big.png
ls -l
