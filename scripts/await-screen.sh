# shellcheck shell=sh
# Sourced by the scripts that look at a window on a virtual X server: waits
# for what the window shows rather than for a fixed time, which a busy
# machine may overrun.

# Runs CONDITION, which takes a fresh screenshot and looks at it, until it
# holds, however long a busy machine takes to paint; false once it has not
# held for a minute, which only a faulty program takes.
await() { # CONDITION...
    give_up=$(($(date +%s) + 60))
    until "$@"; do
        [ "$(date +%s)" -lt "$give_up" ] || return 1
        sleep 0.1
    done
}

# Shoots WINDOW to SHOT and tells whether the shot shows the window's
# background, (128, 128, 255), and its labels, (255, 192, 128): a window
# mapped but not yet painted is all black on Xvfb.
painted() { # WINDOW SHOT
    import -window "$1" "$2" || return 1
    histogram=$(convert "$2" -format %c histogram:info:-)
    for colour in '#8080FF' '#FFC080'; do
        case $histogram in *"$colour"*) ;; *) return 1 ;; esac
    done
}
