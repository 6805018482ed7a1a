#!/usr/bin/env bash
# Installs the Debian packages Ringfeld needs to build, run and test.
# Safe to run repeatedly: packages already present are skipped.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev poppler-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-liberation libx11-dev
  desktop-file-utils appstream
  help2man
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
