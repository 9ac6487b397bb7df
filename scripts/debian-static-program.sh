#!/bin/sh
# Prints the path of a statically linked program from another Debian
# release's package, downloaded once and kept, for a tool this machine's own
# Debian has only in an older, slower version.
#
#   debian-static-program.sh SUITE PACKAGE PATH
#
# PATH is the program's path inside the package (usr/bin/qemu-i386). The
# package comes from the suite's main component on this machine's main
# archive (DEBIAN_MIRROR overrides it), through an apt of its own whose lists
# and downloads stay beside the kept program, so that this machine's apt
# sources and state are never touched. It is kept in
# DEBIAN_PROGRAMS/SUITE/PACKAGE_VERSION (/var/cache/drelvik/programs unless
# told) and taken from there while the suite offers that version
# (the epoch's colon written %3a, as apt writes it in file names). Only the
# program is kept: a static program needs none of the release's libraries,
# so no root of that release is made.
#
# Needs root (it calls sudo otherwise) and dpkg-deb.
set -eu

[ $# -eq 3 ] || { echo "usage: $0 SUITE PACKAGE PATH" >&2; exit 2; }
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env "$(realpath "$0")" "$@"
fi
suite=$1
package=$2
path=$3

. "$(dirname "$0")/debian-mirror.sh"
mirror=${DEBIAN_MIRROR:-$(host_mirror)}
[ -n "$mirror" ] || mirror=http://deb.debian.org/debian
store=${DEBIAN_PROGRAMS:-/var/cache/drelvik/programs}/$suite
mkdir -p "$store/apt/lists/partial" "$store/apt/archives/partial"
echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $suite main" >"$store/apt/sources.list"

own_apt() { # apt-get|apt-cache ARGUMENT...
    command=$1
    shift
    "$command" -q -o Dir::State="$store/apt" -o Dir::State::status=/dev/null -o Dir::Cache="$store/apt" \
        -o Dir::Etc::SourceList="$store/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null \
        -o APT::Sandbox::User=root "$@"
}

(
    flock 9
    own_apt apt-get update >&2
    version=$(own_apt apt-cache show "$package" 2>/dev/null | sed -n 's/^Version: //p' | head -n 1)
    [ -n "$version" ] || { echo "$0: $suite has no package $package" >&2; exit 1; }
    # Named as apt names the package's file: a colon could not stand in a
    # path that binfmt_misc is given.
    kept=$store/${package}_$(echo "$version" | sed 's/:/%3a/')
    if ! [ -x "$kept/$path" ]; then
        rm -rf "$kept" "$kept.partial" "$store/download"
        mkdir "$store/download"
        (cd "$store/download" && own_apt apt-get download "$package" >&2)
        mkdir "$kept.partial"
        dpkg-deb --fsys-tarfile "$store/download/"*.deb | tar -x -C "$kept.partial" "./$path"
        rm -rf "$store/download"
        mv "$kept.partial" "$kept"
    fi
    echo "$kept/$path"
) 9>"$store.lock"
