#!/usr/bin/env bash
# Installs every build and test dependency from Debian packages. Safe to run again:
# packages that are already installed are skipped.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev qt6-translations-l10n
  libgtest-dev
  fonts-wqy-microhei
  xvfb xauth x11-utils
  qt6-svg-dev
  desktop-file-utils appstream
  dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
