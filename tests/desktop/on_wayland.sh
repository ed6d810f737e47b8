#!/usr/bin/env bash
# Runs a program as a client of a headless Wayland compositor and ends the
# compositor when it is done. weston knows no modal windows; mutter (GNOME's
# compositor) takes real input through its remote-desktop interface on the
# session bus, so run it inside `dbus-run-session`.
# usage: on_wayland.sh weston|mutter PROGRAM [ARGS...]
set -euo pipefail
usage="usage: on_wayland.sh weston|mutter PROGRAM [ARGS...]"
compositor=${1:?$usage}
shift
(($# > 0)) || { echo "$usage" >&2; exit 2; }

XDG_RUNTIME_DIR=$(mktemp -d)  # mode 0700, as Wayland wants
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-balance3
server=
cleanup() {
  [[ -n $server ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

# Each runs in place of the subshell that starts it, so that it gets the
# signal that ends it.
case $compositor in
  weston)
    exec weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 ;;
  # No Xwayland: other tests' X servers may hold the display numbers.
  mutter)
    exec mutter --wayland --headless --no-x11 --wayland-display "$WAYLAND_DISPLAY" \
      --virtual-monitor 1280x1024 ;;
  *) echo "$usage" >&2; exit 2 ;;
esac >"$XDG_RUNTIME_DIR/compositor.log" 2>&1 &
server=$!
for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && break; sleep 0.05; done
[[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] ||
  { cat "$XDG_RUNTIME_DIR/compositor.log" >&2; echo "$compositor did not start" >&2; exit 1; }

QT_QPA_PLATFORM=wayland "$@"
