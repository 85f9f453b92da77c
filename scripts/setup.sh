#!/usr/bin/env bash
# Installs the Debian packages that the programs and their tests are built with. Quick when
# everything is already there: apt is only asked for what is missing.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev
    libjpeg62-turbo-dev libsodium-dev libasound2-dev libx11-dev
    libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
    clang libclang-rt-14-dev
    fonts-liberation locales
    poppler-utils  # pdftotext, pdfinfo and pdffonts read Morvik's PDF reports back in the tests
    xvfb xdotool x11-xkb-utils x11-utils matchbox-window-manager imagemagick
    pulseaudio libasound2-plugins  # a null sink for the sound-onset benchmark
    dpkg-dev lintian desktop-file-utils appstream shared-mime-info  # the package and its checks
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
