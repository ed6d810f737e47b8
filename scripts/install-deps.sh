#!/usr/bin/env bash
# Installs the Debian packages that a goal needs, and only those that are missing,
# so a machine that has everything pays one dpkg-query and prints nothing.
set -euo pipefail

build=(cmake make g++ pkg-config qt6-base-dev libxcb1-dev fonts-liberation weasyprint)
declare -A extra=(
  [build]=""
  [test]="libgtest-dev qpdf desktop-file-utils appstream xvfb openbox metacity xdotool x11-utils weston mutter qt6-wayland dbus-daemon at-spi2-core python3-pyatspi"
  [bench]="libbenchmark-dev python3 xvfb"
  [package]="dpkg-dev file"
  [fuzz]="clang libclang-rt-dev"
  [screenshot]="xvfb x11-utils xdotool openbox imagemagick poppler-utils"
  [debian-root]="debootstrap"
)

goal=${1:-build}
[[ -v "extra[$goal]" ]] || { echo "install-deps: unknown goal '$goal'" >&2; exit 2; }
# shellcheck disable=SC2206
wanted=(${extra[$goal]})
# A Debian root builds in itself: the host needs nothing else for it.
[[ $goal == debian-root ]] || wanted+=("${build[@]}")

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$pkg")
done
((${#missing[@]} == 0)) && exit 0

# A bare Debian has no sudo, and nothing else here can become root: the goal cannot go
# on, so say in one line what to run in a root shell.
if ((EUID != 0)) && ! command -v sudo >/dev/null; then
  echo "install-deps: missing Debian packages and no sudo to install them; as root, run:" \
    "apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
sudo=()
((EUID == 0)) || sudo=(sudo)
echo "install-deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
