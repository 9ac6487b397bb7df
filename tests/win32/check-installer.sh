#!/bin/sh
# Deploys the Windows installer under Wine as a lab would, silently (on the
# display with-xvfb.sh made): the install puts the program (this build's
# exe), its licence and a Start-menu shortcut in place and registers the
# Add/Remove Programs entry with version, publisher and icon; the program
# starts from the shortcut and shows its window, which closes when asked; the
# silent removal leaves no file and no registry key behind; a later version
# installs over it and replaces it. Writes the window, started from the
# shortcut, to SCREENSHOT.png. Wine's own programs (msiexec, reg) run under
# DRELVIK_WINE_SYSTEM, 64-bit Wine's loader unless told: 32-bit Wine's for a
# prefix made by it, a 32-bit Windows.
#   with-xvfb.sh check-installer.sh Drelvik-VERSION.msi Drelvik.exe x64 [SCREENSHOT.png]
set -eu
msi=$1
exe=$2
arch=$3
screenshot=${4:-$PWD/installed.png}
wine=${DRELVIK_WINE_SYSTEM:-/usr/lib/wine/wine64}
wineserver=/usr/lib/wine/wineserver
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/await-screen.sh"
# Wine would write a Linux menu entry for the shortcut too, outside its prefix.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
drive=$WINEPREFIX/drive_c
# A 64-bit Windows keeps a 32-bit package's program, and its entry in the
# registry's 32-bit view (Wow6432Node), apart from its 64-bit ones; a 32-bit
# Windows, a prefix made by 32-bit Wine, has one place for each.
program_files='Program Files'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
if [ "$arch" != x64 ] && ! grep -q '^#arch=win32' "$WINEPREFIX/system.reg"; then
    program_files='Program Files (x86)'
    uninstall_key='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'
fi
work=$(mktemp -d)
# A check that fails leaves no Wine session running behind it either.
trap 'end_session; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# One Wine session for the whole deployment, as Windows stays up between an
# administrator's commands. Debian's wineserver ends a session as soon as its
# last program exits (-p0), shutting down the session's services and desktop
# in the background, and a program started while they are still going down
# may fail; a persistent server keeps them up until the session is ended on
# purpose. It answers once it is ready. One that a session of
# wine-session.sh keeps up already (status 2) serves as well.
start_session() {
    "$wineserver" -p || [ $? -eq 2 ]
}

# Ends the session and waits until it has: its programs are gone and Wine
# has written its registry to the prefix's files.
end_session() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w
}

property() { # MSI NAME
    msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"
}

# The form in which Windows Installer writes a GUID into the registry: each
# of the first three groups reversed, each byte of the last two swapped.
packed() { # {GUID}
    echo "$1" | tr -d '{}' | awk -F- '
    function reversed(s,   r, i) { for (i = length(s); i > 0; i--) r = r substr(s, i, 1); return r }
    {
        out = reversed($1) reversed($2) reversed($3)
        for (i = 4; i <= 5; i++)
            for (j = 1; j < length($i); j += 2)
                out = out substr($i, j + 1, 1) substr($i, j, 1)
        print out
    }'
}

# The Add/Remove Programs entries whose name is Drelvik, as their product codes.
installed_drelviks() {
    "$wine" reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' | awk '
    /^HKEY_/ { key = $0; sub(/.*\\/, "", key) }
    $1 == "DisplayName" && $3 == "Drelvik" { print key }'
}

