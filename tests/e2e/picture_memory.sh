#!/usr/bin/env bash
# End to end: a 16000 × 16000 PNG (a few hundred KB on disk) chosen as the
# custom picture with "适应画面" on a 1920 × 1080 test-pattern window shows
# within a minute, and the program's peak resident memory stays under 300 MB.
# Prints the time from the chooser's Return until the picture shows.
# Usage: bash picture_memory.sh <path-to-walltest> <artifact-dir> [own]
#   own: choose the picture at its own size instead and only report the figures.
# PICTURE=file in the environment measures that file instead.
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}
mode=${3:-fit}
mkdir -p "$artifacts"

start_xvfb 3840x2160
picture=${PICTURE:-"$E2E_TMP/wall 16000.png"}
# Every filtered byte is 1 under the Sub filter: each row is a gray ramp that
# repeats every 256 columns, and the whole compresses about 1000 to 1.
[ -n "${PICTURE:-}" ] || python3 - "$picture" <<'PY'
import struct, sys, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
side = 16000
packer = zlib.compressobj(9)
row = b"\x01" * (1 + 3 * side)
idat = b"".join(packer.compress(row) for _ in range(side)) + packer.flush()
with open(sys.argv[1], "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", idat) + chunk(b"IEND", b""))
PY
[ -s "$picture" ] || fail "could not make the test picture"

export XDG_RUNTIME_DIR="$E2E_TMP"
start_walltest "$binary" "$artifacts/picture_memory.log"
press_start || fail "START did not show the test-pattern window"

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
type_value() { xdotool mousemove "$1" "$2" click 1 key ctrl+a type "$3"; xdotool key Return; sleep 0.4; }
# Places on screen with the panel at 700,500 (see the form).
MENU_SPECIAL=(767 759); PICTURE=(996 709); CHOOSE_FILE=(1064 727); FIT=(1171 707); OWN_SIZE=(1171 727)
EXTEND=(1280 780); X=(1436 586); WIDTH=(1436 686); HEIGHT=(1436 736)

# The window stands right of the panel, so it never covers it.
click "${EXTEND[@]}"
type_value "${X[@]}" 1800
type_value "${WIDTH[@]}" 1920
type_value "${HEIGHT[@]}" 1080
window=$(wait_for_pattern_window) || fail "no test-pattern window"
read -r wx wy ww wh <<<"$(window_geometry "$window")"
[ "$wx $wy $ww $wh" = "1800 0 1920 1080" ] || fail "the test-pattern window is at $wx,$wy $ww × $wh, not 1800,0 1920 × 1080"

click "${MENU_SPECIAL[@]}"
click "${PICTURE[@]}"
if [ "$mode" = own ]; then click "${OWN_SIZE[@]}"; else click "${FIT[@]}"; fi
[ "$(pixel 2800 500)" = "0 0 0" ] || fail "the window is not black before the picture is chosen"

click "${CHOOSE_FILE[@]}"
sleep 1
xdotool type --delay 5 "$picture"
start=$(date +%s.%N)
xdotool key Return

# Column 1000 of the picture is gray 233 at its own size; fitted, the
# reduced decode averages the ramp into a middle gray. Either way not black.
shown= refused=
for _ in $(seq 1 600); do
    [ "$(pixel 2800 500)" != "0 0 0" ] && { shown=$(date +%s.%N); break; }
    xdotool search --onlyvisible --name "^WARNING\$" >/dev/null 2>&1 && { refused=$(date +%s.%N); break; }
    kill -0 "$WALLTEST_PID" 2>/dev/null || fail "walltest ended while decoding the picture"
    sleep 0.1
done
screenshot "$artifacts/picture_memory-$mode.png"
peak=$(awk '/VmHWM/ {print $2}' "/proc/$WALLTEST_PID/status")
if [ -n "$shown" ]; then
    echo "picture_memory ($mode): shown after $(echo "$shown - $start" | bc) s, peak resident memory ${peak} kB"
elif [ -n "$refused" ]; then
    echo "picture_memory ($mode): refused with a message after $(echo "$refused - $start" | bc) s, peak resident memory ${peak} kB"
else
    echo "picture_memory ($mode): not shown within a minute, peak resident memory ${peak} kB"
fi
[ "$mode" = own ] && exit 0
[ -n "$shown" ] || fail "the fitted picture did not show within a minute"
[ "$peak" -lt 307200 ] || fail "peak resident memory ${peak} kB, over 300 MB"
echo "PASS: picture_memory"
