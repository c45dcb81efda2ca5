#!/usr/bin/env bash
# Installs the Debian 12 packages Velmora needs to build, run and test, if any is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-multimedia-dev qt6-l10n-tools qt6-translations-l10n libgl1-mesa-dev
  libasound2-dev libasound2-plugins libpulse-dev libmpg123-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  pulseaudio pulseaudio-utils
  xvfb xauth openbox imagemagick librsvg2-bin poppler-utils
  desktop-file-utils appstream lintian dpkg-dev file
  sox lame espeak-ng python3 python3-dbf python3-numpy praat
  fonts-liberation fonts-dejavu fonts-noto-cjk
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
