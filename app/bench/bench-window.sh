#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Performance figures of the desktop program (a measurement, not a test):
#  - process start to main window mapped, under Xvfb (median and worst of N runs)
#  - peak resident memory of those runs
#  - one press of the calculate button until every result label is written
#  - opening a design file until its results are shown
#
#   app/bench/bench-window.sh [build-dir] [runs]
# Builds what it needs in build-dir (default: build) and uses a throw-away
# settings folder, so the user's stored language is not touched.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-10}

cmake --build "$build" --target ringfeld ringfeld_x11_probe ringfeld_bench_window ringfeld_bench_open -j2 >/dev/null

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$config/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# All runs in one X server, so its own start-up is not counted.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  for ((i = 0; i < '"$runs"'; i++)); do
    "$0" --timeout-ms 20000 -- "$1" | tr "\n" " "; echo
  done' "$build/app/ringfeld_x11_probe" "$build/app/ringfeld" >"$config/runs.txt"

value() { grep -o "$1=[0-9.]*" "$config/runs.txt" | cut -d= -f2; }
shown=$(value shown_ms | sort -n)
n=$(wc -l <<<"$shown")
median=$(sed -n "$(((n + 1) / 2))p" <<<"$shown")
worst=$(tail -n1 <<<"$shown")
rss=$(value maxrss_kb | sort -n | tail -n1)
clean=$(grep -c 'exit_status=0 ' "$config/runs.txt" || true)
echo "start to window shown: median ${median} ms, worst ${worst} ms ($n runs, $clean ended with status 0)"
awk -v kb="$rss" 'BEGIN { printf "peak memory: %.1f MB\n", kb / 1024 }'

QT_QPA_PLATFORM=offscreen "$build/app/ringfeld_bench_window" 2000 | sed 's/^/calculate button: /'
QT_QPA_PLATFORM=offscreen "$build/app/ringfeld_bench_open" 100
