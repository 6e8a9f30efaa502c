#!/usr/bin/env bash
# Builds the Debian package once with CPack and checks what a user's apt
# sees: the control fields, the files, a stripped binary and lintian's verdict.
# Usage: check_package.sh <build-dir>
set -euo pipefail
build=$(cd "$1" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -f "$build"/walltest_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || fail "cpack: $(tail -n 20 "$build/cpack.log")"
deb=$(ls "$build"/walltest_*_*.deb)

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = walltest ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$(sed -n 's/^project(walltest VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")" ] ||
    fail "Version is $(field Version)"
depends=$(field Depends)
if grep -qx 'WALLTEST_QT:STRING=6' "$build/CMakeCache.txt"; then
    qt_packages="libqt6widgets6 libqt6network6 qt6-translations-l10n"
else
    qt_packages="libqt5widgets5 libqt5network5 qttranslations5-l10n"
fi
for package in libc6 $qt_packages libqrencode4 fonts-noto-cjk fonts-liberation2 fonts-urw-base35; do
    grep -qw "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done
[ "$(field Description | wc -l)" -ge 5 ] || fail "no extended description"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/walltest ./usr/share/applications/org.walltest.walltest.desktop \
            ./usr/share/doc/walltest/copyright ./usr/share/doc/walltest/changelog.gz \
            ./usr/share/man/man1/walltest.1.gz ./usr/share/metainfo/org.walltest.walltest.metainfo.xml; do
    grep -qx -- "$file" <<<"$contents" || fail "the package lacks $file"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
file "$unpacked/usr/bin/walltest" | grep -q ', stripped' || fail "the binary is not stripped"

# lintian exits non-zero on errors; warnings are printed for a person to read.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"
echo "PASS: $(basename "$deb") with $(wc -l <<<"$contents") entries"
