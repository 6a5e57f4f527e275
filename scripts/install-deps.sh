#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and nothing that is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev clang-format lld
    xvfb xauth fonts-dejavu-core openbox xdotool qt6-wayland weston
    at-spi2-core python3-pyatspi dbus-daemon orca speech-dispatcher
    desktop-file-utils appstream shared-mime-info libglib2.0-bin git
    librsvg2-bin dpkg-dev lintian faketime
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
