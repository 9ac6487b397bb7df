#!/bin/sh
# Runs a command in a minimal Debian root of its own, made once and kept.
#
#   debian-root.sh [--i386] SUITE 'PACKAGE...' [-- COMMAND [ARGUMENT...]]
#
# SUITE is a Debian suite (bookworm, trixie, ...); the packages are those the
# command needs beyond debootstrap's minimal base, installed without their
# recommended packages (package:i386 for a 32-bit one). --i386 adds the i386
# architecture to the root and makes sure this machine runs 32-bit x86 code
# (below). Without a command, the root is made if need be and its path
# printed.
#
# The root is made with `debootstrap --variant=minbase` from this machine's
# main Debian archive alone, the one its apt sources name for its own suite
# (DEBIAN_MIRROR overrides it): no security or updates suite, so that its
# amd64 and i386 packages always come from one consistent archive. It is kept
# in DEBIAN_ROOTS (/var/cache/drelvik/roots unless told), outside any clone,
# named after the suite and a hash of the options, the package list and the
# recipe, so that a changed list or recipe gets a new root; roots no longer
# asked for can be deleted by hand. A lock lets one run make a root while the
# others wait for it; a root half made by an interrupted run is made again.
#
# The command runs in the root as it is run here (as the user who called
# sudo, when run through sudo), in the same working folder, with the same
# environment, and sees this machine's /proc, /dev (with /dev/pts and
# /dev/shm), /tmp (so X displays and Wine servers are shared with this
# machine) and this clone at its own path, so that a build folder's paths
# stay valid. The mounts are made in a mount namespace of the run's own:
# they are unmounted when the command ends, fails or is stopped by a signal,
# and no other process, nor another run in the same root, ever sees them.
#
# 32-bit x86 code: some kernels run it themselves; others refuse it ("Exec
# format error"), and there QEMU's user-mode emulation (qemu-user-static) is
# registered with binfmt_misc, with the F flag, which opens the emulator at
# registration so that it serves inside the root too; QEMU_RESERVED_VA is set
# for the command (below). DEBIAN_ROOT_QEMU names the emulator,
# /usr/bin/qemu-i386-static unless told; a registration of another one is
# replaced. DEBIAN_ROOT_I386=emulated registers the emulation even where the
# kernel would run the code. It prints "i386: native" or "i386: emulated" on
# standard error.
#
# Needs root (it calls sudo otherwise), debootstrap, and for --i386 on a
# kernel without 32-bit support qemu-user-static.
set -eu

usage() {
    echo "usage: $0 [--i386] SUITE 'PACKAGE...' [-- COMMAND [ARGUMENT...]]" >&2
    exit 2
}

script=$(realpath "$0")
clone=$(realpath "$(dirname "$script")/..")

if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env "$script" "$@"
fi

# The mounts of this run are its own: everything below runs in a new mount
# namespace, whose mounts go with its last process.
if [ -z "${DEBIAN_ROOT_NAMESPACE:-}" ]; then
    exec unshare --mount --propagation private env DEBIAN_ROOT_NAMESPACE=1 "$script" "$@"
fi
unset DEBIAN_ROOT_NAMESPACE

i386=no
if [ "${1:-}" = --i386 ]; then
    i386=yes
    shift
