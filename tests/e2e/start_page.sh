#!/usr/bin/env bash
# The real program: the panel appears on the start page; "START" brings up the
# test-pattern window at 0,0 with 500 × 500 device pixels, also when the
# environment asks the toolkit to scale by 1.25 and the desktop is set to 125 %
# (Xft.dpi 120), by which Qt 6 scales unless told not to.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
binary=$1
artifacts=${2:-/tmp/walltest-e2e}
mkdir -p "$artifacts"

start_xvfb
echo "Xft.dpi: 120" | xrdb -merge
export QT_SCALE_FACTOR=1.25 QT_AUTO_SCREEN_SCALE_FACTOR=1 QT_ENABLE_HIGHDPI_SCALING=1
start_walltest "$binary" "$artifacts/start_page.log"

read -r px py pw ph <<<"$(window_geometry "$PANEL_ID")"
[ "$px $py $pw $ph" = "700 500 601 302" ] || fail "panel geometry is $px $py $pw $ph"
xdotool search --onlyvisible --class "^walltest$" | grep -v "^$PANEL_ID$" | grep -q . && fail "the test-pattern window is visible before START"

press_start || fail "START did not show the test-pattern window"
window=$PATTERN_ID
sleep 0.5
read -r wx wy ww wh <<<"$(window_geometry "$window")"
[ "$wx $wy $ww $wh" = "0 0 500 500" ] || fail "test-pattern window geometry is $wx $wy $ww $wh"

screenshot "$artifacts/start_page.png"
corner_max() { convert "$artifacts/start_page.png" -crop "$1" -format '%[fx:maxima.r*255]' info:; }
[ "$(corner_max 100x100+0+0)" = "0" ] || fail "top-left of the test-pattern window is not black"
[ "$(corner_max 100x100+400+400)" = "0" ] || fail "bottom-right of the test-pattern window is not black"
echo "PASS: START shows the black 500 × 500 test-pattern window at 0,0"
