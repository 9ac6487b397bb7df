#!/bin/sh
# Checks the built Drelvik.exe as a file, without running it: a GUI program
# for its processor, under 512 KB, needing no DLL but Windows' own and no
# function that Windows 7 lacks, with the icon (16, 24, 32, 48 and 256
# pixels, the 32 × 32 in 256 colours), the version record of the resource
# script and its application manifest.
#   check-executable.sh Drelvik.exe "PE32 executable (GUI) Intel 80386"
set -eu
program=$1
kind=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "$program: $*"
    failed=1
}

file -b "$program" | grep -q "^$kind" || fail "is $(file -b "$program"), not $kind"

size=$(stat -c %s "$program")
[ "$size" -lt 524288 ] || fail "is $size bytes, 512 KB or more"

# Whatever the cross tools' prefix, objdump reads both PE formats.
objdump=x86_64-w64-mingw32-objdump
"$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' >"$work/dlls"
while read -r dll; do
    case $(echo "$dll" | tr 'A-Z' 'a-z') in
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | msvcrt.dll) ;;
    *) fail "needs $dll" ;;
    esac
done <"$work/dlls"
[ -s "$work/dlls" ] || fail "lists no DLL at all"

# Each imported function, as "dll function", against the list of those known
# to be on Windows 7.
"$objdump" -p "$program" \
    | awk '/DLL Name:/ { dll = tolower($3) } dll && /^\t *[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }' \
    | sort -u >"$work/imports"
grep -v '^#' "$(dirname "$0")/windows7-imports.txt" | sort -u >"$work/windows7"
comm -23 "$work/imports" "$work/windows7" >"$work/unknown"
[ -s "$work/imports" ] || fail "lists no imported function at all"
[ ! -s "$work/unknown" ] || fail "imports what windows7-imports.txt does not list: $(tr '\n' ';' <"$work/unknown")"

wrestool -x --type=14 --name=DRELVIK "$program" >"$work/drelvik.ico" 2>/dev/null \
    || fail "has no icon group DRELVIK"
icotool -l "$work/drelvik.ico" >"$work/icons" 2>&1 || true
grep -q -- "--width=32 --height=32 --bit-depth=8" "$work/icons" \
    || fail "has no 32 × 32 icon at 8 bits per pixel: $(cat "$work/icons")"
for pixels in 16 24 48 256; do
    grep -q -- "--width=$pixels --height=$pixels " "$work/icons" \
        || fail "has no $pixels × $pixels icon: $(cat "$work/icons")"
done

# The version record's strings are UTF-16, each name followed by its value,
# both ended and padded with zero characters.
wrestool -x --raw --type=16 "$program" >"$work/version" 2>/dev/null || fail "has no version record"
iconv -f UTF-16LE -t UTF-8 "$work/version" 2>/dev/null | tr '\000' '|' >"$work/strings" || true
expect_value() {
    grep -q "$1|*$2|" "$work/strings" || fail "has no $1 \"$2\""
}
expect_value CompanyName "www.example.org"
expect_value FileVersion "1.00"
expect_value InternalName "Drelvik"
expect_value LegalCopyright "www.example.org"
expect_value LegalTrademarks "www.example.org"
expect_value OriginalFilename "Drelvik.exe"
expect_value ProductName "Mevandor"
expect_value ProductVersion "1.00"
# The fixed-size record, after its signature 0xFEEF04BD and structure version:
# file and product version 1.0.0.0, each as two 32-bit words, little-endian.
od -An -tx1 -v "$work/version" | tr -d ' \n' \
    | grep -q "bd04effe""00000100""00000100""00000000""00000100""00000000" \
    || fail "has no file and product version 1.0.0.0"

# The manifest, resource type 24 (RT_MANIFEST) number 1, as Windows reads it.
wrestool -x --raw --type=24 --name=1 "$program" >"$work/manifest" 2>/dev/null || fail "has no manifest"
expect_in_manifest() {
    grep -q -- "$1" "$work/manifest" || fail "has no $2 in its manifest"
}
expect_in_manifest '>PerMonitorV2, PerMonitor</dpiAwareness>' "per-monitor awareness"
expect_in_manifest '>true</dpiAware>' "system-wide awareness for older Windows"
expect_in_manifest 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "common controls 6.0"
expect_in_manifest '<requestedExecutionLevel level="asInvoker"' "asInvoker"
expect_in_manifest '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' "Windows 7"
expect_in_manifest '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}' "Windows 8"
expect_in_manifest '{1f676c76-80e1-4239-95bb-83d0f6d0da78}' "Windows 8.1"
expect_in_manifest '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' "Windows 10 and 11"

[ $failed -eq 0 ] && echo "$program: $kind, $size bytes, Windows 7's functions only, icon, version and manifest as designed"
exit $failed
