#!/bin/sh
# Reads the Windows installer back with msiinfo, without installing it: the
# tables a per-machine install with a shortcut and an upgrade path needs,
# this build's Drelvik.exe in it, the processor, the version, an install for
# every user, and the upgrade code that lets a later version replace it.
#   check-msi.sh Drelvik-VERSION.msi Drelvik.exe x86|x64 VERSION
set -eu
msi=$1
exe=$2
arch=$3
version=$4
failed=0
fail() {
    echo "$msi: $*"
    failed=1
}

tables=$(msiinfo tables "$msi")
for table in Directory Component File Shortcut Icon Upgrade Property Media; do
    echo "$tables" | grep -qx "$table" || fail "has no $table table"
done

property() {
    msiinfo export "$msi" Property | tr -d '\r' | sed -n "s/^$1\t//p"
}
# Every version's package carries the same upgrade code, or a lab would end
# up with two versions side by side: it never changes.
upgrade_code="{CD6C0E69-C0FD-44D7-8B72-B9DCE21A7AFB}"
[ "$(property UpgradeCode)" = "$upgrade_code" ] || fail "has the upgrade code $(property UpgradeCode), not $upgrade_code"
[ "$(property ProductVersion)" = "$version" ] || fail "is version $(property ProductVersion), not $version"
[ "$(property ALLUSERS)" = 1 ] || fail "does not install for every user (ALLUSERS $(property ALLUSERS))"

# The program file, of exactly this build's size.
msiinfo export "$msi" File | tr -d '\r' | grep -q "^DrelvikExe	Program	Drelvik.exe	$(stat -c %s "$exe")	" ||
    fail "does not hold this build's $(basename "$exe")"
case $arch in
x86) platform=Intel ;;
x64) platform=x64 ;;
esac
msiinfo suminfo "$msi" | grep -qx "Template: $platform;1033" || fail "is not for the $platform platform"

[ $failed -eq 0 ] && echo "$msi: version $version for $platform, for every user, with its upgrade code"
exit $failed
