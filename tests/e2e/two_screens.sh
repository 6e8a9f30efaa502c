# End to end: a desktop of two 3840 x 2160 outputs side by side, as a wall
# driven by two 4K outputs. The placement controls reach the whole desktop,
# so the test-pattern window covers both outputs. Xvfb stacks the screens
# of its Xinerama at one origin, so the two outputs are RandR monitors on
# one 7680 x 2160 screen, which the toolkit takes as two screens.
# Usage: bash two_screens.sh <path-to-walltest> <artifact-dir>
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}
mkdir -p "$artifacts"

start_xvfb 7680x2160
xrandr --setmonitor LEFT 3840/600x2160/340+0+0 screen >/dev/null || fail "xrandr cannot set the left monitor"
xrandr --setmonitor RIGHT 3840/600x2160/340+3840+0 none >/dev/null || fail "xrandr cannot set the right monitor"
[ "$(xrandr --listmonitors | head -n 1)" = "Monitors: 2" ] || fail "not two monitors: $(xrandr --listmonitors)"
read -r root_w root_h < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
[ "${root_w}x${root_h}" = 7680x2160 ] || fail "the desktop is ${root_w}x${root_h}, not two screens of 3840 x 2160"

start_walltest "$binary" "$artifacts/two_screens.log" --geometry 7680x2160+0+0 --pattern 'solid:color=#00ff00'
PATTERN_ID=$(wait_for_pattern_window) || fail "no test-pattern window"
for _ in $(seq 1 50); do
    got=$(window_geometry "$PATTERN_ID")
    [ "$got" = "0 0 7680 2160" ] && break
    sleep 0.1
done
[ "$got" = "0 0 7680 2160" ] || fail "the test-pattern window is at $got, not 0 0 7680 2160"
sleep 0.5
for point in "100 100" "3900 100" "7600 2100"; do
    got=$(pixel $point)
    [ "$got" = "0 255 0" ] || fail "pixel $point is ($got), not the window's green"
done

echo "PASS: two_screens"
