#!/bin/sh
# Sets up a Debian 12 machine for Drelvik, builds it, then either starts the
# program or runs every test.
#   ./build.sh run     install what is missing, build, start the program
#   ./build.sh test    install what is missing, build, run the tests
set -eu
cd "$(dirname "$0")"

action=${1:-run}
build_dir=${BUILD_DIR:-build}
packages="g++ cmake ninja-build qt6-base-dev fonts-liberation xvfb x11-utils xdotool imagemagick"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
        || missing="$missing $package"
done
if [ -n "$missing" ]; then
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root=sudo
    $as_root apt-get update
    # shellcheck disable=SC2086
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir"

case $action in
run)
    exec "$build_dir/Drelvik"
    ;;
test)
    ctest --test-dir "$build_dir" --output-on-failure
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
