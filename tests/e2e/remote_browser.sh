# End to end: a phone-sized headless chromium opens the remote-control page
# of the real program, signs in with the token, presses buttons, types a
# placement slowly and makes a refusal; the test-pattern window's pixels
# show each change. Screenshots of the page at phone sizes are artifacts.
# Usage: bash remote_browser.sh <path-to-walltest> <artifact-dir>
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}
mkdir -p "$artifacts"
command -v chromedriver >/dev/null || fail "chromedriver is missing: run scripts/install-deps.sh"
# The browser and its driver talk over loopback, never through a proxy.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY
export NO_PROXY=127.0.0.1,localhost

start_xvfb
pictures=$E2E_TMP/pictures
mkdir -p "$pictures/sub" "$pictures/a/b/c/d/e"
convert -size 16x16 xc:blue "$pictures/sub/plasma.png"
cp "$pictures/sub/plasma.png" "$pictures/a/b/c/d/e/too-deep.png"
echo "not a picture" >"$pictures/fake.png"
start_walltest "$binary" "$artifacts/remote_browser.log" --remote 127.0.0.1:0 --geometry 700x300+50+50 \
    --pictures "$pictures"
address=$(remote_address "$artifacts/remote_browser.log") || fail "walltest printed no remote-control address"
case "$address" in
    http://127.0.0.1:*/\?token=????????????????????????????????) ;;
    *) fail "unexpected address line: $address" ;;
esac

# Debian's python3-selenium belongs to the system interpreter.
# A second walltest cannot open the same port: one line on stderr, exit code 1.
port=${address#http://127.0.0.1:}
port=${port%%/*}
XDG_CONFIG_HOME=$E2E_TMP/config QT_QPA_PLATFORM=offscreen "$binary" --remote "127.0.0.1:$port" >/dev/null 2>"$E2E_TMP/second.err"
status=$?
[ "$status" = 1 ] || fail "a second walltest on port $port exited with $status, not 1"
grep -q "^walltest: cannot open the remote control on 127.0.0.1:$port: " "$E2E_TMP/second.err" ||
    fail "no clear line for the busy port: $(cat "$E2E_TMP/second.err")"

/usr/bin/python3 "$(dirname "$0")/remote_browser.py" "$address" "$artifacts" || fail "the page did not drive the window"
echo "PASS: the remote-control page drives the test-pattern window"
