#!/bin/sh
# Runs a command on a virtual X server of its own (scripts/virtual-display.sh)
# as one Wine session: it starts once the previous session has ended, and its
# own ends with it, the Wine server gone before the next test starts. The
# Wine prefix is WINEPREFIX, or one in the current folder (the build's tests
# folder under CTest). XVFB_SCREEN sets the screen's size, 1024x768x24 unless
# told: large enough for the window at 150 %.
# Inside a session of wine-session.sh, the command runs on the session's
# display instead, and the prefix's Wine server, started once and kept up,
# serves the tests after it too; the server's start starts Wine's own services
# with DRELVIK_WINE_SYSTEM, 64-bit Wine's loader unless told.
#   with-xvfb.sh COMMAND [ARGUMENTS...]
set -eu
export WINEPREFIX=${WINEPREFIX:-$PWD/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wineserver=/usr/lib/wine/wineserver
XVFB_SCREEN=${XVFB_SCREEN:-1024x768x24}

if [ -n "${DRELVIK_WINE_SESSION:-}" ]; then
    prefixes=$DRELVIK_WINE_SESSION/prefixes
    grep -qxF "$WINEPREFIX" "$prefixes" 2>/dev/null || echo "$WINEPREFIX" >>"$prefixes"
    # Starts the server unless it is up (status 2), and with it Wine's own
    # services and desktop, which outlive this test: they are given none of
    # the test's output, which a test runner reads until every process
    # holding it has ended. The server answers once it is ready.
    status=0
    "$wineserver" -p </dev/null >/dev/null 2>&1 || status=$?
    case $status in
    0) "${DRELVIK_WINE_SYSTEM:-/usr/lib/wine/wine64}" wineboot </dev/null >/dev/null 2>&1 ;;
    2) ;;
    *) echo "the Wine server of $WINEPREFIX did not start" >&2; exit 1 ;;
    esac
    exec "$@"
fi

. "$(dirname "$0")/../../scripts/virtual-display.sh"
# Wine's desktop process holds on to this display: it goes with the server.
trap '"$wineserver" -k 2>/dev/null || true; "$wineserver" -w; stop_virtual_display' EXIT

"$wineserver" -w
"$@"
