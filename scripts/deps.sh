#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, and only those that are
# missing: a second run installs nothing. Runs apt as root, or through sudo.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libssl-dev libbenchmark-dev
    xvfb xauth xdotool xclip python3-xlib
    weston qt6-wayland sway wtype grim wl-clipboard
    fonts-dejavu-core fonts-dejavu-extra
    desktop-file-utils appstream dpkg-dev groff-base
    lintian devscripts git zsh fish man-db libglib2.0-bin x11-utils
    clang-tidy
    libglib2.0-bin
)
if [ "$#" -gt 0 ]; then
    packages+=("$@")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ "${#missing[@]}" -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
