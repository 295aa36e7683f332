#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need; only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 libgl1-mesa-dev
  libzip-dev zip unzip curl
  time  # GNU time: the peak memory of a whole process in the unzip benchmark
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
