#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop and the
# program itself rely on; runs the desktop validators when they are there.
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
id=example.kelvaro.balance3

[[ -x $prefix/lib/balance3/balance3 ]] || fail "program not in lib/balance3"
[[ -f $prefix/lib/balance3/vantrel.html ]] || fail "help page not beside the program"
pictures=$(grep -o '<img src="[^"]*"' "$prefix/lib/balance3/vantrel.html" | cut -d'"' -f2) ||
  fail "no pictures in the help page"
for picture in $pictures; do
  [[ -s $prefix/lib/balance3/$picture && -s $prefix/lib/balance3/${picture%.png}@2x.png ]] ||
    fail "$picture not beside the help page at 1x and 2x"
done
[[ $(readlink -f "$prefix/bin/balance3") == "$prefix/lib/balance3/balance3" ]] ||
  fail "bin/balance3 does not lead to the program"
doc=$prefix/share/doc/balance3
[[ -s $doc/Kestrune_manual.pdf ]] || fail "manual not in $doc"
grep -q "^License: GPL-3+" "$doc/copyright" || fail "no licence in $doc/copyright"
zgrep -q '^balance3 (' "$doc/changelog.gz" || fail "no changelog in $doc"
zgrep -q '^\.TH BALANCE3 1' "$prefix/share/man/man1/balance3.1.gz" || fail "no manual page"

desktop=$prefix/share/applications/$id.desktop
grep -qx "Path=$doc" "$desktop" || fail "desktop entry does not start in the manual's folder"
grep -qx "StartupWMClass=$id" "$desktop" || fail "desktop entry does not name the windows' class"
for size in 16 22 24 32 48 64 128 256; do
  [[ -s $prefix/share/icons/hicolor/${size}x$size/apps/$id.png ]] || fail "no ${size}px icon"
done
[[ -s $prefix/share/icons/hicolor/scalable/apps/$id.svg ]] || fail "no scalable icon"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"
fi
echo "installed layout ok"
