#!/usr/bin/env bash
# Installs the build into a staging folder as `cmake --install` does for a
# user, checks that every file lands where the desktop looks for it, and runs
# the desktop's own validators on the installed entry and metadata.
# Usage: check_install.sh <build-dir>
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
id=org.walltest.walltest

fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

expected=(
    bin/walltest
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/walltest.1.gz
    share/doc/walltest/copyright
    share/doc/walltest/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "installed files differ:
$(diff <(echo "$wanted") <(echo "$actual"))"

[ -x "$root/bin/walltest" ] || fail "bin/walltest is not executable"
for size in 16 24 32 48 64 128 256; do
    got=$(identify -format '%wx%h' "$root/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done
desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q "^Icon=$id\$" "$root/share/applications/$id.desktop" || fail "the desktop entry names another icon"

# The manual page is the English --help, every option included.
page=$(zcat "$root/share/man/man1/walltest.1.gz")
for option in --lang --pattern --export --remote --profile; do
    grep -q -- "${option//-/\\\\-}" <<<"$page" || fail "the manual page lacks $option"
done
grep -q 'Test patterns for LED display walls' <<<"$page" || fail "the manual page is not the English help"
for section in 'EXIT STATUS' FILES ENVIRONMENT EXAMPLES 'SEE ALSO'; do
    grep -q "^\.SH \"\?$section\"\?\$" <<<"$page" || fail "the manual page lacks the section $section"
done
echo "PASS: $(wc -l <<<"$actual") files installed and valid"
