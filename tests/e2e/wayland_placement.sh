# End to end on a Wayland desktop: weston's headless backend with XWayland,
# as GNOME and most current desktops run. Where an X server answers,
# walltest runs through it and its test-pattern window's pixels, in
# weston's own screenshot, stand exactly where the placement says. Without
# one (Qt 6 and its Wayland plugin only) it says that the compositor places
# the window, and --fullscreen --output fills the output it names.
# Exits 0 with SKIP when weston cannot run headless here.
# Usage: bash wayland_placement.sh <path-to-walltest> <artifact-dir>
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}
mkdir -p "$artifacts"

skip() {
    echo "SKIP: wayland_placement: $*"
    exit 0
}

command -v weston >/dev/null && command -v weston-screenshooter >/dev/null || skip "weston is not installed"
E2E_TMP=$(mktemp -d)
runtime=$E2E_TMP/runtime
mkdir -m 700 "$runtime" "$E2E_TMP/shots"
# XWayland puts its socket there, as any X server; Xvfb makes the folder itself.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix 2>/dev/null || skip "no /tmp/.X11-unix for XWayland"

# --debug lets weston-screenshooter take the screenshot.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --xwayland --debug --no-config \
    --socket=walltest-e2e --width=1280 --height=800 --log="$E2E_TMP/weston.log" &
E2E_PIDS+=($!)
display=
for _ in $(seq 1 100); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_TMP/weston.log" 2>/dev/null)
    [ -n "$display" ] && [ -S "$runtime/walltest-e2e" ] && break
    sleep 0.1
done
[ -n "$display" ] || skip "weston does not start headless with XWayland here: $(tail -n 3 "$E2E_TMP/weston.log")"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=walltest-e2e DISPLAY=$display

# A colour that nothing else on the desktop shows; the X server's visual may
# round it by one level.
colour='#12ab34'

# colour_box: weston's screenshot of the whole output, and the box that the
# test-pattern window's colour covers in it, as WxH+X+Y, followed by the
# number of pixels of that colour: the box's area when the window is whole.
colour_box() {
    rm -f "$E2E_TMP"/shots/*.png
    (cd "$E2E_TMP/shots" && weston-screenshooter) >/dev/null 2>&1 || return 1
    local shot
    shot=$(ls "$E2E_TMP"/shots/*.png 2>/dev/null | head -n 1)
    [ -n "$shot" ] || return 1
    cp "$shot" "$artifacts/wayland_placement-last.png"
    # A black border keeps the box from being empty when the colour fills
    # the whole screenshot; it moves the box by one pixel.
    local box count offset
    read -r box count < <(convert "$shot" -alpha off -fuzz 1% -fill black +opaque "$colour" -fill white \
        -opaque "$colour" -bordercolor black -border 1 -precision 12 -format '%@ %[fx:round(mean*w*h)]' info: 2>/dev/null)
    offset=${box#*+}
    echo "${box%%+*}+$((${offset%+*} - 1))+$((${offset#*+} - 1)) $count"
}

# expect_colour_box WxH+X+Y WHAT: waits up to 10 s for the colour to cover
# exactly that box, every pixel of it.
expect_colour_box() {
    local size=${1%%+*} got=
    local expected="$1 $((${size%x*} * ${size#*x}))"
    for _ in $(seq 1 50); do
        got=$(colour_box)
        [ "$got" = "$expected" ] && return 0
        sleep 0.2
    done
    fail "$2: the window's colour covers ${got:-nothing}, not $expected pixels (see $artifacts/wayland_placement-last.png)"
}

# fill_named_output WHAT: an unknown output is refused with exit 2 and the
# names there are; --fullscreen --output with the first of them then fills
# that output, every pixel of it.
fill_named_output() {
    local log=$artifacts/wayland_placement-$1.log status output
    { LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$E2E_TMP/config "$binary" --fullscreen --output no-such-output >"$log" 2>&1; } 2>/dev/null
    status=$?
    [ "$status" = 2 ] || fail "$1: an unknown output gave exit $status, not 2: $(cat "$log")"
    output=$(sed -n "s/.* the outputs are \([^,]*\).*/\1/p" "$log")
    [ -n "$output" ] || fail "$1: an unknown output does not list the outputs: $(cat "$log")"
    LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$E2E_TMP/config "$binary" --fullscreen --output "$output" \
        --pattern "solid:color=$colour" --no-info >"$log" 2>&1 &
    WALLTEST_PID=$!
    E2E_PIDS+=($WALLTEST_PID)
    expect_colour_box 1280x800+0+0 "$1: full screen on output $output"
    kill "$WALLTEST_PID"
    wait "$WALLTEST_PID" 2>/dev/null
}

colour_box >/dev/null || skip "weston-screenshooter takes no screenshot here"

# Through XWayland: exactly where placed, and said once on the log.
log=$artifacts/wayland_placement-xwayland.log
start_walltest "$binary" "$log" --geometry 320x200+100+200 --pattern "solid:color=$colour" --no-info
expect_colour_box 320x200+100+200 "through XWayland"
[ "$(grep -c 'running through XWayland' "$log")" = 1 ] || fail "the log does not say once that it runs through XWayland: $(cat "$log")"
kill "$WALLTEST_PID"
wait "$WALLTEST_PID" 2>/dev/null
fill_named_output xwayland-output

# Wayland itself, without an X server, where the build has Qt's Wayland
# plugin: the compositor places the window, and says so.
unset DISPLAY
log=$artifacts/wayland_placement-wayland.log
{ LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$E2E_TMP/config "$binary" --fullscreen --output no-such-output >"$log" 2>&1; } 2>/dev/null
if grep -q 'platform plugin "wayland"' "$log"; then
    echo "PASS: wayland_placement (through XWayland only: this build has no Wayland plugin)"
    exit 0
fi
grep -q "compositor's choice" "$log" || fail "on Wayland, the log does not say that the compositor places the window: $(cat "$log")"
fill_named_output wayland-output

echo "PASS: wayland_placement"
