# End to end: the real program's remote control under a minute of mixed
# valid, malformed, unauthorised, oversized, abandoned and garbage requests
# stays responsive, its clock keeps running and its memory stays flat.
# Usage: bash remote_robustness.sh <path-to-walltest> <artifact-dir>
set -u
. "$(dirname "$0")/lib.sh"

binary=$1
artifacts=${2:-/tmp/walltest-e2e}
mkdir -p "$artifacts"
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY
token=robustness-token-0123

start_xvfb
start_walltest "$binary" "$artifacts/remote_robustness.log" --remote 127.0.0.1:0 --remote-token "$token" \
    --pattern clock --geometry 700x300+50+50
PATTERN_ID=$(wait_for_pattern_window) || fail "the test-pattern window did not open"
address=$(remote_address "$artifacts/remote_robustness.log") || fail "walltest printed no remote-control address"
port=$(echo "$address" | sed -n 's|^http://127.0.0.1:\([0-9]*\)/.*|\1|p')
[ -n "$port" ] || fail "no port in the remote-control address $address"

/usr/bin/python3 "$(dirname "$0")/remote_robustness.py" "$port" "$token" "$WALLTEST_PID" |
    tee "$artifacts/remote_robustness.txt"
[ "${PIPESTATUS[0]}" = 0 ] || fail "the remote control did not stand the mix"
kill -0 "$WALLTEST_PID" || fail "walltest died"

# Scripts send actions as they come: a POST without a body, a PUT without a type.
curl --noproxy '*' -sf -m 2 -X PUT -H "Authorization: Bearer $token" -H 'Content-Type:' \
    --data-binary '{"pattern": "scan:h"}' "http://127.0.0.1:$port/api/pattern" >/dev/null ||
    fail "a PUT without a Content-Type was refused"
curl --noproxy '*' -sf -m 2 -X POST -H "Authorization: Bearer $token" "http://127.0.0.1:$port/api/scan/step" >/dev/null ||
    fail "a POST without a body got no answer within 2 s"

# The clock still runs: its digits change between two looks.
curl --noproxy '*' -sf -X PUT -H "Authorization: Bearer $token" -d '{"pattern": "clock"}' \
    "http://127.0.0.1:$port/api/pattern" >/dev/null || fail "the clock could not be shown"
sleep 0.5
first=$(import -window root -crop 700x300+50+50 -depth 8 rgb:- | md5sum)
sleep 0.5
second=$(import -window root -crop 700x300+50+50 -depth 8 rgb:- | md5sum)
[ "$first" != "$second" ] || fail "the clock stopped"
echo "PASS: the remote control stands a mix of good and bad requests"
