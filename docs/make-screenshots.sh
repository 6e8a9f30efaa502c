#!/usr/bin/env bash
# Makes the README's pictures from the real program under Xvfb: the widened
# control panel as the form has it and in English, and three patterns of the
# test-pattern window.
# Usage: bash docs/make-screenshots.sh [path-to-walltest]   (default build/walltest)
# Needs Xvfb, xdotool and ImageMagick (scripts/install-deps.sh installs them).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tests/e2e/lib.sh"

binary=${1:-$root/build/walltest}
images=$root/docs/images
mkdir -p "$images"

start_xvfb
start_walltest "$binary" /dev/null

panel_places

# menu N: the menu button of tab N (1 to 6).
menu() {
    click_at "$page_x" $((page_y + 65 + 40 * ($1 - 1))) 91 21
}

# Park the cursor over the desktop, away from every button and window.
park() {
    xdotool mousemove 1500 100
    sleep 0.7
}

# The panel without its shadow, which has no desktop to fall on under Xvfb.
shoot_panel() {
    local x y w h
    read -r x y w h < <(window_geometry "$PANEL_ID")
    import -window root -crop "$((w - 10))x$((h - 10))+$((x + 5))+$((y + 5))" +repage -strip "$images/$1"
    echo "wrote docs/images/$1"
}

# The test-pattern window, 500 x 500 at 0,0.
shoot_pattern() {
    import -window root -crop 500x500+0+0 +repage -strip "$images/$1"
    echo "wrote docs/images/$1"
}

click_at $((page_x + 260)) $((page_y + 200)) 71 21    # START
click_at $((page_x + 559)) $((page_y + 281)) 31 31    # ">" widens the panel
park
shoot_panel panel.png

menu 2
click_at $((tab_x + 350)) $((tab_y + 140)) 81 23      # 常用色度条, the common colour bars
park
shoot_pattern pattern-colour-bars.png

menu 3
click_at $((tab_x + 220)) $((tab_y + 190)) 71 31      # 彩色+渐变, colours over gray ramps
park
shoot_pattern pattern-colour-gradient.png

menu 6
click_at $((tab_x + 40)) $((tab_y + 160)) 81 61       # 黑底方格圆圈, grid and circles
park
shoot_pattern pattern-grid-circles.png

# The same panel in English, in a run of its own.
kill "$WALLTEST_PID"
wait "$WALLTEST_PID" 2>/dev/null
start_walltest "$binary" /dev/null --lang en
click_at $((page_x + 260)) $((page_y + 200)) 71 21    # START
click_at $((page_x + 559)) $((page_y + 281)) 31 31    # ">" widens the panel
park
shoot_panel panel-en.png
