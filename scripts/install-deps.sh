#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Tallyfold need.
# Runs apt-get only when something is missing, so repeated builds stay quick.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libqt6charts6-dev libqt6opengl6-dev libgl-dev
  xvfb xauth fonts-liberation2
  dpkg-dev file lintian desktop-file-utils appstream
  clang-format clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
