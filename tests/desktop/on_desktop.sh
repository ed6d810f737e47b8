#!/usr/bin/env bash
# Runs a program on a virtual X screen of the given size under a real window
# manager, on a free display, and ends both when it is done.
set -euo pipefail
usage="usage: on_desktop.sh openbox|metacity WIDTHxHEIGHT PROGRAM [ARGS...]"
wm=${1:?$usage}
size=${2:?$usage}
shift 2

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Waits up to five seconds for a command to succeed; says what failed.
wait_for() {
  local what=$1 log=$2
  shift 2
  for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.05; done
  cat "$log" >&2
  echo "on_desktop: $what did not start" >&2
  exit 1
}

# Xvfb picks a free display number and writes it once the server is ready.
# -noreset: an X server resets whenever its last client leaves and turns new
# clients away meanwhile; the check for openbox below comes and goes before
# openbox may have connected.
Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp 3>"$scratch/display" \
  >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
wait_for "Xvfb" "$scratch/xvfb.log" test -s "$scratch/display"
export DISPLAY=:$(<"$scratch/display")

case $wm in
  # Its own settings, less the animation of minimising and restoring, so a
  # restored window stands still when it is seen.
  openbox)
    sed 's|<animateIconify>yes</animateIconify>|<animateIconify>no</animateIconify>|' \
      /etc/xdg/openbox/rc.xml >"$scratch/rc.xml"
    openbox --sm-disable --config-file "$scratch/rc.xml" >"$scratch/wm.log" 2>&1 &
    ;;
  metacity) metacity >"$scratch/wm.log" 2>&1 & ;;
  *) echo "$usage" >&2; exit 2 ;;
esac
pids+=($!)
# The window manager is in charge once it has announced itself on the root.
wait_for "$wm" "$scratch/wm.log" \
  sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"

QT_QPA_PLATFORM=xcb "$@"
