#!/usr/bin/env bash
# Sets up what is missing, builds everything with the tests into build-test/, and runs every test
# through ctest. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKEYWRIGHT_WARNINGS_AS_ERRORS="$werror" >/dev/null
cmake --build build-test -j2
cd build-test
exec ctest --output-on-failure -j2
