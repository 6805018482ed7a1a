#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Installs the Debian packages Ringfeld needs.
#
#   scripts/install-deps.sh           # to build and run the program
#   scripts/install-deps.sh --tests   # also to build and run every test,
#                                     # fuzz target and benchmark
#
# Safe to run repeatedly: packages already present are skipped.
set -euo pipefail

# To build and run the program (its help documents, icons and man pages are
# built too).
packages=(
  build-essential cmake pkg-config libglib2.0-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev
  qt6-translations-l10n  # Qt's own dialogs in German and French
  fonts-liberation librsvg2-bin help2man
)
# To build and run the tests, the fuzz targets and the benchmarks.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libx11-dev
  desktop-file-utils appstream
  xdg-utils libglib2.0-bin shared-mime-info  # the type of design files (xdg-mime, gio)
  poppler-utils
  python3  # tests/corpus/record.py
  clang libclang-rt-14-dev clang-tidy clang-format
  xdotool imagemagick  # scripts/screenshots.sh
)

case "${1:-}" in
  "") ;;
  --tests) packages+=("${test_packages[@]}") ;;
  *) echo "usage: $0 [--tests]" >&2; exit 2 ;;
esac

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
