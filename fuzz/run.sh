#!/bin/sh
# Builds the libFuzzer targets with clang into build-fuzz and runs each one
# for the given seconds (default 5) on a temporary copy of its corpus in
# fuzz/corpus/, so the committed corpus never grows. Fails on the first crash,
# sanitizer report, leak or broken check; the input that did it is kept in
# build-fuzz/artifacts/.
#   fuzz/run.sh [seconds]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-5}

cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz
mkdir -p build-fuzz/artifacts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for target in fuzz_text_value fuzz_number_text fuzz_rounding fuzz_analysis fuzz_raster; do
    mkdir "$work/$target"
    cp "fuzz/corpus/$target/"* "$work/$target/"
    if ! "build-fuzz/$target" -max_total_time="$seconds" \
        -artifact_prefix="build-fuzz/artifacts/$target-" "$work/$target" >"$work/log" 2>&1; then
        cat "$work/log"
        echo "$target failed; the input is in build-fuzz/artifacts/" >&2
        exit 1
    fi
    echo "$target: $(grep DONE "$work/log")"
done
