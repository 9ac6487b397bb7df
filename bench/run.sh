#!/bin/sh
# Runs every benchmark of a build and prints its figures:
#
#   bench/run.sh BUILD_DIR [START_UP_RUNS]
#
# Start-up is timed offscreen and on a private Xvfb server; the handlers
# offscreen, each alternately with a plain Qt window making the same widget
# changes. Timings on a busy machine are noisy: compare medians and the
# ratios to the floors, not single runs.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [START_UP_RUNS]" >&2
    exit 2
fi
bench="$1/bench"
runs="${2:-21}"

# The figures should not depend on the user's locale.
export LANG=C.UTF-8
unset LC_ALL
. "$(dirname "$0")/../scripts/virtual-display.sh"

QT_QPA_PLATFORM=offscreen "$bench/startup_bench" "$runs"
echo
"$bench/startup_bench" "$runs"
echo
QT_QPA_PLATFORM=offscreen "$bench/handler_bench"
