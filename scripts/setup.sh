#!/usr/bin/env bash
# Installs what building, running and testing the program need, from Debian's packages.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils libx11-dev imagemagick xdg-utils openbox desktop-file-utils
  fonts-noto-core fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
