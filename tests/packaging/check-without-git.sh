#!/bin/sh
# A copy of the sources without git, as a downloaded source archive is, with
# a build folder and downloaded Node.js packages left in it, dates its builds
# by the changelog's last entry and, dated as this clone's build, makes the
# same source package, byte for byte, as the one in FOLDER.
#   check-without-git.sh FOLDER/drelvik_VERSION.dsc
set -eu
dsc=$(realpath "$1")
root=$(realpath "$(dirname "$0")/../..")
work=$(mktemp -d /tmp/drelvik-without-git.XXXXXX)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
copy=$work/drelvik

sh "$root/packaging/export-source.sh" "$copy"
mkdir -p "$copy/build-left/CMakeFiles" "$copy/scripts/node_modules/left"
touch "$copy/build-left/CMakeFiles/left.o" "$copy/scripts/node_modules/left/index.js"

changelog_date=$(dpkg-parsechangelog --file "$root/debian/changelog" --show-field Timestamp)
date=$(env -u SOURCE_DATE_EPOCH sh "$copy/packaging/source-date.sh")
[ "$date" = "$changelog_date" ] ||
    { echo "without git the build is dated $date, not by the changelog ($changelog_date)"; exit 1; }

SOURCE_DATE_EPOCH=$(sh "$root/packaging/source-date.sh") \
    sh "$copy/packaging/build-deb.sh" "$work/package" --build=source >"$work/build.log" 2>&1 ||
    { cat "$work/build.log"; echo "the source package was not made without git"; exit 1; }
for file in "$dsc" "${dsc%.dsc}.tar.xz"; do
    cmp "$file" "$work/package/$(basename "$file")" ||
        { echo "without git, $(basename "$file") is not the same"; exit 1; }
done
echo "a copy without git makes the same source package as the clone"