fi
[ $# -ge 2 ] || usage
suite=$1
packages=$2
shift 2
if [ $# -gt 0 ]; then
    [ "$1" = -- ] || usage
    shift
    [ $# -gt 0 ] || usage
fi

roots=${DEBIAN_ROOTS:-/var/cache/drelvik/roots}
sorted_packages=$(printf '%s\n' $packages | sort -u | tr '\n' ' ')
# The recipe, make_root below, is part of the name: a change to it makes new
# roots.
key=$({ echo "$suite i386=$i386 $sorted_packages"; sed -n '/^make_root() {/,/^}/p' "$script"; } |
    sha256sum | cut -c1-16)
root=$roots/$suite-$key

. "$(dirname "$script")/debian-mirror.sh"

# Runs a command in the root, with this machine's /proc, /dev and /tmp.
mount_system() {
    mount --rbind /dev "$1/dev"
    mount -t proc proc "$1/proc"
    mount --rbind /tmp "$1/tmp"
}

unmount_all() {
    for mount in "$clone" /tmp /proc /dev; do
        umount -R -l "$root$mount" 2>/dev/null || true
    done
    for mount in /tmp /proc /dev; do
        umount -R -l "$root.partial$mount" 2>/dev/null || true
    done
}
trap unmount_all EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Makes sure 32-bit x86 code runs, natively or emulated, given a 32-bit
# program to try (the root's dynamic loader).
enable_i386() {
    loader=$1
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
    emulator=${DEBIAN_ROOT_QEMU:-/usr/bin/qemu-i386-static}
    registered=$(grep -l -s '^interpreter .*qemu-i386' "$binfmt"/* | head -n 1)
    if [ "${DEBIAN_ROOT_I386:-}" != emulated ] && [ -z "$registered" ] && "$loader" --help >/dev/null 2>&1; then
        echo "i386: native" >&2
        return 0
    fi
    if [ -n "$registered" ] && ! grep -q -x "interpreter $emulator" "$registered"; then
        echo -1 >"$registered"
        registered=""
    fi
    if [ -z "$registered" ]; then
        [ -x "$emulator" ] || {
            echo "$0: this kernel runs no 32-bit x86 code, and $emulator is missing (Debian: apt-get install qemu-user-static)" >&2
            exit 1
        }
        # The ELF header of a 32-bit x86 executable or shared object.
        printf '%s\n' ":qemu-i386:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:$emulator:F" \
            >"$binfmt/register"
    elif ! grep -q -x enabled "$registered"; then
        echo 1 >"$registered"
    fi
    "$loader" --help >/dev/null 2>&1 || {
        echo "$0: $loader does not run, even under QEMU's emulation" >&2
        exit 1
    }
    echo "i386: emulated" >&2
    # The emulator reserves the program's whole 4 GB at once, which spares
    # 32-bit Wine's start tens of thousands of trial mappings that QEMU would
    # each make in this machine's memory.
    export QEMU_RESERVED_VA=0xffff0000
}

root_loader() {
    echo "$1/usr/lib/i386-linux-gnu/ld-linux.so.2"
}

in_root() { # ROOT COMMAND...
    target=$1
    shift
    env DEBIAN_FRONTEND=noninteractive chroot "$target" "$@"
}

make_root() {
    partial=$root.partial
    rm -rf "$partial"
    mirror=${DEBIAN_MIRROR:-$(host_mirror)}
    [ -n "$mirror" ] || mirror=http://deb.debian.org/debian
    echo "== making the $suite root $root from $mirror" >&2
    debootstrap --variant=minbase "$suite" "$partial" "$mirror" >&2
    # No service starts inside the root while packages are installed.
    printf '#!/bin/sh\nexit 101\n' >"$partial/usr/sbin/policy-rc.d"
    chmod +x "$partial/usr/sbin/policy-rc.d"
    mount_system "$partial"
    if [ "$i386" = yes ]; then
        in_root "$partial" dpkg --add-architecture i386
        in_root "$partial" apt-get update >&2
        # The 32-bit C library first, which runs no 32-bit code to install:
        # the packages after it may.
        in_root "$partial" apt-get install -y --no-install-recommends libc6:i386 >&2
        enable_i386 "$(root_loader "$partial")"
    fi
    if [ -n "$sorted_packages" ]; then
        # shellcheck disable=SC2086
        in_root "$partial" apt-get install -y --no-install-recommends $sorted_packages >&2
    fi
    in_root "$partial" apt-get clean
    for mount in /tmp /proc /dev; do
        umount -R "$partial$mount"
    done
    mv "$partial" "$root"
    echo "== made the $suite root in $(($(date +%s) - started)) s" >&2
}

mkdir -p "$roots"
started=$(date +%s)
(
    flock 9
    [ -d "$root" ] || make_root
) 9>"$root.lock"

if [ $# -eq 0 ]; then
    echo "$root"
    exit 0
fi

[ "$i386" = no ] || enable_i386 "$(root_loader "$root")"
mount_system "$root"
mkdir -p "$root$clone"
mount --rbind "$clone" "$root$clone"

user=""
if [ -n "${SUDO_UID:-}" ] && [ "$SUDO_UID" -ne 0 ]; then
    user="setpriv --reuid=$SUDO_UID --regid=$SUDO_GID --clear-groups"
fi
# The command's exit status is this script's; the trap unmounts after it.
set +e
# shellcheck disable=SC2086
chroot "$root" $user sh -c 'cd "$1" 2>/dev/null || cd /; shift; exec "$@"' sh "$PWD" "$@"
status=$?
set -e
exit $status
