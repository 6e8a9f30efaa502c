#!/usr/bin/env bash
# Draws the panel's pictures into resources/images/. Run it by hand after
# changing a picture and commit its output; the build only compiles the PNGs.
# Needs ImageMagick 6 (`convert`) and the URW Gothic font (fonts-urw-base35).
#
# One look for everything: the panel's dark gray rgb(68, 69, 73), its orange
# accent rgb(245, 130, 32) and light grays on white. Decorations are built of
# square "cabinets"; arrows are drawn pixel by pixel on the grid of the button
# that shows them, then enlarged, so the style sheet's smooth downscaling
# gives them back crisp.
set -euo pipefail

cd "$(dirname "$0")/images"

GRAY='rgb(68,69,73)'
ORANGE='rgb(245,130,32)'
MID='rgb(159,159,160)'
LIGHT1='rgb(244,244,245)'
LIGHT2='rgb(234,234,236)'
LIGHT3='rgb(220,220,222)'
PALE_ORANGE='rgb(252,222,196)'

# Palette PNG, binary transparency, no metadata: the pictures are flat colour
# and always shown scaled down, so an 8-bit palette loses nothing.
save() {
    convert "$1" -strip -define png:exclude-chunks=date,time PNG8:"$2"
    rm -f "$1"
}

# pixel_art OUT WIDTH HEIGHT GRID_W GRID_H COLOUR "x,y,w,h ..."
# Fills grid cells (x, y, w, h in cells of a GRID_W x GRID_H grid) of a
# transparent WIDTH x HEIGHT picture.
pixel_art() {
    local out=$1 width=$2 height=$3 gw=$4 gh=$5 colour=$6 cells=$7 draw="" cell
    for cell in $cells; do
        IFS=, read -r x y w h <<<"$cell"
        local x0=$(( x * width / gw )) y0=$(( y * height / gh ))
        local x1=$(( (x + w) * width / gw - 1 )) y1=$(( (y + h) * height / gh - 1 ))
        draw+="rectangle $x0,$y0 $x1,$y1 "
    done
    convert -size "${width}x${height}" xc:none +antialias -fill "$colour" -draw "$draw" tmp.png
    save tmp.png "$out"
}

# Triangles as columns or rows of cells, narrowing by one cell on each side.
# triangle_right X Y LENGTH: tip pointing right, back column at X from row Y.
triangle_right() {
    local x=$1 y=$2 n=$3 i out=""
    for (( i = 0; i < n; i++ )); do out+="$(( x + i )),$(( y + i )),1,$(( 2 * (n - i) - 1 )) "; done
    echo "$out"
}
triangle_left() {
    local x=$1 y=$2 n=$3 i out=""
    for (( i = 0; i < n; i++ )); do out+="$(( x - i )),$(( y + i )),1,$(( 2 * (n - i) - 1 )) "; done
    echo "$out"
}
triangle_down() {
    local x=$1 y=$2 n=$3 i out=""
    for (( i = 0; i < n; i++ )); do out+="$(( x + i )),$(( y + i )),$(( 2 * (n - i) - 1 )),1 "; done
    echo "$out"
}
triangle_up() {
    local x=$1 y=$2 n=$3 i out=""
    for (( i = 0; i < n; i++ )); do out+="$(( x + i )),$(( y - i )),$(( 2 * (n - i) - 1 )),1 "; done
    echo "$out"
}

# Spin-box buttons are 13 x 14 pixels: the normal pictures show at 13 x 13,
# the hovered ones at 13 x 12 (down) and 14 x 13 (up). Gray at rest, orange
# under the mouse; down points left, up points right, as the buttons sit.
pixel_art spin-down.png 33 33 13 13 "$GRAY" "$(triangle_left 7 3 4)"
pixel_art spin-down-hover.png 33 31 13 12 "$ORANGE" "$(triangle_left 7 2 4)"
pixel_art spin-up.png 33 33 13 13 "$GRAY" "$(triangle_right 5 3 4)"
pixel_art spin-up-hover.png 33 31 14 13 "$ORANGE" "$(triangle_right 5 3 4)"

# Scroll-bar arrow buttons are 20 pixels long on a 15 pixel bar: the
# pictures show at 15 x 15.
pixel_art scroll-right.png 200 200 15 15 "$GRAY" "$(triangle_right 6 4 4)"
pixel_art scroll-left.png 200 200 15 15 "$GRAY" "$(triangle_left 8 4 4)"
pixel_art scroll-down.png 200 202 15 15 "$GRAY" "$(triangle_down 4 6 4)"
pixel_art scroll-up.png 200 202 15 15 "$GRAY" "$(triangle_up 4 8 4)"

