# End to end: the program started with a named pattern and a placement shows
# the test-pattern window there, with that pattern, and the panel's placement
# controls agree; Qt's own -geometry handling leaves the panel where it is.
# --export refuses targets that are not regular files and writes - to stdout.
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
# Placed partly off the desktop, the window stays, and the log says what shows.
grep -q "^walltest: the window at 700x300-20+40 lies partly off the desktop; only 680x300+0+40 of it shows$" \
    "$artifacts/command_line.log" || fail "no warning of the part off the desktop: $(cat "$artifacts/command_line.log")"
echo "PASS: --pattern and --geometry"

# --export writes only regular files (links to them followed), so a device,
# pipe or folder is never replaced by one; "-" writes to standard output.
export_to() {
    XDG_CONFIG_HOME=$E2E_TMP/config QT_QPA_PLATFORM=offscreen "$binary" --pattern grid --size 64x32 --export "$@"
}
mkfifo "$E2E_TMP/pipe"
mkdir "$E2E_TMP/folder"
targets=("$E2E_TMP/pipe" "$E2E_TMP/folder")
# A device of one's own, where the user may make one.
mknod "$E2E_TMP/zero" c 1 5 2>/dev/null && targets+=("$E2E_TMP/zero")
for target in "${targets[@]}"; do
    export_to "$target" >/dev/null 2>"$E2E_TMP/export.err"
    status=$?
    [ "$status" = 1 ] || fail "--export $target exited with $status, not 1"
    grep -q "^walltest: cannot write $target: it is a .*, not a regular file" "$E2E_TMP/export.err" ||
        fail "no clear line for --export $target: $(cat "$E2E_TMP/export.err")"
done
[ -p "$E2E_TMP/pipe" ] && [ -d "$E2E_TMP/folder" ] || fail "--export replaced a pipe or a folder"
[ ! -e "$E2E_TMP/zero" ] || [ -c "$E2E_TMP/zero" ] || fail "--export replaced a device"
touch "$E2E_TMP/real.png"
ln -s "$E2E_TMP/real.png" "$E2E_TMP/link.png"
export_to "$E2E_TMP/link.png" 2>/dev/null || fail "--export through a link to a file failed"
[ -L "$E2E_TMP/link.png" ] && [ "$(identify -format '%wx%h' "$E2E_TMP/real.png")" = 64x32 ] ||
    fail "--export did not write through the link"
[ "$(export_to - 2>/dev/null | identify -format '%wx%h' -)" = 64x32 ] || fail "--export - wrote no PNG to standard output"
export_to - --frames 2 >/dev/null 2>&1
status=$?
[ "$status" = 2 ] || fail "--export - with --frames exited with $status, not 2"
echo "PASS: --export refuses what is not a regular file and writes - to standard output"
