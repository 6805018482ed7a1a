#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Builds the fuzz targets (clang, in the sanitized build build-asan/, which
# scripts/test-sanitized.sh shares) and runs each for a bounded time, as many
# at once as there are cores (RINGFELD_FUZZ_JOBS). A finding of any target
# (crash, sanitizer report, failed check, leak, timeout) fails the run; the
# input that caused it is kept in the build dir.
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
build=build-asan  # binaryDir of the "asan" preset
jobs=${RINGFELD_FUZZ_JOBS:-$(nproc)}

if (($# > 0)); then
  targets=("$@")
else
  targets=()
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

cmake --preset asan >/dev/null
cmake --build "$build" --target "${targets[@]}" -j"$jobs"

# Every finding stops the run and fails it.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

run=$build/fuzz-run
rm -rf "$run"
mkdir -p "$run"

# One target's run; its result goes to $run/<target>.result.
fuzz_one() {
  local target=$1 binary=$build/fuzz/$1 seeds=fuzz/corpus/$1 log=$run/$1.log result
  mkdir -p "$run/corpus/$target"
  local options=(-max_total_time="$seconds" -timeout=30 -print_final_stats=1 -artifact_prefix="$run/$target-")
  [[ -f fuzz/$target.dict ]] && options+=(-dict="fuzz/$target.dict")
  if "$binary" "${options[@]}" "$run/corpus/$target" "$seeds" >"$log" 2>&1; then
    result=ok
  else
    result=FINDING
  fi
  echo "$result" >"$run/$target.result"
}

for target in "${targets[@]}"; do
  [[ -x $build/fuzz/$target ]] || { echo "fuzz.sh: no fuzz target $target" >&2; exit 2; }
  [[ -d fuzz/corpus/$target ]] || { echo "fuzz.sh: no seed corpus fuzz/corpus/$target" >&2; exit 2; }
done

# Each libFuzzer run uses one core: as many targets run at once as there are
# jobs, so the stage takes about ceil(targets / jobs) x seconds.
for target in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= jobs)); do wait -n || true; done
  echo "== $target: ${seconds}s"
  fuzz_one "$target" &
done
wait

status=0
summary=()
for target in "${targets[@]}"; do
  result=$(cat "$run/$target.result" 2>/dev/null || echo FINDING)
  if [[ $result != ok ]]; then
    status=1
    grep -E '\*\*\* fuzz check failed|ERROR: |SUMMARY: |runtime error' "$run/$target.log" | head -5 >&2 || true
    ls "$run/$target-"* 2>/dev/null | sed 's/^/   input: /' >&2 || true
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/$target.log" | tail -1)
  summary+=("$(printf '%-20s %12s executions  %s' "$target" "${executions:-?}" "$result")")
done

echo
printf '%s\n' "${summary[@]}"
echo "logs and inputs: $run"
exit $status
