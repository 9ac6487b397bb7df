#!/bin/sh
# Checks the packages on another Debian release, each step in a minimal root
# of that release (scripts/debian-root.sh, made once and kept):
# - in a root with the build dependencies debian/control names, the source
#   package FOLDER/drelvik_VERSION.dsc builds with dpkg-buildpackage, its
#   tests included, and check-deb.sh passes on what it makes, with that
#   release's lintian;
# - in a root with only what the package's own tests need (debian/tests),
#   the Debian package built here, beside the source package, installs with
#   apt-get, and its autopkgtest passes: the installed program starts in a
#   virtual X server until its window shows. The package is removed again,
#   and what came with it, so that the root stays as it was made.
# With --roots, only makes the two roots.
#   check-on-debian.sh SUITE FOLDER/drelvik_VERSION.dsc
#   check-on-debian.sh SUITE --roots
set -eu
suite=$1
root=$(realpath "$(dirname "$0")/../..")
debian_root=$root/scripts/debian-root.sh

# The packages a field of a control file names, without versions, build
# profiles (<!nocheck>) or architectures.
named() { # FIELD FILE
    awk -v field="$1:" '$1 == field { on = 1; $1 = ""; print; next } /^[^ \t]/ { on = 0 } on' "$2" |
        tr ',' '\n' | sed 's/([^)]*)//g; s/<[^>]*>//g; s/\[[^]]*\]//g; s/[[:space:]]//g; /^@\{0,1\}$/d' | tr '\n' ' '
}
build_packages="build-essential $(named Build-Depends "$root/debian/control") lintian desktop-file-utils appstream"
# autopkgtest unpacks the source package with dpkg-source, from dpkg-dev.
test_packages="autopkgtest dpkg-dev $(named Depends "$root/debian/tests/control")"

if [ "$2" = --roots ]; then
    sh "$debian_root" "$suite" "$build_packages"
    sh "$debian_root" "$suite" "$test_packages"
    exit 0
fi

[ -f "$2" ] || { echo "$2 is missing: the package stage makes it"; exit 1; }
dsc=$(realpath "$2")
folder=$(dirname "$dsc")
version=$(basename "$dsc" .dsc)
version=${version#drelvik_}
arch=$(dpkg --print-architecture)
deb=$folder/drelvik_${version}_$arch.deb
[ -f "$deb" ] || { echo "$deb is missing: the package stage makes it"; exit 1; }
work=$(mktemp -d "/tmp/drelvik-$suite.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

# Runs a step (a name, the packages of its root, then the command), with its
# output kept in a log that is shown when it fails.
step() {
    name=$1
    packages=$2
    shift 2
    started=$(date +%s)
    sh "$debian_root" "$suite" "$packages" -- "$@" >"$work/$name.log" 2>&1 ||
        { cat "$work/$name.log"; echo "$suite: $name failed"; exit 1; }
    echo "$suite: $name: $(($(date +%s) - started)) s"
}

mkdir "$work/here" "$work/$suite"
cp "$dsc" "${dsc%.dsc}.tar.xz" "$deb" "$work/here/"
cd "$work/$suite"
step dpkg-buildpackage "$build_packages" sh -c \
    'dpkg-source --extract "$1" source && cd source && dpkg-buildpackage -us -uc --jobs-try=auto' \
    sh "$work/here/$(basename "$dsc")"
step check-deb "$build_packages" sh "$root/tests/packaging/check-deb.sh" "drelvik_${version}_$arch.changes"
cat "$work/check-deb.log"

# A package left by a run that was stopped goes first.
cd "$work/here"
step install "$test_packages" sh -c \
    'dpkg --purge drelvik && apt-get autoremove --purge -y && apt-get install -y --no-install-recommends "./$1"' \
    sh "$(basename "$deb")"
step autopkgtest "$test_packages" autopkgtest --no-built-binaries "$(basename "$dsc")" -- null
step remove "$test_packages" sh -c 'dpkg --purge drelvik && apt-get autoremove --purge -y'
echo "$suite: the source package builds and passes lintian; the package built here installs, and its autopkgtest passes"
