#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Builds the fuzz targets with clang and runs each for a bounded time.
# Fails on the first finding of any target (crash, sanitizer report, failed
# check, leak, timeout); the input that caused it is kept in the build dir.
#
#   scripts/fuzz.sh [seconds-per-target] [target ...]
#
# Default: 60 seconds for every target that has a seed corpus in fuzz/corpus.
# Runs start from the seed corpus and grow a scratch copy in the build dir;
# the seeds in the repository are never written.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
build=build-fuzz  # binaryDir of the "fuzz" preset
jobs=${RINGFELD_FUZZ_JOBS:-2}

if (($# > 0)); then
  targets=("$@")
else
  targets=()
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

cmake --preset fuzz >/dev/null
cmake --build "$build" --target "${targets[@]}" -j"$jobs"

# Every finding stops the run and fails it.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

run=$build/fuzz-run
rm -rf "$run"
mkdir -p "$run"

status=0
summary=()
for target in "${targets[@]}"; do
  binary=$build/fuzz/$target
  seeds=fuzz/corpus/$target
  [[ -x $binary ]] || { echo "fuzz.sh: no fuzz target $target" >&2; exit 2; }
  [[ -d $seeds ]] || { echo "fuzz.sh: no seed corpus $seeds" >&2; exit 2; }
  mkdir -p "$run/corpus/$target"
  options=(-max_total_time="$seconds" -timeout=30 -print_final_stats=1 -artifact_prefix="$run/$target-")
  [[ -f fuzz/$target.dict ]] && options+=(-dict="fuzz/$target.dict")

  echo "== $target: ${seconds}s"
  log=$run/$target.log
  if "$binary" "${options[@]}" "$run/corpus/$target" "$seeds" >"$log" 2>&1; then
    result=ok
  else
    result=FINDING
    status=1
    grep -E '\*\*\* fuzz check failed|ERROR: |SUMMARY: |runtime error' "$log" | head -5 >&2 || true
    ls "$run/$target-"* 2>/dev/null | sed 's/^/   input: /' >&2 || true
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  summary+=("$(printf '%-20s %12s executions  %s' "$target" "${executions:-?}" "$result")")
done

echo
printf '%s\n' "${summary[@]}"
echo "logs and inputs: $run"
exit $status
