#!/bin/sh
# Drives the real program's window as a learner would, with the mouse and
# with the keyboard alone, by xdotool in a private virtual X server, and
# checks the screenshots after every step.
# Usage: real_window.sh DRELVIK CLOSE_WINDOW SCREENSHOT_FOLDER
set -eu
drelvik=$1
close_window=$2
shots=$3
mkdir -p "$shots"
rm -f "$shots"/*.png

. "$(dirname "$0")/../../scripts/await-screen.sh"
. "$(dirname "$0")/../../scripts/virtual-display.sh"
step=start
start_window "$drelvik"

# Regions of the window (WxH+X+Y, client coordinates). The board's drawing
# area starts at (10, 58); board positions below are relative to it.
board=343x229+10+58
lists=97x80+368+56
calculate_button=73x25+376+160
report=457x113+8+296

fail() {
    echo "FAIL after step '$step': $*" >&2
    echo "screenshots: $shots" >&2
    exit 1
}

# Each check shoots the window as $shots/$step.png until what it checks
# holds: the program may take a while to repaint on a busy machine. Only a
# check that still fails after a minute fails, keeping its last screenshot.
holds() { # CONDITION...
    await shot_shows "$@"
}

shot_shows() { # CONDITION...
    kill -0 "$program" 2>/dev/null || fail "the program is no longer running"
    import -window "$window" "$shots/$step.png" && "$@"
}

press_board() { # X Y [CLICKS]
    step=$1
    xdotool mousemove --window "$window" $(($2 + 10)) $(($3 + 58)) \
        click --repeat "${4:-1}" --delay 80 1
}

press_window() { # STEP X Y
    step=$1
    xdotool mousemove --window "$window" "$2" "$3" click 1
}

# The number of pixels in which two screenshots differ within a region.
differing() { # SHOT SHOT REGION
    compare -metric AE "$shots/$1.png[$3]" "$shots/$2.png[$3]" null: 2>&1 || true
}

same_as() { # SHOT REGION
    [ "$(differing "$step" "$1" "$2")" = 0 ]
}

changed_since() { # SHOT REGION
    [ "$(differing "$step" "$1" "$2")" != 0 ]
}

expect_same() { # SHOT REGION WHAT
    holds same_as "$1" "$2" || fail "$3: not as after step '$1'"
}

expect_differ() { # SHOT REGION WHAT
    holds changed_since "$1" "$2" || fail "$3: unchanged since step '$1'"
}

# How many colours a board rectangle W x H at (X, Y) has in this step's
# screenshot, and the colour of its first pixel: "1 000000" is all black.
colours() { # W H X Y
    convert "$shots/$step.png" -crop "$1x$2+$(($3 + 10))+$(($4 + 58))" +repage \
        -format '%k %[hex:p{0,0}]' info:
}

# A dot is 5 px across; its middle 3 x 3 pixels are of one colour, and four
# of them lie off the grid lines, so they are white where there is no dot.
dot() { # X Y COLOUR
    [ "$(colours 3 3 $(($1 - 1)) $(($2 - 1)))" = "1 $3" ]
}

no_dot() { # X Y
    [ "$(colours 1 1 $(($1 + 1)) $(($2 + 1)))" = "1 FFFFFF" ]
}

expect_dot() { # X Y COLOUR(hex, e.g. 000000)
    holds dot "$@" || fail "no dot of colour $3 at board ($1, $2)"
}

expect_no_dot() { # X Y
    holds no_dot "$@" || fail "a dot is left at board ($1, $2)"
}

expect_no_dot 80 100

# Presses off the crossings, to see them snap.
press_board first-point 83 97
expect_dot 80 100 000000
expect_same start "$calculate_button" "the disabled Изчисли button"
press_board second-point 157 104
expect_dot 160 100 000000
press_board third-point 22 178
expect_dot 20 180 000000
expect_differ start "$calculate_button" "the Изчисли button (not enabled by the third point)"

press_window calculate 412 172
expect_differ third-point "$report" "the report"
# Of what is new on the board, all is black and near a side: P0-P1 solid,
# P0-P2 and P1-P2 dash-dot-dot, roughly half of their length drawn. Says
# in $problem what is not.
triangle_drawn() {
    convert "$shots/third-point.png[$board]" "$shots/calculate.png[$board]" -depth 8 -append txt:- |
        awk -v height=229 '
        function near(ax, ay, bx, by,   dx, dy, t, ex, ey) {
            dx = bx - ax; dy = by - ay
            t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
            t = t < 0 ? 0 : t > 1 ? 1 : t
            ex = ax + t * dx - x; ey = ay + t * dy - y
            return ex * ex + ey * ey <= 2.25
        }
        NR == 1 { next }
        {
            split($1, at, /[,:]/); x = at[1]; y = at[2] % height
            if (at[2] < height) { before[x, y] = $3; next }
            if (before[x, y] == $3) next
            if ($3 != "#000000") { bad = "drawn in " $3 " at " x "," y; exit }
            if (near(80, 100, 160, 100)) next
            if (near(80, 100, 20, 180)) left++
            else if (near(160, 100, 20, 180)) right++
            else { bad = "drawn off the sides at " x "," y; exit }
        }
        END { print bad ? bad : left + 0 " " right + 0 }' >"$shots/calculate.txt"
    read -r left right <"$shots/calculate.txt" || true
    problem=$(cat "$shots/calculate.txt")
    case $left$right in *[!0-9]*) return 1 ;; esac
    # The base fills the gaps of the dash-dot-dot grid line it lies on; the
    # sides are 100 and 161 px long, and solid they would change nearly all that.
    problem="the base P0-P1 is not solid black"
    [ "$(colours 75 1 83 100)" = "1 000000" ] || return 1
    problem="side P0-P2 is not dash-dot-dot ($left px drawn)"
    [ "$left" -gt 25 ] && [ "$left" -lt 70 ] || return 1
    problem="side P1-P2 is not dash-dot-dot ($right px drawn)"
    [ "$right" -gt 40 ] && [ "$right" -lt 113 ]
}
holds triangle_drawn || fail "$problem"

# The second row of "Ос X" is the second point.
press_window select-second 390 86
expect_dot 160 100 C80000
expect_dot 80 100 000000
expect_dot 20 180 000000

press_window delete 412 268
expect_no_dot 160 100
# The grid and the two points left, and nothing else: the third point's
# picture with the deleted dot's square taken from the bare grid.
convert "$shots/third-point.png" \( "$shots/start.png" -crop 7x7+167+155 \) \
    -geometry +167+155 -composite "$shots/delete-expected.png"
expect_same delete-expected "$board" "the board"
expect_same start "$calculate_button" "the Изчисли button (not disabled by the deletion)"

press_window clear 412 220
expect_same start "$board" "the board (not the bare grid)"

# A double click at the first point's crossing adds that point once: the
# board and both lists then look as after the first press.
press_board double-click 78 102 2
expect_same first-point "$board" "the board"
expect_same first-point "$lists" "the lists"

# The worked example again, from the keyboard alone: from "Изчисти" Tab goes
# on to "Изтрий" and the board, whose cursor starts on the crossing (9, 6);
# the arrows go from crossing to crossing and Space enters a point. Then Tab
# on to the enabled "Изчисли", which Enter presses.
press_window clear-for-keys 412 220
step=keyboard
xdotool windowfocus --sync "$window"
type_keys() {
    # shellcheck disable=SC2048,SC2086
    xdotool key --window "$window" --delay 30 $*
}
type_keys Tab Tab Left Left Left Left Left Up space Right Right Right Right space
type_keys Left Left Left Left Left Left Left Down Down Down Down space
type_keys Tab Tab Tab Tab Return
expect_same calculate "$board" "the board drawn from the keyboard"
expect_same calculate "$report" "the report written from the keyboard"

step=close
"$close_window" "$window" || fail "the window could not be asked to close"
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "the program still runs 5 s after its window was closed"
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq 0 ] || fail "the program exited with status $status"

# A pupil whose desktop has a contrast colour scheme: Qt reads KDE's scheme
# through its own platform theme, and the window shows it from the start.
mkdir -p "$runtime/config"
cat >"$runtime/config/kdeglobals" <<'SCHEME'
[Colors:Window]
BackgroundNormal=0,0,0
ForegroundNormal=255,255,255
[Colors:View]
BackgroundNormal=0,0,0
ForegroundNormal=255,255,255
[Colors:Button]
BackgroundNormal=0,0,0
ForegroundNormal=255,255,255
[Colors:Selection]
BackgroundNormal=255,255,0
ForegroundNormal=0,0,0
SCHEME
export XDG_CONFIG_HOME="$runtime/config" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 QT_QPA_PLATFORMTHEME=kde
# Painted in the scheme's colours: white on black, none of the design's.
painted() { # WINDOW SHOT
    import -window "$1" "$2" || return 1
    histogram=$(convert "$2" -format %c histogram:info:-)
    case $histogram in *'#8080FF'* | *'#FFC080'*) return 1 ;; *'#FFFFFF'*) ;; *) return 1 ;; esac
}
step=contrast-start
start_window "$drelvik"
in_scheme() {
    [ "$(colours 1 1 -8 342)" = "1 000000" ] && [ "$(colours 1 1 41 -55)" = "1 000000" ] \
        && [ "$(colours 1 1 -2 -2)" = "1 FFFFFF" ] && [ "$(colours 3 3 328 8)" = "1 000000" ]
}
holds in_scheme || fail "the window, a label and the board are not in the contrast scheme's colours"
press_board contrast-points 80 100
press_board contrast-points 160 100
press_board contrast-points 20 180
expect_dot 80 100 FFFFFF
press_window contrast-selection 390 101
expect_dot 20 180 FFFF00

echo "the real window passed every step"
