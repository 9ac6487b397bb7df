#!/bin/sh
# Sets up the Wine prefix (WINEPREFIX) the Windows tests share: created once,
# which takes a while, then told to let X windows be, since no window manager
# runs on Xvfb; Wine would otherwise wait up to a second for one whenever a
# test closes a window.
#   prepare-wine-prefix.sh /usr/lib/wine/wine64
set -eu
wine=$1
"$wine" wineboot -i
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
"$(dirname "$wine")/wineserver" -w
