#!/bin/sh
# Makes sure this machine can execute 32-bit x86 Linux programs, which
# 32-bit Wine is, and prints how it does: "native" where the kernel runs them
# itself, "emulated" where QEMU's user-mode emulation runs them. A kernel
# built without 32-bit support refuses them ("Exec format error"); then the
# emulation is registered with binfmt_misc (as root, through sudo otherwise),
# unless a registration for 32-bit x86 programs is there already, which is
# kept as it is. binfmt_misc is asked before the kernel's own loader, so a
# machine that runs them natively gets no registration.
#   enable-i386.sh
set -eu
loader=/lib/ld-linux.so.2
binfmt=/proc/sys/fs/binfmt_misc
as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo

runs_32_bit() {
    "$loader" --help >/dev/null 2>&1
}

# An enabled registration whose interpreter is QEMU's for i386.
emulation_registered() {
    grep -l -s -x 'enabled' "$binfmt"/* | while read -r entry; do
        grep -q '^interpreter .*qemu-i386' "$entry" && echo "$entry"
    done | grep -q .
}

[ -e "$loader" ] || { echo "no $loader: the 32-bit C library (libc6:i386) is missing" >&2; exit 1; }
if runs_32_bit; then
    if emulation_registered; then echo emulated; else echo native; fi
    exit 0
fi

[ -e "$binfmt/register" ] || $as_root mount -t binfmt_misc binfmt_misc "$binfmt"
if ! emulation_registered; then
    # The ELF header of a 32-bit x86 executable or shared object; F opens the
    # interpreter now, so that it serves every mount namespace.
    printf '%s\n' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
        $as_root tee "$binfmt/register" >/dev/null
fi
runs_32_bit || { echo "$loader does not run, even under QEMU's emulation" >&2; exit 1; }
echo emulated
