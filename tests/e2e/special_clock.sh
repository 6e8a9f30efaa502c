# End to end: the operator starts, opens the special tab and picks the
# full-screen clock, whose digits run in the middle of the test-pattern window
# while its corners stay black; then opens the scan tab and ticks the
# horizontal lines, which stripe the window.
# Usage: bash special_clock.sh <path-to-walltest> <artifact-dir>
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}
mkdir -p "$artifacts"

start_xvfb
start_walltest "$binary" "$artifacts/special_clock.log"

panel_places

# crop X Y W H FILE: one region of the screen as PNG.
crop() {
    import -window root -crop "${3}x${4}+${1}+${2}" +repage "$5"
}

# count_colour X Y W H R,G,B: how many pixels of a screen region have that colour.
count_colour() {
    import -window root -crop "${3}x${4}+${1}+${2}" -depth 8 txt:- 2>/dev/null |
        grep -c "(${5})"
}

# "START" on the start page: main page, test-pattern window at 0,0 500 x 500.
click_at $((page_x + 260)) $((page_y + 200)) 71 21
for _ in $(seq 1 50); do
    xwininfo -root -tree | grep -q ' 500x500+0+0 ' && break
    sleep 0.1
done
xwininfo -root -tree | grep -q ' 500x500+0+0 ' || fail "no test-pattern window at 0,0 500 x 500"

# Menu button "特殊" (16,265 on the main page), then "大屏" at 40,50 on tab 6.
click_at $((page_x + 16)) $((page_y + 265)) 91 21
click_at $((tab_x + 40)) $((tab_y + 50)) 81 61
sleep 0.5
screenshot "$artifacts/special_clock-panel.png"

# The clock's digits fill the middle band of the window; the information
# text sits lower, below the digits.
crop 60 200 380 80 "$artifacts/special_clock-centre1.png"
sleep 0.5
crop 60 200 380 80 "$artifacts/special_clock-centre2.png"
screenshot "$artifacts/special_clock-clock.png"
[ "$(count_colour 60 200 380 80 255,255,255)" -gt 0 ] || fail "no white clock digits in the window's centre"
difference=$(compare -metric AE "$artifacts/special_clock-centre1.png" "$artifacts/special_clock-centre2.png" null: 2>&1)
[ "${difference%% *}" != 0 ] || fail "the clock in the window's centre did not change in 0.5 s"
for corner in "2 2" "497 2" "2 497" "497 497"; do
    got=$(pixel $corner)
    [ "$got" = "0 0 0" ] || fail "corner $corner of the clock is ($got), not black"
done

# Menu button "字符 · 扫描" (16,185), then "横线" at 40,50 on tab 4: white
# lines 1 pixel wide every 21 pixels on black, about 24 in 500 rows.
click_at $((page_x + 16)) $((page_y + 185)) 91 21
xdotool mousemove $((tab_x + 40 + 8)) $((tab_y + 50 + 10)) click 1
sleep 0.5
screenshot "$artifacts/special_clock-lines.png"
lines=$(count_colour 30 0 1 500 255,255,255)
[ "$lines" -ge 20 ] && [ "$lines" -le 30 ] || fail "column 30 crosses $lines white rows, expected about 24 horizontal lines"
dark=$(count_colour 30 0 1 500 0,0,0)
[ "$dark" -ge 400 ] || fail "column 30 has only $dark black rows between the lines"

echo "PASS: special_clock"
