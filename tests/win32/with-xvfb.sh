#!/bin/sh
# Runs a command on a virtual X server of its own (scripts/virtual-display.sh)
# as one Wine session: it starts once the previous session has ended, and its
# own ends with it, the Wine server gone before the next test starts. The
# Wine prefix is WINEPREFIX, or one in the current folder (the build's tests
# folder under CTest). XVFB_SCREEN sets the screen's size, 1024x768x24 unless
# told: large enough for the window at 150 %.
#   with-xvfb.sh COMMAND [ARGUMENTS...]
set -eu
export WINEPREFIX=${WINEPREFIX:-$PWD/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wineserver=/usr/lib/wine/wineserver
XVFB_SCREEN=${XVFB_SCREEN:-1024x768x24}

. "$(dirname "$0")/../../scripts/virtual-display.sh"
# Wine's desktop process holds on to this display: it goes with the server.
trap '"$wineserver" -k 2>/dev/null || true; "$wineserver" -w; stop_virtual_display' EXIT

"$wineserver" -w
"$@"
