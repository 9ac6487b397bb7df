#!/bin/sh
# Runs a command on a private virtual X display, for a browser that draws
# only there (WebKit's MiniBrowser), and ends the display with it:
#   on-virtual-display.sh COMMAND [ARGUMENTS...]
. "$(dirname "$0")/../../scripts/virtual-display.sh"
"$@"
