#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need, when missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev qt6-pdf-dev libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  poppler-utils
  tango-icon-theme
  xvfb openbox xdotool x11-utils imagemagick python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
