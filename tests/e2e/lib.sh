# Shared helpers for the end-to-end tests: sourced, not run.
# Each test calls start_xvfb, which takes a free display, then
# start_walltest; everything started is killed at exit.

E2E_PIDS=()
E2E_TMP=

e2e_cleanup() {
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
    return 0
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_xvfb [WIDTHxHEIGHT [XVFB ARGUMENTS...]]: starts Xvfb on a display it
# finds free and exports DISPLAY, and the server's process id as XVFB_PID.
# A leading display number, from older callers, is ignored. Further
# arguments go to Xvfb, for instance "+xinerama -screen 1 3840x2160x24" for
# a desktop of two screens side by side.
# -displayfd lets the server pick the display, so runs side by side never
# share one and nobody else's lock or socket is touched. -noreset keeps the
# server up when a client such as the xdpyinfo probe disconnects: a reset at
# that moment refuses the program's own connection.
start_xvfb() {
    [[ "${1:-}" =~ ^[0-9]+$ ]] && shift
    local size=${1:-1920x1080} num=
    [ $# -gt 0 ] && shift
    E2E_TMP=${E2E_TMP:-$(mktemp -d)}
    local numfile="$E2E_TMP/display" xlog="$E2E_TMP/xvfb.log"
    : >"$numfile"
    Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp "$@" 3>"$numfile" >"$xlog" 2>&1 &
    local xvfb=$!
    E2E_PIDS+=($xvfb)
    XVFB_PID=$xvfb
    # The server writes its display number and a newline once it accepts clients.
    for _ in $(seq 1 100); do
        num=$(sed -n '/^[0-9][0-9]*$/p' "$numfile")
        [ -n "$num" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$num" ] || fail "Xvfb did not start: $(tail -n 5 "$xlog")"
    export DISPLAY=":${num}"
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "Xvfb ${DISPLAY} does not answer"
}

# start_walltest BINARY [LOGFILE [ARGUMENTS...]]: starts the program with a
# configuration folder of its own and waits for its panel.
start_walltest() {
    local binary=$1 log=${2:-/dev/null}
    shift $(( $# < 2 ? $# : 2 ))
    unset QT_QPA_PLATFORM
    E2E_TMP=${E2E_TMP:-$(mktemp -d)}
    mkdir -p "$E2E_TMP/config"
    # The texts as the sources hold them, whatever the caller's locale.
    LC_ALL=C.UTF-8 XDG_CONFIG_HOME=${E2E_CONFIG:-$E2E_TMP/config} "$binary" "$@" >"$log" 2>&1 &
    WALLTEST_PID=$!
    E2E_PIDS+=($WALLTEST_PID)
    PANEL_ID=$(wait_for_panel) || fail "the control panel did not appear"
}

# has_title ID: whether a window has a WM_NAME of its own. The panel has its
# title, translated or not; the test-pattern window has none (the toolkit
# gives it only the program's name, in _NET_WM_NAME).
has_title() {
    xprop -id "$1" WM_NAME 2>/dev/null | grep -q '= "..*"'
}

# wait_for_panel: prints the id of the program's visible window with a title.
wait_for_panel() {
    local id
    for _ in $(seq 1 100); do
        for id in $(xdotool search --onlyvisible --pid "$WALLTEST_PID" 2>/dev/null); do
            has_title "$id" && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# wait_for_window NAME: prints the id of the first visible window whose
# WM_NAME or WM_CLASS matches NAME.
wait_for_window() {
    local name=$1 id
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# window_geometry ID: prints "X Y WIDTH HEIGHT" of a window, from xwininfo.
window_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                             /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# pixel X Y: prints the colour of one screen pixel as "R G B".
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2p' | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'
}

# screenshot FILE: the whole screen as PNG.
screenshot() {
    import -window root "$1"
}

# wait_for_pattern_window: prints the id of the visible test-pattern window.
# It has no WM_NAME of its own, so it is found as the program's other window.
wait_for_pattern_window() {
    for _ in $(seq 1 100); do
        wait_for_pattern_window_once && return 0
        sleep 0.1
    done
    return 1
}

# panel_places: checks that the panel stands at 700,500 and sets page_x,
# page_y (both pages of the stacked widget sit at 6,-16 in the panel) and
# tab_x, tab_y (the tab pages start at the tab widget's top-left, 110,35 on
# the main page, since its tab bar is hidden).
panel_places() {
    read -r panel_x panel_y _ _ < <(window_geometry "$PANEL_ID")
    [ "$panel_x" = 700 ] && [ "$panel_y" = 500 ] || fail "panel at $panel_x,$panel_y, not 700,500"
    page_x=$((panel_x + 6))
    page_y=$((panel_y - 16))
    tab_x=$((page_x + 110))
    tab_y=$((page_y + 35))
}

# click_at X Y W H: clicks the centre of a widget placed at X,Y with size W x H.
click_at() {
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
    sleep 0.3
}

# press_start: clicks "START" on the start page (260,200, 71 × 21, in the
# stacked widget at 6,-16 of the panel at 700,500) until the test-pattern
# window shows; a loaded machine may map the panel before it takes clicks.
press_start() {
    local attempt
    for attempt in 1 2 3 4 5; do
        xdotool mousemove $((700 + 6 + 260 + 35)) $((500 - 16 + 200 + 10)) click 1
        for _ in $(seq 1 30); do
            PATTERN_ID=$(wait_for_pattern_window_once) && return 0
            sleep 0.1
        done
    done
    return 1
}

wait_for_pattern_window_once() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$WALLTEST_PID" 2>/dev/null); do
        [ "$id" = "${PANEL_ID:-}" ] && continue
        has_title "$id" && continue
        echo "$id"
        return 0
    done
    return 1
}

# remote_address LOGFILE: waits for the "Remote control: URL" line the
# program prints at start and prints the URL.
remote_address() {
    local address=
    for _ in $(seq 1 50); do
        address=$(sed -n 's/^Remote control: //p' "$1")
        [ -n "$address" ] && { echo "$address"; return 0; }
        sleep 0.1
    done
    return 1
}
