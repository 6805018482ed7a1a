#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
#
# Takes the documentation's screenshots from the built program under Xvfb: the
# main window with the worked example calculated (the start values, button Loop) and
# the coupling window sized for it, and the tuning-range window with its first-start
# fields, in English as
#   docs/screenshots/main-window.png, docs/screenshots/coupling-window.png,
#   docs/screenshots/tuning-window.png
# and in German and French as main-window-de.png, coupling-window-fr.png, ...
# The help documents show the main and tuning-range windows. Nothing of the user's is read or
# written: each language starts with an empty settings store, so the program
# takes the desktop's language.
#
#   scripts/screenshots.sh [PROGRAM]      (default: build/app/ringfeld)
#
# Needs xvfb-run (xvfb), xdotool and import (imagemagick).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/app/ringfeld}")
out=$root/docs/screenshots
settle=1  # seconds for a window to draw itself after a key

if [[ -z ${RINGFELD_UNDER_XVFB:-} ]]; then
  exec env RINGFELD_UNDER_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program"
fi
mkdir -p "$out"

# The visible, named windows of a process, oldest first (the root window
# matches an empty pattern too, and has no name).
windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$1" --name '' 2>/dev/null); do
    [[ -n $(xdotool getwindowname "$w") ]] && echo "$w"
  done
  return 0
}

shoot() {  # LOCALE SUFFIX COUPLING-CALCULATE-KEY
  local locale=$1 suffix=$2 calculate=$3 config pid main coupling="" tuning=""
  config=$(mktemp -d)
  env -u LANGUAGE LC_ALL="$locale" LANG="$locale" XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb "$program" &
  pid=$!
  for _ in $(seq 50); do main=$(windows "$pid" | head -n1); [[ -n $main ]] && break; sleep 0.2; done
  [[ -n $main ]] || { echo "screenshots: no window from $program" >&2; kill "$pid"; exit 1; }

  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers alt+l    # the button Loop
  sleep "$settle"
  import -window "$main" "$out/main-window$suffix.png"

  xdotool key --clearmodifiers ctrl+a   # Action > Calculate > Coupling loop
  for _ in $(seq 50); do coupling=$(windows "$pid" | grep -vx "$main" | head -n1 || true); [[ -n $coupling ]] && break; sleep 0.2; done
  [[ -n $coupling ]] || { echo "screenshots: no coupling window" >&2; kill "$pid"; exit 1; }
  xdotool windowfocus --sync "$coupling"
  xdotool key --clearmodifiers "$calculate"
  sleep "$settle"
  import -window "$coupling" "$out/coupling-window$suffix.png"

  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers ctrl+t   # Action > Calculate > Tuning range
  for _ in $(seq 50); do tuning=$(windows "$pid" | grep -vx -e "$main" -e "$coupling" | head -n1 || true); [[ -n $tuning ]] && break; sleep 0.2; done
  [[ -n $tuning ]] || { echo "screenshots: no tuning-range window" >&2; kill "$pid"; exit 1; }
  sleep "$settle"
  import -window "$tuning" "$out/tuning-window$suffix.png"

  kill "$pid"; wait "$pid" 2>/dev/null || true
  rm -rf "$config"
  echo "docs/screenshots/main-window$suffix.png, coupling-window$suffix.png, tuning-window$suffix.png"
}

shoot en_GB.UTF-8 "" alt+c
shoot de_DE.UTF-8 -de alt+b
shoot fr_FR.UTF-8 -fr alt+c
