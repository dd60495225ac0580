#!/usr/bin/env bash
# Installs what building and testing Vantrel needs on Debian 12 (idempotent).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6svg6-dev libgl-dev qt6-image-formats-plugins
  libgtest-dev googletest libbenchmark-dev
  poppler-utils fonts-liberation fonts-dejavu-core fonts-comic-neue
  xvfb xauth desktop-file-utils
  clang-format
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
