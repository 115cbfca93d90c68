#!/usr/bin/env bash
# Takes the picture of the main window shown in README.md: builds keywright (Release, into
# build/ like run.sh), starts it under Xvfb and saves the window as painted on its first frame
# to docs/screenshots/main-window.png (KEYWRIGHT_SCREENSHOT).
#   BUILD_DIR=build-x scripts/screenshot.sh    another build directory
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKEYWRIGHT_BUILD_TESTS=OFF \
    -DKEYWRIGHT_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j2 --target keywright >/dev/null

mkdir -p docs/screenshots
picture="$PWD/docs/screenshots/main-window.png"
rm -f "$picture"
KEYWRIGHT_SCREENSHOT="$picture" xvfb-run -a -s "-screen 0 1024x768x24" "$build/app/keywright"
[ -s "$picture" ] || { echo "no screenshot was written" >&2; exit 1; }
echo "$picture"
