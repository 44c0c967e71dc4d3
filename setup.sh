#!/bin/sh
# Sets up a Debian 12 machine for the Tarnik programmer and then either
# starts the program against the bundled simulated station (run), builds
# and runs every test (test), or builds the Debian package (package).
#
#   ./setup.sh run      install what is needed, build, start the program
#   ./setup.sh test     install what is needed, build, run all tests in
#                       parallel, then fuzz each file reader for a bounded
#                       time (TARNIK_FUZZ_SECONDS, default 10 s each)
#   ./setup.sh package  install what is needed, build
#                       build/tarnik-programmer_<version>_amd64.deb
#   ./setup.sh windows  install what is needed, unpack the Qt for Windows
#                       into build-windows/, build build-windows/bin/
#                       tarnik-programmer.exe and tarnik-cli.exe and the
#                       installer build-windows/tarnik-programmer-<version>-
#                       setup.exe (the pictures and help come from build/)
#   ./setup.sh windows-test  the same, then run the Windows build under
#                       Wine against the simulated station
set -eu

cd "$(dirname "$0")"
MODE="${1:-}"
case "$MODE" in
    run|test|package|windows|windows-test) ;;
    *) echo "usage: $0 run|test|package|windows|windows-test" >&2; exit 2 ;;
esac

# Packages: compiler and build tools, Qt 6 (Widgets, PrintSupport, Xml,
# SerialPort, Test; Svg for drawing the desktop icon), Qt's own Russian
# translations for its standard dialogs, Qt's translation tools (lrelease
# compiles the program's English translation, lupdate checks it), and
# Liberation fonts for Arial's metrics.
PACKAGES="g++ cmake ninja-build qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-translations-l10n qt6-l10n-tools fonts-liberation"
# Building the package: dpkg-shlibdeps (dpkg-dev) and file, which CPack uses
# to find the programs whose libraries the package depends on. The tests
# build the package too and check it with the lint tools.
case "$MODE" in
    package) PACKAGES="$PACKAGES dpkg-dev file" ;;
    # The tests also build the fuzz harnesses of the file readers with clang.
    test) PACKAGES="$PACKAGES dpkg-dev file lintian desktop-file-utils appstream clang libclang-rt-14-dev" ;;
    # The Windows build: the MinGW-w64 cross compiler, the host's Qt tools
    # (moc, rcc, uic) for the Qt for Windows, NSIS for the installer, Wine.
    windows) PACKAGES="$PACKAGES g++-mingw-w64-x86-64-posix qt6-base-dev-tools nsis wine64" ;;
    # Its tests: a display for the windows, a hand on the mouse, screenshots.
    windows-test) PACKAGES="$PACKAGES g++-mingw-w64-x86-64-posix qt6-base-dev-tools nsis wine64 xvfb xdotool imagemagick" ;;
esac

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $SUDO apt-get update
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

BUILD="${TARNIK_BUILD_DIR:-build}"
# Only the tests build the test programs and benchmarks. The programs they
# test (and the build-time tools of the Windows build) are optimised as
# shipped but carry no debug information: it takes about a third of each
# compile, and no test reads it.
TESTING=OFF
OPTIMISE="-O2 -g -DNDEBUG"
case "$MODE" in
    test) TESTING=ON; OPTIMISE="-O2 -DNDEBUG" ;;
    windows|windows-test) OPTIMISE="-O2 -DNDEBUG" ;;
esac
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING="$TESTING" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$OPTIMISE"

case "$MODE" in windows|windows-test)
    # The host build draws the pictures, the help page and the icon the
    # Windows build ships, and runs the simulated station for its tests.
    cmake --build "$BUILD" -j "$(nproc)" --target run-directory app-icon tarnik-station tarnik-station-broker
    WIN_BUILD="${TARNIK_WINDOWS_BUILD_DIR:-build-windows}"
    QT_ARCHIVE="${TARNIK_WINDOWS_QT_ARCHIVE:-../shared/toolchains/qt6.4.2-mingw-w64-static.tar.xz}"
    if [ ! -f "$WIN_BUILD/qt6-mingw/lib/libQt6Core.a" ]; then
        [ -f "$QT_ARCHIVE" ] || { echo "The Qt for Windows is missing: $QT_ARCHIVE" >&2; exit 1; }
        mkdir -p "$WIN_BUILD"
        tar -xJf "$QT_ARCHIVE" -C "$WIN_BUILD"
    fi
    cmake -S . -B "$WIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
        -DTARNIK_WINDOWS_QT="$PWD/$WIN_BUILD/qt6-mingw" -DTARNIK_HOST_BUILD="$PWD/$BUILD"
    cmake --build "$WIN_BUILD" -j "$(nproc)"
    ls -l "$WIN_BUILD"/bin/*.exe "$WIN_BUILD"/tarnik-programmer-*-setup.exe
    if [ "$MODE" = windows-test ]; then
        exec tests/windows/run-under-wine "$BUILD" "$WIN_BUILD"
    fi
    exit 0
    ;;
esac

cmake --build "$BUILD" -j "$(nproc)"

if [ "$MODE" = test ]; then
    status=0
    # The fuzz harnesses are built with clang and each run for a bounded
    # time (TARNIK_FUZZ_SECONDS, 10 s each unless told otherwise; the
    # continuous integration gives them 30 s) while the tests run: the tests
    # spend most of their time waiting on simulated serial lines, which
    # leaves the cores to the fuzzing. A crash fails the run and its input
    # is kept under tests/fuzz-regressions. The fuzzing's report follows
    # the tests'.
    # The fuzzing runs at a lower priority: it takes the time the tests
    # leave, and the tests' timing stays as it would be without it.
    fuzzlog="$BUILD/fuzzing.log"
    nice -n 10 tools/fuzz/run-fuzzers >"$fuzzlog" 2>&1 &
    fuzzing=$!
    # Every test class in a process of its own, twice as many at once as
    # there are cores, as most of them wait on serial lines. A class that
    # fails runs once more, alone: a fault fails twice, while one that
    # passes the second time is named as a timing fault to look at (the
    # machines here are shared and noisy).
    if ! (cd "$BUILD" && ctest --output-on-failure --timeout 900 -j "$(($(nproc) * 2))"); then
        echo "== the failed test classes once more, one at a time"
        if (cd "$BUILD" && ctest --rerun-failed --output-on-failure --timeout 900); then
            echo "NOTE: the classes that failed above passed on their second run: a timing fault to look at"
        else
            status=1
        fi
    fi
    fuzzrc=0
    wait "$fuzzing" || fuzzrc=$?
    echo "== fuzzing (alongside the tests; the whole log: $fuzzlog)"
    grep -v -E '^\[[0-9]+/[0-9]+\] ' "$fuzzlog" || true
    [ "$fuzzrc" -eq 0 ] || status=1
    exit $status
fi

if [ "$MODE" = package ]; then
    cd "$BUILD"
    cpack -G DEB
    ls -l tarnik-programmer_*.deb
    exit 0
fi

exec "$BUILD/run/start-with-simulated-station"
