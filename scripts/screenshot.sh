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

display=:$(( $$ % 500 + 100 ))
runtime=$(mktemp -d)
chmod 700 "$runtime"
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $program $xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT INT TERM
export DISPLAY=$display XDG_RUNTIME_DIR=$runtime
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$build/Drelvik" &
program=$!
window=$(xdotool search --sync --onlyvisible --name 'Torvanel' | head -n 1)
sleep 0.5
for steps in "$@"; do
    # shellcheck disable=SC2086
    xdotool $(echo "$steps" | sed "s/%w/$window/g")
    sleep 0.3
done
import -window "$window" "$output"
echo "wrote $output"
