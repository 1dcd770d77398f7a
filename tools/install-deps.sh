#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Quendrasil need.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libmagick++-dev libraw-dev libexif-dev libcurl4-openssl-dev libgoogle-perftools-dev
    imagemagick ghostscript fonts-dejavu-core xvfb xauth
    python3-pyftpdlib openssh-server curl trayer fonts-ipafont-gothic
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
