#!/usr/bin/env bash
# Whole-program measurements under Xvfb, from /proc.
#
#   measure.sh idle   BINARY  CPU use over 10 s with a static pattern and no input (limit: 1 % of a core)
#   measure.sh clock  BINARY  CPU use over 10 s while the full-window clock runs (limit: one core)
#   measure.sh memory BINARY  peak resident memory with a 3840 × 2160 window showing a
#                             4K custom picture stretched to fit (limit: 240 MB)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
what=$1
binary=$(realpath "$2")
source "$here/../tests/e2e/lib.sh"
workdir=$(mktemp -d)
export XDG_RUNTIME_DIR="$workdir"

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
type_value() { xdotool mousemove "$1" "$2" click 1 key ctrl+a type "$3"; xdotool key Return; sleep 0.4; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$WALLTEST_PID/stat"; }
cpu_percent_over() {
    local seconds=$1 before after hz
    hz=$(getconf CLK_TCK)
    before=$(cpu_ticks); sleep "$seconds"; after=$(cpu_ticks)
    echo "scale=2; 100 * ($after - $before) / ($hz * $seconds)" | bc
}

# Places on screen with the panel at 700,500 (see the form).
MENU_SPECIAL=(767 759); BIG_CLOCK=(896 599); PICTURE=(996 709)
CHOOSE_FILE=(1064 727); FIT=(1171 707); EXTEND=(1280 780); WIDTH=(1436 686); HEIGHT=(1436 736)

case "$what" in
idle|clock)
    start_xvfb 1920x1080
    start_walltest "$binary" "$workdir/log"
    press_start || fail "START did not show the test-pattern window"
    if [ "$what" = clock ]; then click "${MENU_SPECIAL[@]}"; click "${BIG_CLOCK[@]}"; fi
    xdotool mousemove 1900 1060
    sleep 2
    percent=$(cpu_percent_over 10)
    limit=$([ "$what" = idle ] && echo 1 || echo 100)
    echo "$what: walltest used ${percent} % of a core over 10 s (limit ${limit} %)"
    [ "$(echo "$percent < $limit" | bc)" = 1 ] || fail "over the limit"
    ;;
memory)
    start_xvfb 3840x2160
    picture="$workdir/wall 4K.png"
    convert -size 3840x2160 plasma:fractal -seed 7 "$picture"
    start_walltest "$binary" "$workdir/log"
    press_start || fail "START did not show the test-pattern window"
    click "${EXTEND[@]}"
    click "${MENU_SPECIAL[@]}"
    click "${PICTURE[@]}"
    click "${CHOOSE_FILE[@]}"
    sleep 1
    xdotool type --delay 5 "$picture"; xdotool key Return; sleep 1
    click "${FIT[@]}"
    # The window grows over the panel last: without a window manager it stays on top.
    # A busy machine may lose typed keys while the picture loads: type again.
    for _ in 1 2 3; do
        type_value "${WIDTH[@]}" 3840
        type_value "${HEIGHT[@]}" 2160
        sleep 2
        window=$(wait_for_pattern_window)
        read -r x y w h <<<"$(window_geometry "$window")"
        [ "$w $h" = "3840 2160" ] && break
    done
    [ "$w $h" = "3840 2160" ] || fail "the test-pattern window is $w × $h, not 3840 × 2160"
    screenshot "$workdir/memory.png"
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$WALLTEST_PID/status")
    echo "memory: peak resident memory ${peak} kB with a 3840 × 2160 window showing a 4K picture (limit 245760 kB)"
    [ -n "${MEASURE_SCREENSHOT:-}" ] && cp "$workdir/memory.png" "$MEASURE_SCREENSHOT"
    [ "$peak" -lt 245760 ] || fail "over the limit"
    ;;
*)
    echo "usage: measure.sh idle|clock|memory BINARY" >&2
    exit 2
    ;;
esac
