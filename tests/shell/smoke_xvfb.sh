#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
# Starts the real ringfeld in a fresh X server, waits for its main window,
# opens the coupling window with Ctrl+A, closes that with its close box (it
# must only hide), opens it again, then closes the main window as a window
# manager's close box would and expects exit status 0 and the language
# written to the settings store.
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
unset QT_QPA_PLATFORM LANGUAGE
# A German desktop: with nothing stored the program starts in its language.
export LC_ALL=de_DE.UTF-8

out=$(xvfb-run -a -s "-screen 0 1024x768x24" "$probe" --timeout-ms 20000 --second-window-key a -- "$program")
echo "$out"
grep -q '^second_shown=yes$' <<<"$out"
grep -q '^second_hidden_by_close_box=yes$' <<<"$out"
grep -q '^second_shown_again=yes$' <<<"$out"
grep -q '^exit_status=0$' <<<"$out"
grep -qx 'Sprache=deutsch' "$config/Ringfeld/Ringfeld.conf"