entry_value() { # PRODUCT_CODE NAME
    "$wine" reg query "$uninstall_key\\$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

msiexec() { # /i|/x MSI
    "$wine" msiexec "$1" "$("$wine" winepath -w "$2" | tr -d '\r')" /qn ||
        fail "msiexec $1 $(basename "$2") /qn failed (exit status $?)"
}

start_session
# What a failed earlier run left in the shared prefix goes first.
for code in $(installed_drelviks); do
    "$wine" msiexec /x "$code" /qn || true
done
rm -rf "$drive/$program_files/Drelvik"
find "$drive" -path '*/Start Menu/Programs/Drelvik.lnk' -delete
# Every file and folder under C:\ but the temporary ones, and the folder of
# Windows Installer's own cache, which Windows always has and a new Wine
# prefix gets with its first install.
files() {
    (cd "$drive" && find . | grep -v -e '/Temp/' -e '^\./windows/temp/' -e '^\./windows/Installer$' | sort)
}
files >"$work/before"

product=$(property "$msi" ProductCode)
version=$(property "$msi" ProductVersion)
echo "== msiexec /i $(basename "$msi") /qn: $product, version $version"
msiexec /i "$msi"
files >"$work/installed"
cmp -s "$drive/$program_files/Drelvik/Drelvik.exe" "$exe" ||
    fail "C:\\$program_files\\Drelvik\\Drelvik.exe is not this build's $(basename "$exe")"
[ -s "$drive/$program_files/Drelvik/LICENSE.txt" ] || fail "no LICENSE.txt beside the program"
# Wine puts a per-machine package's shortcuts into the installing user's
# Start menu; Windows into the one of all users.
shortcut=$(comm -13 "$work/before" "$work/installed" | grep '/Start Menu/Programs/Drelvik\.lnk$' || true)
[ -n "$shortcut" ] || fail "no Drelvik.lnk in a Start menu"
shortcut=$drive/${shortcut#./}
# A shell link holds its target in 8-bit characters, its icon in UTF-16.
{ strings -a "$shortcut"; strings -a -e l "$shortcut"; } >"$work/shortcut"
grep -qxF "C:\\$program_files\\Drelvik\\Drelvik.exe" "$work/shortcut" ||
    fail "the shortcut does not point at C:\\$program_files\\Drelvik\\Drelvik.exe"
shortcut_icon=$(grep -o '[A-Z]:\\.*\.ico$' "$work/shortcut" | head -n 1)
[ -n "$shortcut_icon" ] && [ -s "$("$wine" winepath -u "$shortcut_icon" | tr -d '\r')" ] ||
    fail "the shortcut shows no icon ($shortcut_icon)"

[ "$(installed_drelviks)" = "$product" ] || fail "the Add/Remove Programs entries are: $(installed_drelviks)"
[ "$(entry_value "$product" DisplayVersion)" = "$version" ] || fail "the entry's version is not $version"
[ "$(entry_value "$product" Publisher)" = "www.example.org" ] || fail "the entry's publisher is not www.example.org"
icon=$("$wine" reg query "HKLM\\Software\\Classes\\Installer\\Products\\$(packed "$product")" /v ProductIcon 2>/dev/null |
    tr -d '\r' | sed -n 's/^ *ProductIcon *REG_SZ *//p')
[ -n "$icon" ] && [ -s "$("$wine" winepath -u "$icon" | tr -d '\r')" ] || fail "the entry has no icon ($icon)"

echo "== the program, started from its shortcut"
"$wine" start "$("$wine" winepath -w "$shortcut" | tr -d '\r')"
# However long Wine takes to start it (minutes where QEMU emulates it); the
# test's time-out ends a program that never shows.
window=$(xdotool search --sync --onlyvisible --name '^www.example.org Torvanel$' | head -n 1)
[ -n "$window" ] || fail "no window of the installed program"
await painted "$window" "$screenshot" || fail "the installed program's window was not painted"
"$wine" taskkill /im Drelvik.exe >/dev/null
for _ in $(seq 600); do
    xdotool search --onlyvisible --name '^www.example.org Torvanel$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^www.example.org Torvanel$' >/dev/null 2>&1 && fail "the window did not close when asked"

echo "== msiexec /x $(basename "$msi") /qn"
msiexec /x "$msi"
# Nothing is left: no file under C:\ that was not there before (the shortcut
# included), and, once Wine has written its registry to the prefix's files,
# no key or value naming the product (the Add/Remove Programs entry
# included).
nothing_left() { # PRODUCT_CODE...
    files >"$work/after"
    left=$(comm -13 "$work/before" "$work/after")
    [ -z "$left" ] || fail "left behind: $left"
    end_session
    for code in "$@"; do
        if grep -q -i -e "$code" -e "$(packed "$code")" "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg"; then
            fail "registry keys or values of $code are left"
        fi
    done
}
nothing_left "$product"
start_session

next_version=$(echo "$version" | awk -F. '{ $NF = $NF + 1; print }' OFS=.)
echo "== version $next_version over version $version, then msiexec /x"
sh "$here/../../packaging/make-msi.sh" "$next_version" "$exe" "$arch" "$work/next.msi"
next=$(property "$work/next.msi" ProductCode)
msiexec /i "$msi"
msiexec /i "$work/next.msi"
[ "$(installed_drelviks)" = "$next" ] ||
    fail "after the upgrade, the Add/Remove Programs entries are: $(installed_drelviks)"
[ "$(entry_value "$next" DisplayVersion)" = "$next_version" ] || fail "the entry's version is not $next_version"
[ -f "$shortcut" ] || fail "the upgrade took the shortcut away"
msiexec /x "$work/next.msi"
nothing_left "$product" "$next"
echo "the package installs, starts from its shortcut, upgrades and goes without a trace: $screenshot"
