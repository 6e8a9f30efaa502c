#!/usr/bin/env bash
# Installs the Debian packages that walltest needs to build, run and test.
# A no-op when all of them are present.
set -euo pipefail

packages=(
    g++ cmake make pkg-config python3 bc ccache
    qtbase5-dev qtbase5-dev-tools qttools5-dev-tools
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libbenchmark-dev
    libcpp-httplib-dev libqrencode-dev curl
    libmosquitto-dev mosquitto mosquitto-clients
    chromium chromium-driver python3-selenium
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick python3-xlib openbox
    fonts-noto-cjk fonts-liberation2 fonts-urw-base35
    qttools5-dev qttranslations5-l10n
    clang libclang-rt-14-dev
    weston xwayland qt6-wayland
    help2man dpkg-dev fakeroot file lintian appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
