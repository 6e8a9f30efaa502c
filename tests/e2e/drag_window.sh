#!/usr/bin/env bash
# Drags the test-pattern window by its inside and by its bottom-right corner
# with the real mouse, checks its real geometry after each drag, and checks
# that the panel's position and size boxes followed: stepping each box by one
# must move the window one pixel from where the drag left it, not from a
# stale value. Finally a right-click and plain moves must leave it in place.
set -euo pipefail

BINARY=$1
ARTIFACTS=${2:-/tmp/walltest-e2e}
mkdir -p "$ARTIFACTS"
source "$(dirname "$0")/lib.sh"

# The main page sits in the panel's stacked widget at (6, -16).
PAGE_DX=6
PAGE_DY=-16

# expect_geometry ID "X Y W H" WHAT: waits up to 3 s for the window's geometry.
expect_geometry() {
    local id=$1 want=$2 what=$3 got=""
    for _ in $(seq 1 30); do
        got=$(window_geometry "$id")
        [ "$got" = "$want" ] && { echo "ok: $what: $got"; return 0; }
        sleep 0.1
    done
    screenshot "$ARTIFACTS/drag_window-failure.png" || true
    fail "$what: window at '$got', expected '$want'"
}

# wait_for_pattern_window: prints the id of the program's visible window that
# is not the panel. Its WM_NAME is empty (only _NET_WM_NAME reads "walltest"),
# so a search by name does not find it.
wait_for_pattern_window() {
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --pid "$WALLTEST_PID" 2>/dev/null | grep -vx "$PANEL_ID" | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# page_point X Y W H: prints the global centre of a widget placed at X, Y with
# size W x H on the panel's main page.
page_point() {
    local px py
    read -r px py _ _ <<<"$(window_geometry "$PANEL_ID")"
    echo "$((px + PAGE_DX + $1 + $3 / 2)) $((py + PAGE_DY + $2 + $4 / 2))"
}

click_at() {
    xdotool mousemove --sync "$1" "$2" click 1
    sleep 0.2
}

drag() {
    xdotool mousemove --sync "$1" "$2" mousedown 1
    sleep 0.1
    # Two steps: every move must count from the press, not from the last move.
    xdotool mousemove --sync $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
    sleep 0.1
    xdotool mousemove --sync "$3" "$4"
    sleep 0.1
    xdotool mouseup 1
    sleep 0.2
}

# step_box X Y W H KEY: focuses a spin box by clicking its text and steps it.
step_box() {
    # The left third is text; the step arrows are at the right.
    local cx cy
    read -r cx cy <<<"$(page_point "$1" "$2" "$(($3 / 2))" "$4")"
    click_at "$cx" "$cy"
    xdotool key "$5"
    sleep 0.2
}

start_xvfb
start_walltest "$BINARY" "$ARTIFACTS/drag_window.log"
expect_geometry "$PANEL_ID" "700 500 601 302" "panel at start"

# "START" on the start page (page_4 shares the page offset).
click_at $((700 + PAGE_DX + 260 + 35)) $((500 + PAGE_DY + 200 + 10))
DLG_ID=$(wait_for_pattern_window) || fail "the test-pattern window did not appear"
expect_geometry "$DLG_ID" "0 0 500 500" "test-pattern window at start"

click_at $(page_point 559 281 31 31)
expect_geometry "$PANEL_ID" "700 500 792 302" "panel widened"

drag 250 250 400 330
expect_geometry "$DLG_ID" "150 80 500 500" "moved by its inside"

drag $((150 + 495)) $((80 + 495)) $((150 + 595)) $((80 + 395))
expect_geometry "$DLG_ID" "150 80 600 400" "resized by its corner"
screenshot "$ARTIFACTS/drag_window-after-drags.png" || true

step_box 700 92 61 21 Up
expect_geometry "$DLG_ID" "151 80 600 400" "spinBox_x held 150"
step_box 700 142 61 21 Down
expect_geometry "$DLG_ID" "151 79 600 400" "spinBox_y held 80"
step_box 700 192 61 21 Up
expect_geometry "$DLG_ID" "151 79 601 400" "spinBox_width held 600"
step_box 700 242 61 21 Down
expect_geometry "$DLG_ID" "151 79 601 399" "spinBox_height held 400"

# The menu's popup takes the right button's release; plain moves afterwards
# must not drag the window.
xdotool mousemove --sync 300 200 click 3
sleep 0.3
xdotool key Escape
sleep 0.2
for point in "320 220" "420 300" "200 150"; do
    xdotool mousemove --sync $point
    sleep 0.1
done
expect_geometry "$DLG_ID" "151 79 601 399" "right-click and plain moves"

echo "PASS: drag_window"
