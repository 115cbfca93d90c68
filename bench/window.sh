#!/usr/bin/env bash
# The main window under load (bench/window_soak.cpp): 10,000 presses of Generate with the
# resident memory before and after, 1,000 presses of Enter with random length texts, and the
# time of one press at L = 255 and L = 65,535. Headless (offscreen platform).
# Usage: bench/window.sh [build-dir [test function...]]   (default: build-bench, a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
[ "$#" -gt 0 ] && shift

./scripts/deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKEYWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target bench_window >/dev/null
# The offscreen platform warns on every raise() and on missing OpenType scripts: noise here.
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$build/bench/bench_window" -maxwarnings 0 "$@" 2>&1 |
    grep -vE 'does not support raise|OpenType support missing'
