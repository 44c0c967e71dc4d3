#!/bin/sh
# Sets up a Debian 12 machine for the Tarnik programmer and then either
# starts the program against the bundled simulated station (run) or builds
# and runs every test (test).
#
#   ./setup.sh run     install what is needed, build, start the program
#   ./setup.sh test    install what is needed, build, run all tests, then
#                      fuzz each file reader for a bounded time
set -eu

cd "$(dirname "$0")"
MODE="${1:-}"
case "$MODE" in
    run|test) ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

# Packages: compiler and build tools, Qt 6 (Widgets, PrintSupport, Xml,
# SerialPort, Test), Qt's own Russian translations for its standard
# dialogs, and Liberation fonts for Arial's metrics.
PACKAGES="g++ cmake ninja-build qt6-base-dev qt6-serialport-dev qt6-translations-l10n fonts-liberation"
# The tests also build the fuzz harnesses of the file readers with clang.
if [ "$MODE" = test ]; then
    PACKAGES="$PACKAGES clang libclang-rt-14-dev"
fi

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
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" -j "$(nproc)"

if [ "$MODE" = test ]; then
    status=0
    (cd "$BUILD" && ctest --output-on-failure --timeout 900) || status=1
    # Each fuzz harness for a bounded time (TARNIK_FUZZ_SECONDS, 30 s each);
    # a crash fails the run and its input is kept under tests/fuzz-regressions.
    tools/fuzz/run-fuzzers || status=1
    exit $status
fi

exec "$BUILD/run/start-with-simulated-station"
