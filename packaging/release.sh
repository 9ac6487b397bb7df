#!/bin/sh
# Gathers the release files of the builds in ROOT into OUTPUT, with their
# SHA256SUMS beside them: the source package and the Debian packages
# (build-package), the installers for 32-bit and 64-bit Windows, and the site
# as one archive. The archive is the same file for the same site: its entries
# sorted, owned by root, dated as every build dates its files, compressed
# without a name or a time.
#   packaging/release.sh ROOT OUTPUT
set -eu
root=$(realpath "$1")
output=$(realpath -m "$2")
changelog=$root/debian/changelog
version=$(dpkg-parsechangelog --file "$changelog" --show-field Version)
epoch=$(sh "$root/packaging/source-date.sh")

rm -rf "$output"
mkdir -p "$output"
cp "$root/build-package/drelvik_$version.dsc" "$root/build-package/drelvik_$version.tar.xz" \
    "$root"/build-package/*.deb "$output/"
cp "$root/build-windows-i686/Drelvik-$version.msi" "$output/Drelvik-$version-x86.msi"
cp "$root/build-windows-x86_64/Drelvik-$version.msi" "$output/Drelvik-$version-x64.msi"
tar --create --directory="$root/build-web" --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
    --mtime="@$epoch" --mode=u=rwX,go=rX site | gzip -9n >"$output/drelvik-site-$version.tar.gz"
(cd "$output" && sha256sum -- * >SHA256SUMS)
