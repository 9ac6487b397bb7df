#!/bin/sh
# Installs the Debian package into a fresh, minimal Debian 12 made with
# debootstrap, so that only what the package declares comes with it; then
# validates its desktop entry, starts the installed program in a virtual X
# server until its window shows, and removes the package again.
# Needs root, debootstrap, desktop-file-utils and the X tools of
# scripts/virtual-display.sh. Takes a few minutes: run by hand, not by ctest.
# DEBOOTSTRAP_CACHE names a folder that keeps the downloaded base system.
# Usage: packaging/check_package.sh build-package/drelvik_VERSION_amd64.deb
set -eu
deb=$(realpath "$1")
scripts=$(realpath "$(dirname "$0")/../scripts")

root=$(mktemp -d /tmp/drelvik-root.XXXXXX)
remove_root() {
    # Lazily, since any program that walks the file system can keep /proc
    # busy; once detached it no longer lies below what is removed. Stacked
    # mounts are possible: debootstrap mounts /proc too.
    while mountpoint -q "$root/proc"; do
        umount --lazy "$root/proc" || return
    done
    rm -rf --one-file-system "$root"
}
trap remove_root EXIT
trap 'exit 1' INT TERM

echo "== a minimal Debian 12 in $root"
debootstrap --variant=minbase ${DEBOOTSTRAP_CACHE:+--cache-dir="$DEBOOTSTRAP_CACHE"} \
    bookworm "$root" http://deb.debian.org/debian >"$root.log" 2>&1 ||
    { tail -n 20 "$root.log" >&2; exit 1; }
rm -f "$root.log"
mount -t proc proc "$root/proc"
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }

# Without recommended packages: what the package depends on must be enough.
echo "== apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -q
in_root apt-get install -y -q --no-install-recommends "./tmp/$(basename "$deb")"

echo "== every library found, the program's and its X11 platform plugin's"
missing=$(in_root sh -c 'ldd /usr/bin/drelvik /usr/lib/*/qt6/plugins/platforms/libqxcb.so' | grep 'not found' || true)
[ -z "$missing" ] || { echo "FAIL: missing libraries:" >&2; echo "$missing" >&2; exit 1; }

echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/drelvik.desktop"
[ -f "$root/usr/share/icons/hicolor/32x32/apps/drelvik.png" ] ||
    { echo "FAIL: the icon is not installed" >&2; exit 1; }

echo "== the installed program starts"
. "$scripts/await-screen.sh"
. "$scripts/virtual-display.sh"
trap 'stop_virtual_display; remove_root' EXIT
# The program reaches the server through its abstract socket, which the
# chroot shares with the machine.
mkdir -m 700 "$root/tmp/runtime"
start_window chroot "$root" env XDG_RUNTIME_DIR=/tmp/runtime LANG=C.UTF-8 /usr/bin/drelvik
import -window "$window" "$(dirname "$deb")/installed.png"
echo "its window shows; picture: $(dirname "$deb")/installed.png"
kill "$program"
program=""

echo "== apt-get remove drelvik"
in_root apt-get remove -y -q drelvik
[ ! -e "$root/usr/bin/drelvik" ] || { echo "FAIL: the program is left after removal" >&2; exit 1; }
echo "the package installs, starts and removes cleanly"
