#!/bin/sh
# Sets up a Wine prefix (WINEPREFIX) for the Windows tests. The shared one is
# created once, which takes a while, then told to let X windows be, since no
# window manager runs on Xvfb (Wine would otherwise wait up to a second for
# one whenever a test closes a window), and to hide focus cues until the
# keyboard is used, as Windows has them out of the box; Wine's own setting
# shows them always (bit 0x20 of the first byte of the mask).
# Given the shared prefix and a resolution, makes a copy of it whose screen
# has that resolution: its files are links to the shared prefix's, which
# Wine only reads; its registry is a copy of its own, with the settings of a
# registry file added where one is given.
# Made by 32-bit Wine's loader with WINEARCH=win32, the shared prefix is a
# 32-bit Windows.
#   prepare-wine-prefix.sh /usr/lib/wine/wine64 [SHARED-PREFIX DPI [SETTINGS.reg]]
set -eu
wine=$1
if [ $# -ge 3 ]; then
    rm -rf "$WINEPREFIX"
    cp -al "$2" "$WINEPREFIX"
    for registry in "$WINEPREFIX"/*.reg; do
        cp --remove-destination "$2/$(basename "$registry")" "$registry"
    done
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$3" /f
    [ $# -eq 3 ] || "$wine" reg import "$4"
else
    "$wine" wineboot -i
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v UserPreferencesMask /t REG_BINARY /d 1000028012000000 /f
fi
"$(dirname "$wine")/wineserver" -w
