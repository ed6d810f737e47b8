#!/usr/bin/env bash
# Checks that the sources give the same package wherever and whenever they are
# built: `make package` here (reusing ./build), then again from a copy of the
# tree in a folder of another name, with another umask and time zone, without
# ccache, and the two .deb files compared byte for byte. When they differ it
# says which members differ, and how the archives' listings (modes, times,
# order) do.
# usage: check-reproducible.sh
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
cd "$src"
make package
first=(build/balance3_*.deb)

work=$(mktemp -d /tmp/balance3-rebuild.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/sources-elsewhere"
tar --exclude=./.git --exclude='./build*' -c . | tar -C "$work/sources-elsewhere" -x
(cd "$work/sources-elsewhere" && umask 002 && TZ=Pacific/Kiritimati CCACHE_DISABLE=1 make package)
second=("$work"/sources-elsewhere/build/balance3_*.deb)

if cmp "${first[0]}" "${second[0]}"; then
  echo "check-reproducible: the two builds gave the same package"
  exit 0
fi
# Each package unpacked, with the listings of its ar archive and of its data.
unpack() {
  ar tv "$1" >"$work/$2.ar"
  dpkg-deb -c "$1" >"$work/$2.listing"
  dpkg-deb -R "$1" "$work/$2"
}
unpack "${first[0]}" here
unpack "${second[0]}" elsewhere
echo "check-reproducible: the two builds gave different packages:" >&2
diff "$work/here.ar" "$work/elsewhere.ar" >&2 || true
diff "$work/here.listing" "$work/elsewhere.listing" >&2 || true
diff -rq "$work/here" "$work/elsewhere" >&2 || true
exit 1
