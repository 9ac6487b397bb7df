#!/bin/sh
# Starts the real Drelvik.exe under Wine in a prefix whose registry holds a
# contrast theme with the high-contrast mode on (contrast-theme.reg), as a
# pupil's settings leave them, enters the worked example by mouse and checks
# on a screenshot, once P0 is selected in the X list, that the board's paper
# is the theme's window colour and that every other colour on the board, the
# selected point's highlight among them, stands at least 7:1 from it,
# measured from the pixels. Writes the window's client area to SCREENSHOT.png.
#   with-xvfb.sh check-contrast-window.sh Drelvik.exe SCREENSHOT.png
set -eu
program=$1
screenshot=$2
scale=1
paper='#FFFAEF'
highlight='#903909'
. "$(dirname "$0")/worked-example.sh"

# No window manager runs on Xvfb: Wine draws the window's frame itself, as
# wide on the left, the right and the bottom, the caption above.
eval "$(xdotool getwindowgeometry --shell "$window")"
border=$(( (WIDTH - $(device 473)) / 2 ))
left=$(( X + border )) top=$(( Y + HEIGHT - $(device 418) - border ))

in_theme() {
    [ "$(convert "$pixels.png" -crop "1x1+$(( left + 1 ))+$(( top + 1 ))" -format '#%[hex:p]' info:)" = "$paper" ]
}
await_screen "the window in the theme's colours" in_theme
enter_worked_example "$left" "$top"
await_screen "the worked example's segment" segment_drawn
# The X list's first row, at the top of the list at (368, 56).
xdotool mousemove $(( left + $(device 392) )) $(( top + $(device 66) )) click 1
board_colours() {
    convert "$pixels.png" -crop "$(device 343)x$(device 229)+$board_x+$board_y" -format %c histogram:info:-
}
point_selected() {
    case $(board_colours) in *"$highlight"*) ;; *) return 1 ;; esac
}
await_screen "the selected point in the theme's highlight" point_selected
convert "$pixels.png" -crop "$(device 473)x$(device 418)+$left+$top" +repage "$screenshot"

# Every colour of the board's inner area with its count, "COUNT R G B #HEX";
# the paper is the most of it.
board_colours \
    | sed -n 's/^ *\([0-9]*\): *(\([0-9]*\),\([0-9]*\),\([0-9]*\)[^#]*\(#[0-9A-F]\{6\}\).*/\1 \2 \3 \4 \5/p' \
    | sort -rn | awk -v paper="$paper" '
function channel(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
function luminance(r, g, b) { return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b) }
NR == 1 {
    if ($5 != paper) { print "the board'\''s paper is " $5 ", not the theme'\''s " paper; failed = 1 }
    background = luminance($2, $3, $4)
    next
}
{
    shown = luminance($2, $3, $4)
    ratio = shown > background ? (shown + 0.05) / (background + 0.05) : (background + 0.05) / (shown + 0.05)
    printf "%s on the paper: %d pixels, %.2f:1\n", $5, $1, ratio
    if (ratio < 7) { print "  below 7:1"; failed = 1 }
}
END {
    if (NR < 2) { print "nothing on the board but its paper"; failed = 1 }
    exit failed
}'
echo "the window shows the worked example in the contrast theme: $screenshot"
