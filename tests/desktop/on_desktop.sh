#!/usr/bin/env bash
# Runs a program on a virtual X screen of the given size under a real window
# manager (openbox), on a free display, and ends both when it is done.
# usage: on_desktop.sh WIDTHxHEIGHT PROGRAM [ARGS...]
set -euo pipefail
size=${1:?usage: on_desktop.sh WIDTHxHEIGHT PROGRAM [ARGS...]}
shift

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it once the server is ready.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$scratch/display" \
  >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s $scratch/display ]] && break; sleep 0.05; done
[[ -s $scratch/display ]] || { cat "$scratch/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(<"$scratch/display")

# Its own settings, less the animation of minimising and restoring, so a
# restored window stands still when it is seen.
sed 's|<animateIconify>yes</animateIconify>|<animateIconify>no</animateIconify>|' \
  /etc/xdg/openbox/rc.xml >"$scratch/rc.xml"
openbox --sm-disable --config-file "$scratch/rc.xml" >"$scratch/openbox.log" 2>&1 &
pids+=($!)
# The window manager is in charge once it has announced itself on the root.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
  { cat "$scratch/openbox.log" >&2; echo "openbox did not start" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$@"
