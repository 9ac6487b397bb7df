#!/bin/sh
# Builds the Windows installer of a Drelvik.exe from packaging/drelvik.wxs
# with wixl, for 32-bit (x86) or 64-bit (x64) Windows. CMake calls it for
# every Windows build; the installer test calls it for a later version.
#   packaging/make-msi.sh VERSION DRELVIK.EXE x86|x64 OUTPUT.msi
set -eu
version=$1
exe=$(realpath "$2")
arch=$3
output=$(realpath -m "$4")
root=$(realpath "$(dirname "$0")/..")
wxs=$root/packaging/drelvik.wxs

for tool in wixl:wixl msibuild:msitools faketime:faketime; do
    command -v "${tool%:*}" >/dev/null ||
        { echo "$0: ${tool%:*} is missing (Debian: apt-get install ${tool#*:})" >&2; exit 1; }
done
case $arch in
x86) program_files=ProgramFilesFolder win64=no ;;
x64) program_files=ProgramFiles64Folder win64=yes ;;
*) echo "$0: no such processor: $arch (x86 or x64)" >&2; exit 2 ;;
esac

# A name-based GUID (version 5) of the SHA-1 sum read from standard input.
guid() {
    tr 'a-f' 'A-F' | sed 's/^\(.\{8\}\)\(.\{4\}\).\(.\{3\}\).\(.\{3\}\)\(.\{12\}\).*/\1-\2-5\3-8\4-\5/'
}

# The product code follows from the version and the processor, so that a
# rebuild of one version is the same product and cannot be installed beside
# it; every new version is a new product, which replaces the old one.
upgrade_code=$(sed -n 's/.*UpgradeCode="\([0-9A-F-]*\)".*/\1/p' "$wxs")
product_code=$(printf '%s %s %s' "$upgrade_code" "$version" "$arch" | sha1sum | guid)

# Two builds of one commit give the same installer: the files go into its
# cabinet with the date of the commit, the clock wixl reads stands still at that date, and the package
# code, which wixl draws at random, follows from what the package holds.
epoch=$(sh "$root/packaging/source-date.sh")
inputs=$(mktemp -d)
trap 'rm -rf "$inputs"' EXIT
trap 'exit 1' INT TERM
cp "$exe" "$inputs/Drelvik.exe"
cp "$root/resources/drelvik.ico" "$root/LICENSE" "$inputs/"
touch --date="@$epoch" "$inputs"/*
package_code=$(cat "$inputs"/* "$wxs" | { sha1sum; echo "$version $arch"; } | sha1sum | guid)
export TZ=UTC
frozen() {
    faketime -f "$(date --date="@$epoch" '+%Y-%m-%d %H:%M:%S')" "$@"
}

# wixl reads source files by paths relative to the current folder only.
cd /
frozen wixl --arch "$arch" --output "$output" \
    --define Version="$version" --define ProductCode="$product_code" \
    --define ProgramFiles="$program_files" --define Win64="$win64" \
    --define Exe="${inputs#/}/Drelvik.exe" --define Icon="${inputs#/}/drelvik.ico" \
    --define License="${inputs#/}/LICENSE" "$wxs"
summary() {
    msiinfo suminfo "$output" | sed -n "s/^$1: //p"
}
frozen msibuild "$output" -s "$(summary Subject)" "$(summary Author)" "$(summary Template)" "{$package_code}"
