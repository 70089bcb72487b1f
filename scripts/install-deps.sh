#!/usr/bin/env bash
# Every Debian package that the build, the tests, the fuzz targets, the
# benchmarks and the demo need. Installs only what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  libjpeg-dev libuemf-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  poppler-utils xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
