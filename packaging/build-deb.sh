#!/bin/sh
# Builds the source package and the Debian package made from it with
# dpkg-buildpackage, as a distribution does: from a copy of the sources alone
# (packaging/export-source.sh), in a folder of its own, on every core of the
# machine, then moves them into OUTPUT. Further options go to
# dpkg-buildpackage; DEB_BUILD_OPTIONS=nocheck leaves the tests out.
#   packaging/build-deb.sh OUTPUT [OPTION...]
set -eu
output=$(realpath -m "$1")
shift
root=$(realpath "$(dirname "$0")/..")
version=$(dpkg-parsechangelog --file "$root/debian/changelog" --show-field Version)
work=$(mktemp -d /tmp/drelvik-deb.XXXXXX)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

sh "$root/packaging/export-source.sh" "$work/drelvik-$version"
(cd "$work/drelvik-$version" && dpkg-buildpackage -us -uc --jobs-try=auto "$@")
mkdir -p "$output"
find "$output" -maxdepth 1 -type f -name 'drelvik*' -delete
find "$work" -maxdepth 1 -type f -exec mv --target-directory="$output" {} +
