#!/bin/sh
# Sets up a Debian 12 machine for Drelvik, builds it, then starts the program
# or runs every test.
#   ./build.sh run     install what is missing, build the program alone and
#                      start it (needs a desktop session)
#   ./build.sh test    install what is missing, build, run every test (the
#                      packages' checks included), then again under ASan and
#                      UBSan, then each fuzzer briefly
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

# The core alone, on a machine as if Qt were not there.
test_core() {
    cmake -S . -B build-core -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DDRELVIK_QT=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
    cmake --build build-core
    ctest --test-dir build-core --output-on-failure
}

# The Windows program and its installer, cross-built with MinGW-w64 for both
# processors; wixl makes the installers, msitools reads them back.
build_windows() {
    install_missing cmake ninja-build doctest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 icoutils \
        wixl msitools
    for preset in windows-i686 windows-x86_64; do
        cmake --preset "$preset"
        cmake --build --preset "$preset"
    done
}

# The 32-bit build is checked as a file only; the 64-bit build's tests run
# under Wine, on Xvfb.
test_windows() {
    install_missing xvfb xdotool imagemagick
    build_windows
    ctest --preset windows-i686
    ctest --preset windows-x86_64
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
    build_qt
    ctest --test-dir "$build_dir" --output-on-failure
    test_core
    test_web
    test_windows
    test_sanitized
    # Each libFuzzer target for 5 seconds, built with clang.
    fuzz/run.sh 5
    ;;
windows)
    build_windows
    ;;
web)
    build_web
    ;;
serve)
    build_web
    exec node tests/web/serve.mjs build-web/site "${PORT:-8080}"
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
