#!/usr/bin/env bash
# Screenshots of the real panel for a person to look at: the start page, then
# the widened main page on each of the six tabs, as the form has them and in
# English (en-*.png). Nothing is compared pixel by
# pixel; the run fails only if the program dies or a screenshot is missing.
# Usage: bash screenshots.sh <path-to-walltest> <artifact-dir>
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}/screenshots
mkdir -p "$artifacts"
rm -f "$artifacts"/*.png

start_xvfb

alive() {
    kill -0 "$WALLTEST_PID" 2>/dev/null || fail "walltest died ($1); see $artifacts/${prefix}walltest.log"
}

# shoot NAME: the panel alone, cropped from the screen at its current size.
shoot() {
    sleep 0.5
    alive "before screenshot $1"
    local x y w h
    read -r x y w h < <(window_geometry "$PANEL_ID")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$artifacts/$1.png" 2>/dev/null
    [ -s "$artifacts/$1.png" ] || fail "screenshot $1 is missing"
    echo "saved $artifacts/$1.png (${w}x${h})"
}

# shoot_panel PREFIX [ARGUMENTS...]: one run of the program, all its pictures.
shoot_panel() {
    local prefix=$1
    shift
    start_walltest "$binary" "$artifacts/${prefix}walltest.log" "$@"
    panel_places

    shoot "${prefix}start-page"

    # "START", then ">" to widen the panel over its placement controls.
    click_at $((page_x + 260)) $((page_y + 200)) 71 21
    click_at $((page_x + 559)) $((page_y + 281)) 31 31
    # Off the controls, so no button shows its hover state.
    xdotool mousemove $((panel_x + 300)) $((panel_y + 400))

    # The menu buttons pushButton_p0 to pushButton_p5, 91 x 21, 40 pixels apart.
    for tab in 0 1 2 3 4 5; do
        click_at $((page_x + 16)) $((page_y + 65 + 40 * tab)) 91 21
        if [ "$tab" = 1 ]; then
            # Enough columns and rows for both scroll bars of the colour table,
            # so their arrows show.
            for _ in 1 2 3 4 5 6 7 8; do click_at $((tab_x + 390)) $((tab_y + 30)) 21 21; done
            for _ in 1 2 3 4; do click_at $((tab_x + 40)) $((tab_y + 50)) 21 21; done
        fi
        xdotool mousemove $((panel_x + 300)) $((panel_y + 400))
        shoot "${prefix}main-page-tab$((tab + 1))"
    done

    alive "at the end"
    kill "$WALLTEST_PID"
    wait "$WALLTEST_PID" 2>/dev/null
}

shoot_panel ""
shoot_panel en- --lang en
echo "PASS: start page and six tabs saved in $artifacts, in both languages"
