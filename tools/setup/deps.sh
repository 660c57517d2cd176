#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, skipping those already present;
# packages named as arguments are installed too (fuzz.sh names clang's).
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev clang-format
    qt6-base-dev libpugixml-dev libzip-dev zlib1g-dev
    fontconfig libfontconfig-dev fonts-noto-cjk qt6-translations-l10n xvfb xauth
    fonts-noto-cjk-extra fonts-arphic-gkai00mp fonts-arphic-ukai
    libxml2-utils unzip zip poppler-utils
    # The word processor that finished documents open in, registered as the desktop's handler for
    # them; it converts without a window too. Its no-window build would exclude it, so both commands
    # install this one.
    libreoffice-writer xdg-utils desktop-file-utils
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}"
