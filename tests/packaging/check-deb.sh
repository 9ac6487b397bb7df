#!/bin/sh
# Makes the Debian package of a build folder with cpack and checks it as a
# distribution would: lintian finds no error and no warning (it also checks
# the icons' sizes, the manual pages and that the desktop entry's command is
# in the package); the desktop entry and the AppStream metadata validate; the
# changelog and the metadata name the package's version.
#   check-deb.sh BUILD_DIR WORK_DIR
set -eu
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/drelvik_*_amd64.deb)
[ -f "$deb" ] || { echo "cpack made no package: $(cat "$work/cpack.log")"; exit 1; }

# Informational tags are shown but pass; lintian warns that it runs as root.
status=0
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.txt" 2>&1 || status=$?
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
echo "$(basename "$deb"): lintian, desktop-file-validate and appstreamcli pass"