# The page list's drop-down arrow. Its style sheet gives it no size, so it is
# drawn unscaled, centred on the 20 pixel drop-down button: a small triangle
# in the middle of a transparent canvas.
pixel_art combo-down.png 128 128 128 128 "$GRAY" "$(triangle_down 59 62 5)"

# cabinets COLS ROWS X0 Y0 PITCH_X PITCH_Y SIDE COLOUR-FUNCTION
# Prints the drawing commands for a grid of square cabinets; the function
# maps column and row to a colour (or "none" to leave the cell empty).
cabinets() {
    local cols=$1 rows=$2 x0=$3 y0=$4 pitch_x=$5 pitch_y=$6 side=$7 colour_of=$8 draw="" c r colour
    for (( r = 0; r < rows; r++ )); do
        for (( c = 0; c < cols; c++ )); do
            colour=$($colour_of "$c" "$r")
            [ "$colour" = none ] && continue
            local x=$(( x0 + c * pitch_x )) y=$(( y0 + r * pitch_y ))
            draw+="fill $colour rectangle $x,$y $(( x + side - 1 )),$(( y + side - 1 )) "
        done
    done
    echo "$draw"
}

# The main page's emblem, beside "MENU": four cabinets, one lit. The label
# reaches 10 pixels past the page's left edge, so the left part of the
# picture is never seen and the cabinets sit right of it, clear of the top.
emblem_colour() {
    if [ "$1" -eq 1 ] && [ "$2" -eq 0 ]; then echo "$ORANGE"; else echo "$GRAY"; fi
}
convert -size 2362x2069 xc:none +antialias \
    -draw "$(cabinets 2 2 822 294 800 800 680 emblem_colour)" tmp.png
save tmp.png emblem.png

# The extension area's background, behind the placement controls: a very
# faint wall so the labels and sliders stay easy to read.
extension_colour() {
    if [ $(( ($1 + $2) % 3 )) -eq 0 ]; then echo "$LIGHT2"; else echo "$LIGHT1"; fi
}
convert -size 2444x2122 xc:none +antialias \
    -draw "$(cabinets 8 7 20 20 305 300 265 extension_colour)" tmp.png
save tmp.png extension.png

# The heading icon, shown at 16 x 16: four cabinets, one of them orange.
heading_colour() {
    if [ "$1" -eq 0 ] && [ "$2" -eq 0 ]; then echo "$ORANGE"; else echo "$GRAY"; fi
}
convert -size 38x38 xc:none +antialias \
    -draw "$(cabinets 2 2 5 5 14 14 12 heading_colour)" tmp.png
save tmp.png heading.png

# The tabs' side picture: a pale column of cabinets that darkens downwards,
# with one warm cabinet.
side_colour() {
    if [ "$1" -eq 2 ] && [ "$2" -eq 1 ]; then echo "$PALE_ORANGE"
    elif [ "$2" -eq 0 ]; then [ "$1" -eq 2 ] && echo "$LIGHT1" || echo none
    elif [ "$2" -eq 1 ]; then [ "$1" -ge 1 ] && echo "$LIGHT1" || echo none
    elif [ "$2" -eq 2 ]; then echo "$LIGHT2"
    else echo "$LIGHT3"; fi
}
convert -size 505x719 xc:none +antialias \
    -draw "$(cabinets 3 4 14 40 168 168 140 side_colour)" tmp.png
save tmp.png side.png

# The main page's corner: a staircase of pale cabinets rising from the
# bottom left, under the menu buttons, so kept pale.
corner_colour() {
    local depth=$(( $2 - $1 ))
    if [ "$depth" -lt 0 ]; then echo none
    elif [ "$depth" -ge 3 ]; then echo "$LIGHT2"
    else local level=$(( 248 - 3 * depth )); echo "rgb($level,$level,$(( level + 1 )))"; fi
}
convert -size 974x974 xc:none +antialias \
    -draw "$(cabinets 6 6 12 12 162 162 138 corner_colour)" tmp.png
save tmp.png corner.png

# The logo: "walltest", the wall in gray and the test in orange, in the
# geometric sans that the panel's own Century Gothic text is set in.
convert -background none -font URW-Gothic-Demi -pointsize 200 \
    -fill "$GRAY" label:wall -fill "$ORANGE" label:test +append -trim +repage \
    -resize 560x170 -gravity center -extent 586x234 tmp.png
save tmp.png logo.png

# The start page's second picture, between the logo and the page list: a
# low wall of cabinets with one lit, kept in the upper part because the page
# list covers its bottom edge.
start_colour() {
    if [ "$1" -eq 3 ] && [ "$2" -eq 0 ]; then echo "$ORANGE"
    elif [ "$2" -eq 0 ]; then echo "$MID"
    else echo "$LIGHT3"; fi
}
convert -size 709x337 xc:none +antialias \
    -draw "$(cabinets 6 2 10 20 118 118 100 start_colour)" tmp.png
save tmp.png startpage.png
