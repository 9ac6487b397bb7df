#!/bin/sh
# Sets up a Debian 12 machine for Drelvik, builds it, then starts the program
# or runs every test.
#   ./build.sh run     install what is missing, build the program alone and
#                      start it (needs a desktop session)
#   ./build.sh test    install what is missing, build, run every test (the
#                      packages' checks included, the 32-bit Windows program
#                      under 32-bit Wine in a Debian root of its own, made
#                      once in /var/cache/drelvik), then again under ASan and
#                      UBSan, then each fuzzer briefly; every stage runs even
#                      when one before it failed, and a table at the end says
#                      which passed and how long each took
#   ./build.sh check   install what is missing, build the program with Qt and
#                      the core alone, and run their tests: the quick check
#                      while working, a few minutes
#   ./build.sh package install what is missing, then make the source package
#                      and the Debian package with dpkg-buildpackage, from a
#                      copy of the sources, into build-package
#   ./build.sh windows install what is missing, cross-build Drelvik.exe and its
#                      installer Drelvik-VERSION.msi for 32-bit
#                      (build-windows-i686) and 64-bit Windows
#   ./build.sh web     install what is missing, build the browser program
#                      into build-web/site, ready for any static web server
#   ./build.sh serve   the same, then serve build-web/site on 127.0.0.1
#   ./build.sh release all of package, windows and web, then the release
#                      files with their SHA256SUMS in build-release
set -eu
cd "$(dirname "$0")"

action=${1:-run}
build_dir=${BUILD_DIR:-build}

# Every build dates what it makes by the last commit, so that two builds of
# one commit give the same files.
SOURCE_DATE_EPOCH=$(sh packaging/source-date.sh)
export SOURCE_DATE_EPOCH

apt_get() {
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root=sudo
    $as_root apt-get update
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get "$@"
}

install_missing() {
    missing=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
            || missing="$missing $package"
    done
    [ -n "$missing" ] || return 0
    # shellcheck disable=SC2086
    apt_get install -y $missing
}

configure_qt() {
    install_missing g++ cmake ninja-build doctest-dev libbenchmark-dev qt6-base-dev libxcb1-dev fonts-liberation
    cmake --preset qt -B "$build_dir"
}

build_qt() {
    configure_qt
    cmake --build "$build_dir"
}

# What the Qt build's tests use beyond the build: Xvfb and xdotool for the
# real window; GNOME's styles for Qt, whose high-contrast ones the window
# follows; for the packages' checks lintian, appstreamcli,
# desktop-file-validate, dpkg-shlibdeps, and for the icons icoutils and
# rsvg-convert.
install_qt_test_tools() {
    install_missing xvfb x11-utils xdotool imagemagick adwaita-qt6 \
        lintian appstream desktop-file-utils dpkg-dev icoutils librsvg2-bin
}

# The program with Qt, and its tests (the packages' checks included).
test_qt() {
    build_qt
    ctest --preset qt --test-dir "$build_dir"
}

# The core alone, on a machine as if Qt were not there.
test_core() {
    cmake --workflow --preset core
}

# The Windows program and its installer, cross-built with MinGW-w64 for one
# processor (windows-i686 or windows-x86_64); wixl makes the installer,
# msitools reads it back.
build_windows_preset() {
    install_missing cmake ninja-build doctest-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 icoutils \
        wixl msitools faketime
    cmake --preset "$1"
    cmake --build --preset "$1"
}

build_windows() {
    build_windows_preset windows-i686
    build_windows_preset windows-x86_64
}

# The 64-bit build's tests run under Wine, on Xvfb.
test_windows() {
    install_missing xvfb xdotool imagemagick
    build_windows_preset "$1"
    ctest --preset "$1"
}

# The 32-bit build's tests run under 32-bit Wine, which this machine's own
# Debian may not offer (its mirror's i386 lists can fail), in a Debian 12 root
# of their own made from the main archive alone, with what the tests use;
# QEMU runs the 32-bit code where the kernel does not (scripts/debian-root.sh).
# Debian 12's QEMU takes one to two minutes to start each 32-bit Wine program,
# Debian 13's seconds: the emulator, a static program, comes from Debian 13's
# package.
wine32_root() {
    install_missing debootstrap
    DEBIAN_ROOT_QEMU=$(scripts/debian-static-program.sh trixie qemu-user usr/bin/qemu-i386) \
        scripts/debian-root.sh --i386 bookworm "wine wine64
        wine32:i386 cmake xvfb xdotool imagemagick msitools wixl faketime file binutils binutils-mingw-w64-x86-64
        icoutils fonts-liberation" "$@"
}

