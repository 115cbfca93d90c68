#!/usr/bin/env bash
# Takes the pictures shown in README.md: builds keywright (Release, into build/ like run.sh),
# starts it under Xvfb and saves the window as painted on its first frame to
# docs/screenshots/main-window.png (KEYWRIGHT_SCREENSHOT), then the About dialog to
# docs/screenshots/about-dialog.png (KEYWRIGHT_SCREENSHOT_ABOUT); then the main window in each
# shipped language to docs/screenshots/main-window-<language>.png.
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
about="$PWD/docs/screenshots/about-dialog.png"
rm -f "$picture" "$about"
LC_ALL=C.UTF-8 KEYWRIGHT_SCREENSHOT="$picture" KEYWRIGHT_SCREENSHOT_ABOUT="$about" \
    xvfb-run -a -s "-screen 0 1024x768x24" "$build/app/keywright"
pictures=("$picture" "$about")
for locale in de_DE fr_FR es_ES; do
    translated="$PWD/docs/screenshots/main-window-${locale%_*}.png"
    rm -f "$translated"
    LC_ALL="$locale.UTF-8" KEYWRIGHT_SCREENSHOT="$translated" \
        xvfb-run -a -s "-screen 0 1024x768x24" "$build/app/keywright"
    pictures+=("$translated")
done
for file in "${pictures[@]}"; do
    [ -s "$file" ] || { echo "no screenshot was written to $file" >&2; exit 1; }
    echo "$file"
done
