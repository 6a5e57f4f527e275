#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and nothing that is already there.
set -euo pipefail

# What building and playing the game need; the test command also needs the rest.
play=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev librsvg2-bin fonts-dejavu-core qt6-wayland
    python3 libcanberra0 libcanberra-pulse
)
tests=(
    clang libclang-rt-dev clang-format lld
    xvfb xauth x11-utils openbox xdotool weston
    at-spi2-core python3-pyatspi dbus-daemon orca speech-dispatcher
    desktop-file-utils appstream shared-mime-info libglib2.0-bin git
    dpkg-dev lintian faketime pulseaudio pulseaudio-utils gsettings-desktop-schemas
)
#   install-deps.sh [play|test]   (test, the default, installs both lists)
packages=("${play[@]}")
[ "${1:-test}" = play ] || packages+=("${tests[@]}")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These Debian packages are missing: ${missing[*]}"
        echo "Run this script as root (su -c $0), or install sudo first, or install them yourself:"
        echo "  apt-get install ${missing[*]}"
        exit 1
    fi
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
