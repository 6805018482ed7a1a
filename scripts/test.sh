#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Installs what is missing, builds everything (warnings are errors) and runs
# every test: the unit and window tests with the regression corpus, clang-tidy
# over the program's sources, each fuzz target for a bounded time
# (RINGFELD_FUZZ_SECONDS, default 8: a smoke run that keeps the whole run
# within CI's 15 minutes; fuzz longer with scripts/fuzz.sh), and the whole
# suite again, in the same build as the fuzz targets: clang,
# AddressSanitizer and UndefinedBehaviorSanitizer.
# Any failure or finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)")
scripts/tidy.sh build
scripts/fuzz.sh "${RINGFELD_FUZZ_SECONDS:-8}"
scripts/test-sanitized.sh
