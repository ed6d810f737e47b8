#!/usr/bin/env bash
# Runs the calculator on a virtual screen with a window manager, drives it with
# real key presses and saves what a person would see: the main window after
# F9, the warning dialog and the help window.
set -euo pipefail

program=${1:?usage: screenshot.sh PROGRAM OUTDIR}
outdir=${2:?usage: screenshot.sh PROGRAM OUTDIR}
mkdir -p "$outdir"
export DISPLAY=:${SCREENSHOT_DISPLAY:-97}

Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &

# The default readings are written with a comma.
LC_ALL=de_DE.UTF-8 "$program" >/dev/null 2>&1 &
app=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT

window_of() { xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
shoot() { sleep 0.6; import -frame -window "$(window_of "$1")" "$outdir/$2"; echo "saved $outdir/$2"; }

window_of "Balancing calculator" >/dev/null
xdotool key F9
shoot "Balancing calculator" main-window.png

xdotool key F8 F9
shoot "Warning !!!" warning-dialog.png
xdotool key Escape

xdotool key F1
shoot "^About$" help-window.png
xdotool key F10

xdotool key F10
wait $app
