#!/usr/bin/env bash
# Runs a program as a client of a headless Wayland compositor (weston) and
# ends the compositor when it is done.
# usage: on_weston.sh PROGRAM [ARGS...]
set -euo pipefail
(($# > 0)) || { echo "usage: on_weston.sh PROGRAM [ARGS...]" >&2; exit 2; }

XDG_RUNTIME_DIR=$(mktemp -d)  # mode 0700, as Wayland wants
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-balance3
weston=
cleanup() {
  [[ -n $weston ]] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && break; sleep 0.05; done
[[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] ||
  { cat "$XDG_RUNTIME_DIR/weston.log" >&2; echo "weston did not start" >&2; exit 1; }

QT_QPA_PLATFORM=wayland "$@"
