#!/bin/sh
# Runs a command on a virtual X server of its own, set up for Wine: picks a
# free display number, starts Xvfb, runs the command, then ends the Wine
# session and Xvfb. The Wine prefix is WINEPREFIX, or one in the current
# folder (the build's tests folder under CTest). XVFB_SCREEN sets the screen's
# size, 1024x768x24 unless told: large enough for the window at 150 %.
#   with-xvfb.sh COMMAND [ARGUMENTS...]
set -eu
export WINEPREFIX=${WINEPREFIX:-$PWD/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

number=$(( $$ % 400 + 200 ))
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
    number=$(( number + 1 ))
done
Xvfb ":$number" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
# Wine's desktop process holds on to this display: it goes with the server.
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT INT TERM
export DISPLAY=":$number"
for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.05
done

"$@"
