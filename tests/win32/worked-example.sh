# shellcheck shell=sh
# Sourced by the scripts that check the real Drelvik.exe's window under Wine,
# on the display with-xvfb.sh made, with program (the executable) and scale
# (the Wine prefix's resolution / 96) set: starts the program and finds its
# window; the sourcing script then enters the worked example with
# enter_worked_example, waiting on the screen with await_screen, and looks
# at the design's pixels at the scale, where the window has put them.
wine=${DRELVIK_WINE:-/usr/lib/wine/wine64}

# A length of the design in device pixels, rounded as the window rounds.
device() {
    awk -v value="$1" -v scale="$scale" 'BEGIN { printf "%d", int(value * scale + 0.5) }'
}

"$wine" "$program" &
running=$!
pixels=$(mktemp)
trap 'kill $running 2>/dev/null || true; rm -f "$pixels" "$pixels"*.png' EXIT
# However long Wine takes to start the program (minutes where QEMU emulates
# it), until its window shows or the program ends.
window=""
while [ -z "$window" ]; do
    kill -0 $running 2>/dev/null || { echo "$program ended without showing its window"; exit 1; }
    window=$(xdotool search --onlyvisible --name '^www.example.org Torvanel$' | head -n 1)
    [ -n "$window" ] || sleep 0.5
done

# Waits, however long a busy machine takes, until a condition holds on a
# fresh screenshot, $pixels.png; two minutes without it is a fault of the
# program.
await_screen() { # WHAT CONDITION...
    what=$1
    shift
    for _ in $(seq 600); do
        import -window root "$pixels.png"
        "$@" && return 0
        sleep 0.2
    done
    echo "$what: not on the screen after two minutes"
    exit 1
}

# Presses at the board's pixels (80,100), (160,100) and (20,180), then
# "Изчисли", given where the client area starts on the screen. Sets board_x
# and board_y, where the board's inner area starts: its designed place
# (8, 56) inside its edge, 2 design pixels wide and never less than one
# device pixel.
enter_worked_example() { # LEFT TOP
    edge=$(device 2)
    [ "$edge" -ge 1 ] || edge=1
    board_x=$(( $1 + $(device 8) + edge )) board_y=$(( $2 + $(device 56) + edge ))
    for point in "80 100" "160 100" "20 180"; do
        set -- "$1" "$2" $point
        xdotool mousemove $(( board_x + $(device "$3") )) $(( board_y + $(device "$4") )) click 1
        sleep 0.3
    done
    # "Изчисли" lies at (376, 160), 73 × 25: its middle is (412, 172).
    xdotool mousemove $(( $1 + $(device 412) )) $(( $2 + $(device 172) )) click 1
}

# Whether the segment P0–P1 along y = 100 shows, all in one colour between
# the dots, where the dashed grid line has gaps: once "Изчисли" is handled.
segment_drawn() {
    strip="$(( $(device 155) - $(device 85) ))x1+$(( board_x + $(device 85) ))+$(( board_y + $(device 100) ))"
    [ "$(convert "$pixels.png" -crop "$strip" -format %k info:)" = 1 ]
}