# The 32-bit build, cross-built here, and its tests in that root, the whole
# stage one Wine session on one display.
test_windows_i686() {
    build_windows_preset windows-i686
    wine32_root -- sh tests/win32/wine-session.sh ctest --preset windows-i686
}

# The browser program. The build opens the freshly built program in headless
# Chromium, through puppeteer-core (from scripts' lock file, which the
# tests use too), to put its start window into the page; node serves the site.
build_web() {
    install_missing cmake ninja-build doctest-dev emscripten nodejs imagemagick fonts-liberation chromium
    # Some Node.js packages bring their own npm, which Debian's would replace.
    command -v npm >/dev/null || install_missing npm
    [ scripts/node_modules/.package-lock.json -nt scripts/package-lock.json ] \
        || (cd scripts && npm ci --no-audit --no-fund)
    cmake --preset web
    cmake --build --preset web
}

# The core's tests under node, the scenarios and the page in headless
# Chromium, headless Firefox ESR and WebKit's MiniBrowser on a virtual display.
test_web() {
    install_missing firefox-esr webkit2gtk-driver xvfb
    build_web
    ctest --preset web
}

# Every test again with AddressSanitizer and UndefinedBehaviorSanitizer.
test_sanitized() {
    cmake --preset sanitize
    cmake --build build-sanitize
    ctest --test-dir build-sanitize --output-on-failure
}

# The source package, and the Debian package dpkg-buildpackage makes of it
# with the build dependencies debian/control names, in build-package.
build_package() {
    install_missing dpkg-dev debhelper git
    dpkg-checkbuilddeps 2>/dev/null || apt_get build-dep -y --no-install-recommends ./
    sh packaging/build-deb.sh build-package
}

# Both packages, checked as a distribution checks them.
test_package() {
    build_package
    sh tests/packaging/check-deb.sh build-package/drelvik_*.changes
    sh tests/packaging/check-without-git.sh build-package/drelvik_*.dsc
}

# The two minimal roots of a Debian release (a suite) that the check below
# uses, made once with debootstrap and kept outside the clone
# (scripts/debian-root.sh): one to build the source package in, one to
# install the Debian package into.
make_debian_roots() { # SUITE
    install_missing debootstrap
    sh tests/packaging/check-on-debian.sh "$1" --roots
}

# The packages on that release: the source package builds there and passes
# its lintian, the Debian package built here installs and its autopkgtest
# passes.
test_package_on() { # SUITE
    install_missing debootstrap
    sh tests/packaging/check-on-debian.sh "$1" build-package/drelvik_*.dsc
}

# Every release file built again in another folder, and compared with the
# stages' builds above; diffoscope shows any difference.
test_reproducible() {
    # diffoscope alone, without the many tools it can call for other kinds of
    # file.
    command -v diffoscope >/dev/null || apt_get install -y --no-install-recommends diffoscope-minimal
    sh tests/packaging/check-reproducible.sh
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

# The table of the stages run, and a failure if any failed.
summarise() {
    echo "=== Stages"
    printf '%s' "$summary"
    if [ "$failures" -ne 0 ]; then
        echo "$failures of $stages stages failed" >&2
        exit 1
    fi
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
    install_qt_test_tools
    install_missing clang libclang-rt-14-dev
    stage qt test_qt
    stage core test_core
    stage web test_web
    stage root-bookworm wine32_root
    stage windows-i686 test_windows_i686
    stage windows-x86_64 test_windows windows-x86_64
    stage package test_package
    stage root-trixie make_debian_roots trixie
    stage package-trixie test_package_on trixie
    stage reproducible test_reproducible
    stage sanitizers test_sanitized
    # Each libFuzzer target for 5 seconds, built with clang.
    stage fuzzers fuzz/run.sh 5
    summarise
    ;;
check)
    install_qt_test_tools
    stage qt test_qt
    stage core test_core
    summarise
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
    build_package
    ;;
release)
    build_package
    build_windows
    build_web
    sh packaging/release.sh . build-release
    ;;
*)
    echo "usage: $0 run|test|check|package|windows|web|serve|release" >&2
    exit 2
    ;;
esac
