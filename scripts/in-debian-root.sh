#!/usr/bin/env bash
# Does what README tells a newcomer, in a freshly debootstrapped Debian of the
# given release: `make test` from nothing, `make package`, the package
# installed with apt and checked by lintian. Or runs COMMAND in the tree there.
# The root is kept in ROOTS (default /var/cache/balance3-roots) and reused, so
# only the first run pays for debootstrap. The tree is copied in anew each time;
# the builds made there are kept, so a rerun builds only what changed.
# usage (as root): in-debian-root.sh RELEASE [COMMAND...]
set -euo pipefail
release=${1:?usage: in-debian-root.sh RELEASE [COMMAND...]}
shift
roots=${ROOTS:-/var/cache/balance3-roots}
root=$roots/$release
src=$(cd "$(dirname "$0")/.." && pwd)

if [[ ! -e $root/.complete ]]; then
  bash "$src/scripts/install-deps.sh" debian-root
  # The mirror this machine's apt already uses for Debian.
  mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Label: Debian' | head -n 1)
  [[ -n $mirror ]] || { echo "in-debian-root: apt knows no Debian mirror" >&2; exit 1; }
  mkdir -p "$roots"
  rm -rf "$root.new"
  echo "in-debian-root: debootstrap $release"
  debootstrap --variant=minbase "$release" "$root.new" "$mirror" >"$root.log" 2>&1 ||
    { tail -n 20 "$root.log" >&2; exit 1; }
  touch "$root.new/.complete"
  mv "$root.new" "$root"
fi

# The tree as it is now, uncommitted changes included.
mkdir -p "$root/root/balance3"
find "$root/root/balance3" -mindepth 1 -maxdepth 1 ! -name 'build*' -exec rm -rf {} +
# Each file copied in is stamped now: with the source's own times, a file
# older than the kept build's objects (a merge, a checkout) would not rebuild.
tar -C "$src" --exclude=./.git --exclude='./build*' -c . | tar -C "$root/root/balance3" -x --touch
cp /etc/resolv.conf "$root/etc/resolv.conf"

if (($# == 0)); then
  # README's commands, then the checks of what a user gets.
  set -- sh -exc '
    apt-get update -q && apt-get install -y -q make
    make test
    make package
    apt-get install -y -q ./build/balance3_*.deb
    apt-get install -y -q --no-install-recommends lintian
    lintian --fail-on error,warning build/balance3_*.deb'
fi

# The mounts live in a namespace of their own, so they go with it however the
# command ends.
unshare --mount --propagation private --fork -- sh -ec '
  root=$1; shift
  mount -t proc proc "$root/proc"
  mount --rbind /dev "$root/dev"
  mount --rbind /sys "$root/sys"
  mount -t tmpfs tmpfs "$root/tmp"
  exec chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    sh -c "cd /root/balance3 && exec \"\$@\"" sh "$@"
' sh "$root" "$@"
