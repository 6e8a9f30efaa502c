#!/usr/bin/env bash
# Redraws per second and CPU of the real program under Xvfb at 3840 x 2160,
# its test-pattern window covering the screen, one pattern after another,
# beside the floor: a plain window that refills itself whole as fast as it
# can. walltest's redraws are its own count of the frames it showed, read
# from its remote API; the floor's, one rectangle each, are counted through
# the X DAMAGE extension (scripts/count_redraws.py). CPU is read from /proc
# for walltest (or the floor) and for the X server, in % of one core.
# Usage: bench_live.sh [BUILD] ; LIVE_SECONDS sets the measuring time per case.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-build}")
seconds=${LIVE_SECONDS:-5}
size=3840x2160
source "$here/../tests/e2e/lib.sh"

for program in "$build/walltest" "$build/bench/walltest_refill"; do
    [ -x "$program" ] || fail "$program is missing: build first"
done

start_xvfb "$size"
xdotool mousemove 3839 2159

# pattern_window PID: the visible window of the process that is not the panel.
pattern_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null || true); do
        has_title "$id" || { echo "$id"; return 0; }
    done
}

token=bench-live-token
log=$E2E_TMP/walltest.log

# measure LABEL COMMAND...: starts a program, waits for its pattern window
# and prints one row of the table.
measure() {
    local label=$1 window result frames=()
    shift
    : >"$log"
    "$@" >"$log" 2>&1 &
    local pid=$!
    E2E_PIDS+=($pid)
    for _ in $(seq 1 100); do
        window=$(pattern_window "$pid")
        [ -n "$window" ] && read -r _ _ w h < <(window_geometry "$window") && [ "${w}x${h}" = "$size" ] && break
        window=
        sleep 0.1
    done
    [ -n "$window" ] || fail "$label: no ${size} window"
    if [ "$1" = walltest ]; then
        frames=(--frames "$(remote_address "$log")" "$token")
        [ -n "${frames[1]}" ] || fail "$label: walltest printed no remote address"
    fi
    sleep 2
    result=$(/usr/bin/python3 "$here/count_redraws.py" "$window" "$seconds" "${frames[@]}" "$pid" "$XVFB_PID")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    read -r redraws program server <<<"$result"
    printf '| %-30s | %10s | %10s | %10s | %10s |\n' "$label" "$redraws" "$program" "$server" "$((program + server))"
}

walltest() {
    XDG_CONFIG_HOME=$E2E_TMP/config exec "$build/walltest" --geometry "$size+0+0" --pattern "$1" \
        --remote 127.0.0.1:0 --remote-token "$token"
}

printf '| %-30s | %10s | %10s | %10s | %10s |\n' "case ($size)" "redraws/s" "program %" "X server %" "sum %"
printf '|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..32})" "------------" "------------" "------------" "------------"
measure "floor: whole refill"          "$build/bench/walltest_refill" "$size"
measure "full-window clock"            walltest clock
measure "cabinet clock"                walltest cabinet-clock
measure "moving square, speed 99"      walltest square:speed=99
measure "scan lines h+v, speed 99"     walltest scan:h,v,speed=99
measure "scan lines h, speed 99"       walltest scan:h,speed=99
measure "scan lines v, speed 99"       walltest scan:v,speed=99
measure "gray sweep, speed 99"         walltest solid:color=#ffffff,sweep=99

# Start-up: from starting walltest with an empty profile until its panel is
# on screen (mapped), the median of five runs.
times=()
for run in 1 2 3 4 5; do
    mkdir -p "$E2E_TMP/startup-$run"
    times+=("$(XDG_CONFIG_HOME=$E2E_TMP/startup-$run /usr/bin/python3 "$here/startup_time.py" "$build/walltest")")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
echo "start-up until the panel is on screen: median ${median} ms of ${times[*]}"
