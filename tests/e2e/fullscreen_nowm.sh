# End to end: a double-click on the test-pattern window covers the screen it
# is on, and a second one brings back the window's geometry from before; the
# placement controls follow both. Without a window manager, as on a kiosk
# computer that drives a wall; fullscreen_openbox.sh runs the same under
# openbox (E2E_WM=openbox).
# Usage: bash fullscreen_nowm.sh <path-to-walltest> <artifact-dir>
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}
wm=${E2E_WM:-}
name=fullscreen_${wm:-nowm}
mkdir -p "$artifacts"

start_xvfb 1920x1080
if [ -n "$wm" ]; then
    "$wm" >"$artifacts/$name-wm.log" 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 1 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "$wm did not start"
fi
start_walltest "$binary" "$artifacts/$name.log" --geometry 400x300+200+150 --pattern 'solid:color=#ff0000'
PATTERN_ID=$(wait_for_pattern_window) || fail "no test-pattern window"

# wait_geometry "X Y W H": waits until the pattern window has that geometry.
wait_geometry() {
    local got
    for _ in $(seq 1 50); do
        got=$(window_geometry "$PATTERN_ID")
        [ "$got" = "$1" ] && return 0
        sleep 0.1
    done
    fail "the test-pattern window is at $got, not $1"
}

double_click() {
    xdotool mousemove "$1" "$2" sleep 0.2 click --repeat 2 --delay 60 1
}

# toggle_to X Y "X Y W H": double-clicks at X,Y until the window has that
# geometry. A loaded machine may take the clicks as two single ones, which
# leave the geometry alone.
toggle_to() {
    local attempt got
    for attempt in 1 2 3; do
        double_click "$1" "$2"
        for _ in $(seq 1 20); do
            got=$(window_geometry "$PATTERN_ID")
            [ "$got" = "$3" ] && return 0
            sleep 0.1
        done
    done
    fail "the test-pattern window is at $got, not $3"
}

wait_geometry "200 150 400 300"
toggle_to 400 300 "0 0 1920 1080"
sleep 0.5
screenshot "$artifacts/$name-full.png"
for corner in "1 1" "1918 1" "1 1078" "1918 1078"; do
    got=$(pixel $corner)
    [ "$got" = "255 0 0" ] || fail "corner $corner of the full-screen window is ($got), not red"
done

toggle_to 960 540 "200 150 400 300"
sleep 0.5
got=$(pixel 1900 1000)
[ "$got" != "255 0 0" ] || fail "the screen is still red at 1900,1000 after leaving full screen"

echo "PASS: $name"
