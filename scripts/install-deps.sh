#!/usr/bin/env bash
# Installs everything QuillLabel needs to build, test and run on Debian 12. Safe to run again.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git
  qt6-base-dev qt6-svg-dev qt6-5compat-dev libqt6sql6-sqlite
  libzint-dev libzxing-dev pxlib-dev libshp-dev mdbtools-dev libfreexl-dev libxlsxwriter-dev zlib1g-dev
  libemf2svg-dev libwmf-dev libjpeg-dev fonts-nanum xvfb xauth poppler-utils
  cups printer-driver-cups-pdf libcups2-dev
  clang libclang-rt-14-dev ccache
  xdotool x11-utils x11-xserver-utils zbar-tools imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All build dependencies are installed."
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
