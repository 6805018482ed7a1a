#!/usr/bin/env bash
# Starts the real ringfeld in a fresh X server, waits for its main window,
# closes it as a window manager's close box would and expects exit status 0
# and the language written to the settings store.
#   smoke_xvfb.sh <ringfeld> <ringfeld_x11_probe>
set -euo pipefail
program=$1
probe=$2

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

# Never the user's own settings.
export XDG_CONFIG_HOME=$config
export XDG_RUNTIME_DIR=$config/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

out=$(xvfb-run -a -s "-screen 0 1024x768x24" "$probe" --timeout-ms 20000 -- "$program")
echo "$out"
grep -q '^exit_status=0$' <<<"$out"
grep -qx 'Sprache=deutsch' "$config/Ringfeld/Ringfeld.conf"
