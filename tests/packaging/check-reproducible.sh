#!/bin/sh
# Builds every release file a second time, from a copy of the sources in
# another folder, and compares it byte for byte with the first build's in
# this tree (build-package, build-windows-i686, build-windows-x86_64,
# build-web): the source package, the Debian packages, both Drelvik.exe, both
# installers and every file of the site. Where two files differ, diffoscope
# shows how. The second build leaves out the tests, which make no release
# file; the time of each part is printed.
#   tests/packaging/check-reproducible.sh
set -eu
root=$(realpath "$(dirname "$0")/../..")
work=$(mktemp -d /tmp/drelvik-second.XXXXXX)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
copy=$work/drelvik
# Both builds are dated by the last commit, as build.sh dates every build.
SOURCE_DATE_EPOCH=$(sh "$root/packaging/source-date.sh")
export SOURCE_DATE_EPOCH

# Runs a part of the build (a name, then the command) with its output kept
# in a log, shown only when it fails.
part() {
    name=$1
    shift
    started=$(date +%s)
    "$@" >"$work/$name.log" 2>&1 || { cat "$work/$name.log"; echo "$name failed"; exit 1; }
    echo "$name: $(($(date +%s) - started)) s"
}
windows() { # PRESET
    cmake --preset "$1" -DBUILD_TESTING=OFF && cmake --build --preset "$1" --target drelvik_msi
}
web() {
    cmake --preset web -DBUILD_TESTING=OFF && cmake --build --preset web
}

sh "$root/packaging/export-source.sh" "$copy"
# The site's build opens the program in Chromium through puppeteer-core,
# which the first build installed with npm.
ln -s "$root/scripts/node_modules" "$copy/scripts/node_modules"
cd "$copy"
part windows-i686 windows windows-i686
part windows-x86_64 windows windows-x86_64
part web web
part package env DEB_BUILD_OPTIONS=nocheck sh "$root/packaging/build-deb.sh" "$copy/build-package"

started=$(date +%s)
sh "$root/packaging/release.sh" "$root" "$work/first"
sh "$root/packaging/release.sh" "$copy" "$work/second"
different=""
compare() { # FIRST SECOND
    cmp -s "$1" "$2" || different="$different $1 $2"
}
for file in "$work/first"/*; do
    compare "$file" "$work/second/$(basename "$file")"
done
for build in build-windows-i686 build-windows-x86_64; do
    compare "$root/$build/Drelvik.exe" "$copy/$build/Drelvik.exe"
done
echo "comparison: $(($(date +%s) - started)) s"
[ -n "$different" ] || { echo "two builds, in $root and in $copy, give the same files:" $(ls "$work/first"); exit 0; }

set -- $different
while [ $# -gt 0 ]; do
    echo "== $1 and $2 differ"
    [ "$(basename "$1")" = SHA256SUMS ] || diffoscope --text - --no-default-limits "$1" "$2" || true
    shift 2
done
exit 1
