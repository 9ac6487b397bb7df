# shellcheck shell=sh
# Sourced by the scripts that show the real window. Starts a private virtual X
# server and, when the sourcing script exits, ends it together with the
# program started by start_window. Xvfb picks a free display number itself
# (-displayfd), so runs side by side never share a server. XVFB_SCREEN sets
# the screen's size, 2000x1500x24 unless told.
# After sourcing, DISPLAY and XDG_RUNTIME_DIR point at the private ones. A
# script with more to undo on exit sets its own EXIT trap, calling
# stop_virtual_display in it. A script that calls start_window sources
# await-screen.sh first.

runtime=$(mktemp -d)
chmod 700 "$runtime"
program=""
xvfb=""
stop_virtual_display() {
    kill $program $xvfb 2>/dev/null || true
    rm -rf "$runtime"
}
trap stop_virtual_display EXIT
trap 'exit 1' INT TERM

Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-2000x1500x24}" -nolisten tcp \
    3>"$runtime/display" 2>"$runtime/xvfb.log" &
xvfb=$!
# The number is written once the server takes connections, however long
# that takes on a busy machine; a server that gives up says why.
while ! [ -s "$runtime/display" ]; do
    if ! kill -0 $xvfb 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$runtime/xvfb.log" >&2
        exit 1
    fi
    sleep 0.05
done
DISPLAY=:$(cat "$runtime/display")
XDG_RUNTIME_DIR=$runtime
# The window goes to this display, whatever platform the caller's
# environment names (Qt's tests run with QT_QPA_PLATFORM=offscreen).
QT_QPA_PLATFORM=xcb
export DISPLAY XDG_RUNTIME_DIR QT_QPA_PLATFORM

# Starts the program given (command and arguments) and waits until its window
# is painted; sets $program to its process id and $window to the window's id.
start_window() {
    "$@" &
    program=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name 'Torvanel' | head -n 1)
    if [ -z "$window" ]; then
        echo "no window of $1 appeared" >&2
        exit 1
    fi
    # Qt maps the window before it has painted it.
    if ! await painted "$window" "$runtime/painted.png"; then
        echo "the window of $1 was not painted in a minute" >&2
        exit 1
    fi
}
