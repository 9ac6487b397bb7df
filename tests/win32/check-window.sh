#!/bin/sh
# Starts the real Drelvik.exe under Wine (DRELVIK_WINE, the 64-bit loader
# unless told; on the display with-xvfb.sh made),
# enters the worked example by mouse — presses at the board's pixels
# (80,100), (160,100) and (20,180), then "Изчисли" — and checks on a
# screenshot that the dots and the segment are drawn and the rest of the
# board shows the grid on white. Writes the window's client area, as the
# screenshot shows it, to SCREENSHOT.png. Given the display's scale (the Wine
# prefix's resolution / 96), it presses and looks at the design's pixels at
# that scale, where the window has put them.
#   with-xvfb.sh check-window.sh Drelvik.exe [SCREENSHOT.png [SCALE]]
set -eu
program=$1
screenshot=${2:-$PWD/win32-window.png}
scale=${3:-1}
. "$(dirname "$0")/worked-example.sh"

# No window manager draws a frame on Xvfb: the client area starts at the
# first pixel in the window's background colour, (128, 128, 255), once the
# window has painted it.
client_origin() {
    origin=$(convert "$pixels.png" txt:- | grep -m 1 '#8080FF' | sed 's/^\([0-9]*\),\([0-9]*\):.*/\1 \2/')
    [ -n "$origin" ]
}
await_screen "the window's client area" client_origin
set -- $origin
left=$1 top=$2
enter_worked_example "$left" "$top"
await_screen "the worked example's segment" segment_drawn
convert "$pixels.png" -crop "$(device 473)x$(device 418)+$left+$top" +repage "$screenshot"

colour() {
    convert "$pixels.png" -format "%[pixel:p{$(( board_x + $(device "$1") )),$(( board_y + $(device "$2") ))}]" info:
}

expect() {
    seen=$(colour "$1" "$2")
    case $seen in
    "$3") ;;
    *) echo "board pixel ($1, $2) is $seen, not $3"; failed=1 ;;
    esac
}
failed=0
# The three dots, at their centres and beside them off the grid lines.
for point in "80 100" "160 100" "20 180"; do
    set -- $point
    expect "$1" "$2" "srgb(0,0,0)"
    expect $(( $1 + 1 )) $(( $2 + 1 )) "srgb(0,0,0)"
done
# The segment P0–P1 runs along y = 100; a pixel between grid lines.
expect 110 100 "srgb(0,0,0)"
expect 130 100 "srgb(0,0,0)"
# Clear of every line: white.
expect 110 150 "srgb(255,255,255)"
expect 250 50 "srgb(255,255,255)"
expect 330 210 "srgb(255,255,255)"
# The grid's dash-dot-dot rhythm on the line y = 20, far from the drawing; at
# another scale each run is rounded on its own, as the raster tests check.
if [ "$scale" = 1 ]; then
    expect 301 20 "srgb(0,0,0)"
    expect 305 20 "srgb(255,255,255)"
fi
[ $failed -eq 0 ] && echo "the window shows the worked example: $screenshot"
exit $failed
