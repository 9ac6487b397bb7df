#!/bin/sh
# Checks the source package and the Debian package that dpkg-buildpackage
# made, as a distribution would: lintian, pedantic, finds no error and no
# warning in either (it also checks the icons' sizes, the manual pages and
# that the desktop entry's command is in the package); the desktop entry and
# the AppStream metadata validate; the changelog and the metadata name the
# package's version.
#   check-deb.sh FOLDER/drelvik_VERSION_ARCH.changes
set -eu
changes=$1
folder=$(dirname "$changes")
deb=$(sed -n 's/.* \(drelvik_[^ ]*\.deb\)$/\1/p' "$changes" | head -n 1)
[ -n "$deb" ] || { echo "$changes names no drelvik package"; exit 1; }
deb=$folder/$deb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Informational tags are shown but pass; lintian warns that it runs as root.
status=0
lintian --pedantic --fail-on error,warning --display-info "$changes" >"$work/lintian.txt" 2>&1 || status=$?
grep -v "running with root privileges" "$work/lintian.txt" || true
[ $status -eq 0 ] || { echo "lintian found errors or warnings"; exit 1; }

dpkg-deb --extract "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/drelvik.desktop"
appstreamcli validate-tree --no-net "$work/root"

version=$(dpkg-deb --field "$deb" Version)
zcat "$work/root/usr/share/doc/drelvik/changelog.gz" | head -n 1 | grep -q "^drelvik ($version) " ||
    { echo "the changelog's last entry is not version $version"; exit 1; }
grep -q "<release version=\"$version\"" "$work/root/usr/share/metainfo/"*.metainfo.xml ||
    { echo "the AppStream metadata has no release $version"; exit 1; }
echo "$(basename "$changes"): lintian --pedantic, desktop-file-validate and appstreamcli pass"
