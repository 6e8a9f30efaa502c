#!/usr/bin/env bash
# Soak run: the real program under Xvfb, driven by xdotool, shows the
# full-window clock, then scan lines at speed 99 with all four sets, then the
# gray sweep at speed 99, a third of the time each. The resident memory is
# recorded every second; the run fails when it grows by more than 2 MB after
# the first 10 s, or when the program prints any warning other than the
# toolkit's known one for on_spinBox_step_valueChanged.
#
# Usage: soak.sh WALLTEST_BINARY [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=$(realpath "$1")
seconds=${2:-600}
source "$here/../tests/e2e/lib.sh"

workdir=$(mktemp -d)
log="$workdir/walltest.log"
memlog=${SOAK_MEMLOG:-$workdir/memory.tsv}
export XDG_RUNTIME_DIR="$workdir"
export QT_MESSAGE_PATTERN='%{type}: %{message}'

start_xvfb 1920x1080
start_walltest "$binary" "$log"

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
type_value() { xdotool mousemove "$1" "$2" click 1 key ctrl+a type "$3"; sleep 0.3; }

# Places on screen with the panel at 700,500 (see the form).
MENU_SOLID=(767 559); MENU_SCAN=(767 679); MENU_SPECIAL=(767 759)
BIG_CLOCK=(896 599); GRAY_SPEED=(1071 727); LINE_SPEED=(1031 607)
OVERLAY=(1151 579); HOR=(881 579); VER=(941 579); LEFT=(1001 579); RIGHT=(1076 579)

show_clock() { click "${MENU_SPECIAL[@]}"; click "${BIG_CLOCK[@]}"; }
show_scan_lines() {
    click "${MENU_SCAN[@]}"
    click "${OVERLAY[@]}"
    for box in HOR VER LEFT RIGHT; do
        declare -n place=$box
        click "${place[@]}"
    done
    type_value "${LINE_SPEED[@]}" 99
}
show_gray_sweep() { click "${MENU_SOLID[@]}"; type_value "${GRAY_SPEED[@]}" 99; }

rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$WALLTEST_PID/status"; }

press_start || fail "START did not show the test-pattern window"
# A warm-up tour of the three patterns fills the toolkit's caches before the baseline.
show_clock; sleep 1
show_scan_lines; sleep 1
show_gray_sweep; sleep 1
show_clock
sleep 6
baseline=$(rss_kb)
printf 'second\trss_kb\n' >"$memlog"

phase_length=$(( seconds / 3 ))
peak=$baseline
for second in $(seq 1 "$seconds"); do
    if [ "$second" -eq $(( phase_length + 1 )) ]; then show_scan_lines; fi
    if [ "$second" -eq $(( 2 * phase_length + 1 )) ]; then show_gray_sweep; fi
    kill -0 "$WALLTEST_PID" 2>/dev/null || fail "walltest died after $second s (log: $log)"
    rss=$(rss_kb)
    printf '%s\t%s\n' "$second" "$rss" >>"$memlog"
    [ "$rss" -gt "$peak" ] && peak=$rss
    sleep 1
done
final=$(rss_kb)

growth=$(( peak - baseline ))
echo "soak: ${seconds} s, resident memory baseline ${baseline} kB, peak ${peak} kB, final ${final} kB, growth ${growth} kB"
unexpected=$(grep -E '^(warning|critical|fatal): ' "$log" | grep -v 'No matching signal for on_spinBox_step_valueChanged' || true)
[ -z "$unexpected" ] || fail "the program printed warnings:
$unexpected"
[ "$growth" -le 2048 ] || fail "resident memory grew by ${growth} kB (more than 2 MB); see $memlog"
echo "PASS: soak"
