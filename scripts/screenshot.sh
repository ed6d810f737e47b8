#!/usr/bin/env bash
# Runs the calculator on a virtual screen with a window manager, drives it with
# real key presses and saves what a person would see: the main window after
# F9, the warning dialog and the help window with its pictures; then the same
# at twice the scale, as on a high-density screen.
set -euo pipefail

program=${1:?usage: screenshot.sh PROGRAM OUTDIR}
outdir=${2:?usage: screenshot.sh PROGRAM OUTDIR}
mkdir -p "$outdir"
export DISPLAY=:${SCREENSHOT_DISPLAY:-97}

Xvfb "$DISPLAY" -screen 0 2000x1700x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
# A window mapped while openbox is still starting may never be managed, so the
# calculator starts once the window manager has announced itself.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done

window_of() { xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
shoot() { sleep 0.6; import -frame -window "$(window_of "$1")" "$outdir/$2"; echo "saved $outdir/$2"; }

# One session at the given scale; the file names get the suffix.
session() {
  local scale=$1 suffix=$2
  # The default readings are written with a comma.
  LC_ALL=de_DE.UTF-8 QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1 &
  local app=$!
  window_of "Balancing calculator" >/dev/null
  xdotool key F9
  shoot "Balancing calculator" "main-window$suffix.png"
  xdotool key F8 F9
  shoot "Warning !!!" "warning-dialog$suffix.png"
  xdotool key Escape
  xdotool key F1
  shoot "^About$" "help-window$suffix.png"
  # The page's pictures, reached as a reader would with the keys (Tab goes
  # to the buttons, not the links), each counted from the top: the angle,
  # the splitting of a weight, the worked example.
  xdotool key Next Next Next Next $(printf 'Down %.0s' {1..13})
  shoot "^About$" "help-angle$suffix.png"
  xdotool key Home Next Next Next Next Next Next
  shoot "^About$" "help-split$suffix.png"
  xdotool key Home $(printf 'Next %.0s' {1..12}) $(printf 'Down %.0s' {1..8})
  shoot "^About$" "help-example$suffix.png"
  xdotool key F10
  sleep 0.5
  xdotool key F10
  # F10 ends the program; make sure of it before the next session starts.
  for _ in $(seq 30); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill "$app" 2>/dev/null && { echo "the calculator did not end on F10" >&2; return 1; }
  return 0
}

session 1 ""
session 2 "@2x"
