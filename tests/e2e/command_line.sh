# End to end: the program started with a named pattern and a placement shows
# the test-pattern window there, with that pattern, and the panel's placement
# controls agree; Qt's own -geometry handling leaves the panel where it is.
# Usage: bash command_line.sh <path-to-walltest> <artifact-dir>
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}
mkdir -p "$artifacts"

start_xvfb
start_walltest "$binary" "$artifacts/command_line.log" --pattern 'bars:preset' --geometry 700x300-20+40
PATTERN_ID=$(wait_for_pattern_window) || fail "the test-pattern window did not open"

# The window lies partly left of the screen: 700 x 300 at -20,40.
for _ in $(seq 1 50); do
    [ "$(window_geometry "$PATTERN_ID")" = "-20 40 700 300" ] && break
    sleep 0.1
done
[ "$(window_geometry "$PATTERN_ID")" = "-20 40 700 300" ] ||
    fail "test-pattern window at $(window_geometry "$PATTERN_ID"), not -20 40 700 300"
read -r panel_x panel_y _ _ < <(window_geometry "$PANEL_ID")
[ "$panel_x" = 700 ] && [ "$panel_y" = 500 ] || fail "panel moved to $panel_x,$panel_y by --geometry"
sleep 0.5
screenshot "$artifacts/command_line.png"

# Seven bars over 700 pixels, 100 each; the window starts at x = -20.
colours=("255 0 0" "0 255 0" "0 0 255" "255 255 255" "0 255 255" "255 0 255" "255 255 0")
for i in 0 1 2 3 4 5 6; do
    x=$((i * 100 + 30))
    got=$(pixel "$x" 60)
    [ "$got" = "${colours[$i]}" ] || fail "bar $i at $x,60 is ($got), expected (${colours[$i]})"
done
echo "PASS: --pattern and --geometry"
