#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (the "asan" preset, build-asan/, which also holds the fuzz targets) and runs the whole test suite there, window tests
# included (offscreen), except the two byte comparisons of the help documents.
# Any sanitizer finding fails its test and so the run.
#
#   scripts/test-sanitized.sh
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${RINGFELD_JOBS:-$(($(nproc) + 1))}  # one more than cores, as scripts/build.sh

cmake --preset asan
cmake --build --preset asan -j"$jobs"

# Stop at the first finding and report leaks. Only leaks inside system
# libraries are suppressed (cmake/lsan-third-party.supp), never the program's.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1:strict_init_order=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/cmake/lsan-third-party.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen

# The help documents are rendered by this build's sanitized ringfeld-helpgen
# while it builds (a finding fails the build); comparing their bytes again here
# would only repeat the plain build's tests at four times the cost.
ctest --preset asan -j"$(nproc)" -E '^(corpus_help_pdfs|help_pdf_reproducible)$'
