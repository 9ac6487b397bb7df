#!/bin/sh
# Starts the real program in its own virtual X server and writes a picture of
# its window. Optional xdotool commands after the file name act on the window
# first (positions relative to the window), e.g.
#   scripts/screenshot.sh shot.png "mousemove --window %w 100 100 click 1"
# Usage: scripts/screenshot.sh OUTPUT.png [BUILD_DIR] [XDOTOOL_STEPS...]
set -eu
output=$1
build=${2:-build}
[ $# -ge 2 ] && shift 2 || shift 1

. "$(dirname "$0")/await-screen.sh"
. "$(dirname "$0")/virtual-display.sh"
start_window "$build/drelvik"
for steps in "$@"; do
    # shellcheck disable=SC2086
    xdotool $(echo "$steps" | sed "s/%w/$window/g")
done
if ! await painted "$window" "$output"; then
    echo "the window was not painted again in a minute" >&2
    exit 1
fi
echo "wrote $output"
