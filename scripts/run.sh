#!/usr/bin/env bash
# Sets up what is missing, builds a Release build into build/ and starts the program: the window
# where a display exists, otherwise one password from keywright-cli.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKEYWRIGHT_BUILD_TESTS=OFF \
    -DKEYWRIGHT_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build -j2

if [ -x build/app/keywright ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    exec build/app/keywright "$@"
fi
build/cli/keywright-cli
if [ -x build/app/keywright ]; then
    echo "No display found: above is one password with the default settings." >&2
    echo "To open the window, run ./scripts/run.sh from a desktop session (DISPLAY or WAYLAND_DISPLAY set)." >&2
else
    echo "Above is one password with the default settings (build/cli/keywright-cli --help for more)." >&2
fi
