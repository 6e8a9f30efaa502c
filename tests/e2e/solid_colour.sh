# End to end: the operator starts, picks red, dims it to gray value 200 by
# typing into the gray value box, then loads the common colour bars; the
# test-pattern window's pixels follow.
# Usage: bash solid_colour.sh <path-to-walltest> <artifact-dir>
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}
mkdir -p "$artifacts"

start_xvfb
start_walltest "$binary" "$artifacts/solid_colour.log"

panel_places

# expect_pixel X Y "R G B" WHAT: waits up to 5 s for the screen pixel.
expect_pixel() {
    local got
    for _ in $(seq 1 50); do
        got=$(pixel "$1" "$2")
        [ "$got" = "$3" ] && return 0
        sleep 0.1
    done
    screenshot "$artifacts/solid_colour-fail.png"
    fail "$4: pixel at $1,$2 is ($got), expected ($3)"
}

# "START" on the start page: main page, test-pattern window at 0,0 500 x 500.
click_at $((page_x + 260)) $((page_y + 200)) 71 21
for _ in $(seq 1 50); do
    xwininfo -root -tree | grep -q ' 500x500+0+0 ' && break
    sleep 0.1
done
xwininfo -root -tree | grep -q ' 500x500+0+0 ' || fail "no test-pattern window at 0,0 500 x 500"

# Tab 1 is current: the swatch at 120,60 shows red.
click_at $((tab_x + 120)) $((tab_y + 60)) 16 16
expect_pixel 50 450 "255 0 0" "red swatch"

# The gray value box: select its text and type 200 (offset 55).
click_at $((tab_x + 230)) $((tab_y + 150)) 51 16
xdotool key ctrl+a
xdotool type --delay 50 200
sleep 0.3
screenshot "$artifacts/solid_colour-red200.png"
for point in "50 450" "450 50" "10 10" "490 490"; do
    expect_pixel $point "200 0 0" "red at gray value 200"
done

# Menu button "色度" (16,105 on the main page), then "常用色度条" on tab 2.
click_at $((page_x + 16)) $((page_y + 105)) 91 21
click_at $((tab_x + 350)) $((tab_y + 140)) 81 23
sleep 0.3
screenshot "$artifacts/solid_colour-bars.png"

# Seven bars over the 500-pixel width: each 72 pixels wide (rounded up),
# red, green, blue, white, cyan, magenta, yellow; bars are not dimmed.
colours=("255 0 0" "0 255 0" "0 0 255" "255 255 255" "0 255 255" "255 0 255" "255 255 0")
for i in 0 1 2 3 4 5 6; do
    x=$((i * 72 + 30))
    expect_pixel "$x" 450 "${colours[$i]}" "colour bar $i"
    expect_pixel "$x" 20 "${colours[$i]}" "colour bar $i (top)"
done

echo "PASS: solid colour, gray value and colour bars"
