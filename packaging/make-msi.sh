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

command -v wixl >/dev/null || { echo "$0: wixl is missing (Debian: apt-get install wixl)" >&2; exit 1; }
case $arch in
x86) program_files=ProgramFilesFolder win64=no ;;
x64) program_files=ProgramFiles64Folder win64=yes ;;
*) echo "$0: no such processor: $arch (x86 or x64)" >&2; exit 2 ;;
esac

# The product code follows from the version and the processor, so that a
# rebuild of one version is the same product and cannot be installed beside
# it; every new version is a new product, which replaces the old one.
upgrade_code=$(sed -n 's/.*UpgradeCode="\([0-9A-F-]*\)".*/\1/p' "$wxs")
hash=$(printf '%s %s %s' "$upgrade_code" "$version" "$arch" | sha1sum | tr 'a-f' 'A-F')
product_code=$(echo "$hash" | sed 's/^\(.\{8\}\)\(.\{4\}\).\(.\{3\}\).\(.\{3\}\)\(.\{12\}\).*/\1-\2-5\3-8\4-\5/')

# wixl reads source files by paths relative to the current folder only.
cd /
wixl --arch "$arch" --output "$output" \
    --define Version="$version" --define ProductCode="$product_code" \
    --define ProgramFiles="$program_files" --define Win64="$win64" \
    --define Exe="${exe#/}" --define Icon="${root#/}/resources/drelvik.ico" --define License="${root#/}/LICENSE" \
    "$wxs"
