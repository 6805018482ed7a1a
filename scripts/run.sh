#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Installs what the program needs, builds the program alone (no tests, no
# benchmarks) into build-run/, and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
  echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set): start Ringfeld in a desktop session" >&2
  exit 1
fi

scripts/install-deps.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DRINGFELD_BUILD_TESTS=OFF -DRINGFELD_BUILD_BENCHMARKS=OFF \
      -DRINGFELD_SANITIZE=OFF -DRINGFELD_FUZZ=OFF
cmake --build build-run -j"$(nproc)" --target ringfeld ringfeld_help_pdfs
exec build-run/app/ringfeld "$@"
