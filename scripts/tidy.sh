#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Runs clang-tidy with the checks of .clang-tidy over every source file of the
# program (not the tests, benchmarks or fuzz targets); any finding fails.
#
#   scripts/tidy.sh [build-dir]     (default: build, configured by the dev preset)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[[ -f $build/compile_commands.json ]] || { echo "tidy.sh: no $build/compile_commands.json (cmake --preset dev)" >&2; exit 2; }

# Without the precompiled Qt headers (cmake/Precompiled.cmake): clang cannot
# read GCC's, and each source is checked with the includes it names itself, so
# an include the precompiled headers made up for fails here.
mkdir -p "$build/tidy"
sed -E 's# -Winvalid-pch -include [^ ]*/cmake_pch\.hxx##g' "$build/compile_commands.json" >"$build/tidy/compile_commands.json"

mapfile -t files < <(git ls-files '*.cpp' | grep -E '^(core|text|presentation|finder|export|platform|windows|app|cli)/' | grep -v '/bench/')
log=$build/clang-tidy.log
run-clang-tidy -p "$build/tidy" -quiet -j"$(($(nproc) + 1))" "${files[@]}" >"$log" 2>&1 || true
findings=$(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '^/.*: (warning|error):' | sort -u || true)
if [[ -n $findings ]]; then
  printf '%s\n' "$findings"
  echo "tidy.sh: $(printf '%s\n' "$findings" | wc -l) findings in ${#files[@]} files (log: $log)" >&2
  exit 1
fi
echo "tidy.sh: no findings in ${#files[@]} files"
