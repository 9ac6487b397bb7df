#!/bin/sh
# Sets up a Debian 12 machine for Drelvik, builds it, then starts the program
# or runs every test.
#   ./build.sh run     install what is missing, build the program alone and
#                      start it (needs a desktop session)
#   ./build.sh test    install what is missing, build, run every test (the
#                      packages' checks included, the 32-bit Windows program
#                      under 32-bit Wine), then again under ASan and
#                      UBSan, then each fuzzer briefly; every stage runs even
#                      when one before it failed, and a table at the end says
#                      which passed and how long each took
#   ./build.sh package install what is missing, build, make the Debian package
#                      build/drelvik_VERSION_amd64.deb
#   ./build.sh windows install what is missing, cross-build Drelvik.exe and its
#                      installer Drelvik-VERSION.msi for 32-bit
#                      (build-windows-i686) and 64-bit Windows
#   ./build.sh web     install what is missing, build the browser program
#                      into build-web/site, ready for any static web server
#   ./build.sh serve   the same, then serve build-web/site on 127.0.0.1
set -eu
cd "$(dirname "$0")"

action=${1:-run}
build_dir=${BUILD_DIR:-build}

install_missing() {
    missing=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
            || missing="$missing $package"
    done
    [ -n "$missing" ] || return 0
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root=sudo
    $as_root apt-get update
    # shellcheck disable=SC2086
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
}

configure_qt() {
    install_missing g++ cmake ninja-build doctest-dev libbenchmark-dev qt6-base-dev libxcb1-dev fonts-liberation
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

build_qt() {
    configure_qt
    cmake --build "$build_dir"
}

# The program with Qt, and its tests (the packages' checks included).
test_qt() {
    build_qt
    ctest --test-dir "$build_dir" --output-on-failure
}

# The core alone, on a machine as if Qt were not there.
test_core() {
    cmake -S . -B build-core -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DDRELVIK_QT=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
    cmake --build build-core
    ctest --test-dir build-core --output-on-failure
}

# The Windows program and its installer, cross-built with MinGW-w64 for one
# processor (windows-i686 or windows-x86_64); wixl makes the installer,
# msitools reads it back.
build_windows_preset() {
    install_missing cmake ninja-build doctest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 icoutils \
        wixl msitools
    cmake --preset "$1"
    cmake --build --preset "$1"
}

build_windows() {
    build_windows_preset windows-i686
    build_windows_preset windows-x86_64
}

# 32-bit Wine beside the 64-bit one, from Debian's i386 packages, and QEMU,
# which runs it where the kernel runs no 32-bit code (scripts/enable-i386.sh).
install_wine32() {
    install_missing qemu-user-static
    dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed" && return 0
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root=sudo
    $as_root dpkg --add-architecture i386
    # Where the i386 packages cannot be had, the machine stays as it was: lists
    # of an architecture that fail to download would fail every later update.
    install_missing wine32:i386 || {
        $as_root dpkg --remove-architecture i386
        return 1
    }
}

# Each build's tests run under Wine, on Xvfb: the 32-bit program under
# 32-bit Wine, emulated where the machine cannot run it.
test_windows() {
    install_missing xvfb xdotool imagemagick
    [ "$1" != windows-i686 ] || install_wine32
    build_windows_preset "$1"
    ctest --preset "$1"
}

# The browser program. The build opens the freshly built program in headless
# Chromium, through puppeteer-core (from tests/web's lock file, which the
# tests use too), to put its start window into the page; node serves the site.
build_web() {
    install_missing cmake ninja-build doctest-dev emscripten nodejs imagemagick fonts-liberation chromium
    # Some Node.js packages bring their own npm, which Debian's would replace.
    command -v npm >/dev/null || install_missing npm
    [ tests/web/node_modules/.package-lock.json -nt tests/web/package-lock.json ] \
        || (cd tests/web && npm ci --no-audit --no-fund)
    cmake --preset web
    cmake --build --preset web
}

# The core's tests under node, the scenarios and the page in headless Chromium.
test_web() {
    build_web
    ctest --preset web
}

# Every test again with AddressSanitizer and UndefinedBehaviorSanitizer.
test_sanitized() {
    cmake --preset sanitize
    cmake --build build-sanitize
    ctest --test-dir build-sanitize --output-on-failure
}

# Runs one stage of the tests (a name, then the command), which stops at its
# own first failure; the stages after it run all the same. Each stage's
# result and minutes are kept for the summary at the end.
summary=""
stages=0
failures=0
stage() {
    name=$1
    shift
    echo "=== $name"
    started=$(date +%s)
    # A subshell run as a plain command keeps set -e: a condition would lift it.
    set +e
    (set -e; "$@")
    status=$?
    set -e
    stages=$((stages + 1))
    result=passed
    if [ "$status" -ne 0 ]; then
        result=failed
        failures=$((failures + 1))
    fi
    tenths=$((($(date +%s) - started) / 6))
    summary="$summary$(printf '%-16s %-7s %3d.%d min' "$name" "$result" $((tenths / 10)) $((tenths % 10)))
"
}

case $action in
run)
    configure_qt
    cmake --build "$build_dir" --target Drelvik
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        echo "$0 run: built $build_dir/drelvik, but found no desktop session to show it in (neither DISPLAY nor WAYLAND_DISPLAY is set)" >&2
        exit 1
    fi
    exec "$build_dir/drelvik"
    ;;
test)
    # The packages' checks need lintian, appstreamcli, desktop-file-validate,
    # dpkg-shlibdeps, and for the icons icoutils and rsvg-convert.
    install_missing xvfb x11-utils xdotool imagemagick clang libclang-rt-14-dev \
        lintian appstream desktop-file-utils dpkg-dev icoutils librsvg2-bin
    stage qt test_qt
    stage core test_core
    stage web test_web
    stage windows-i686 test_windows windows-i686
    stage windows-x86_64 test_windows windows-x86_64
    stage sanitizers test_sanitized
    # Each libFuzzer target for 5 seconds, built with clang.
    stage fuzzers fuzz/run.sh 5
    echo "=== Stages"
    printf '%s' "$summary"
    if [ "$failures" -ne 0 ]; then
        echo "$failures of $stages stages failed" >&2
        exit 1
    fi
    ;;
windows)
    build_windows
    ;;
web)
    build_web
    ;;
serve)
    build_web
    exec node scripts/serve.mjs build-web/site "${PORT:-8080}"
    ;;
package)
    # dpkg-shlibdeps works out the package's dependencies.
    install_missing dpkg-dev
    build_qt
    cd "$build_dir" && cpack
    ;;
*)
    echo "usage: $0 run|test|package|windows|web|serve" >&2
    exit 2
    ;;
esac
