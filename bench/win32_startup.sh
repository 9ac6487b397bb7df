#!/bin/sh
# Start-up time of the Windows program under Wine on Xvfb: from starting
# Drelvik.exe to its window being on the screen, against a bare Win32
# window built the same way, run alternately. Prints each program's runs
# in milliseconds, their median, and the ratio of the medians.
#   bench/win32_startup.sh [RUNS] [BUILD_DIR]     (default 10, build-windows-x86_64)
set -eu
runs=${1:-10}
build=$(cd "${2:-build-windows-x86_64}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${DRELVIK_BENCH_DISPLAY:-}" ]; then
    export WINEPREFIX=${WINEPREFIX:-$build/wine-prefix}
    DRELVIK_BENCH_DISPLAY=1 exec sh "$here/../tests/win32/with-xvfb.sh" sh "$0" "$runs" "$build"
fi

wine=/usr/lib/wine/wine64

# Milliseconds until a visible window of that caption exists, polled every
# 10 ms (xdotool's own --sync polls only every half second).
startup_ms() {
    start=$(date +%s%N)
    "$wine" "$1" &
    program=$!
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
        sleep 0.01
    done
    end=$(date +%s%N)
    kill "$program"
    wait "$program" 2>/dev/null || true
    echo $(( (end - start) / 1000000 ))
}

median() {
    tr ' ' '\n' | grep . | sort -n \
        | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

drelvik="$build/Drelvik.exe"
bare="$build/tests/win32/win32_bare_window.exe"
# Wine's own processes start with the first program; neither run counts.
startup_ms "$bare" "Bare Win32 window" >/dev/null
startup_ms "$drelvik" "www.example.org Torvanel" >/dev/null

drelvik_runs="" bare_runs=""
for _ in $(seq "$runs"); do
    bare_runs="$bare_runs $(startup_ms "$bare" "Bare Win32 window")"
    drelvik_runs="$drelvik_runs $(startup_ms "$drelvik" "www.example.org Torvanel")"
done
drelvik_median=$(echo "$drelvik_runs" | median)
bare_median=$(echo "$bare_runs" | median)
echo "Drelvik.exe:       $drelvik_runs ms, median $drelvik_median ms"
echo "bare Win32 window: $bare_runs ms, median $bare_median ms"
echo "ratio of medians:  $(echo "$drelvik_median $bare_median" | awk '{ printf "%.2f", $1 / $2 }')"
