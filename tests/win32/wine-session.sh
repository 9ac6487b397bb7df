#!/bin/sh
# Runs a command, a whole stage of Windows tests, as one Wine session on one
# virtual X server, as Windows stays up between one program and the next:
# each with-xvfb.sh inside it uses this display and keeps its prefix's Wine
# server up for the tests after it, so that Wine's start, which takes minutes
# where QEMU emulates 32-bit code, is paid once for each prefix. The servers
# and the display end with the command.
#   wine-session.sh COMMAND [ARGUMENTS...]
set -eu
wineserver=/usr/lib/wine/wineserver
XVFB_SCREEN=${XVFB_SCREEN:-1024x768x24}

. "$(dirname "$0")/../../scripts/virtual-display.sh"
DRELVIK_WINE_SESSION=$(mktemp -d)
export DRELVIK_WINE_SESSION
end_session() {
    if [ -f "$DRELVIK_WINE_SESSION/prefixes" ]; then
        while read -r prefix; do
            WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
            WINEPREFIX=$prefix "$wineserver" -w
        done <"$DRELVIK_WINE_SESSION/prefixes"
    fi
    rm -rf "$DRELVIK_WINE_SESSION"
    stop_virtual_display
}
trap end_session EXIT

"$@"
