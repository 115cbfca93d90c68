#!/usr/bin/env bash
# Sets up what is missing, builds everything with the tests into build-test/, and runs every test
# through ctest. Exits non-zero on any failure.
# In CI (CI set) or with KEYWRIGHT_SANITIZE=1 it first builds a second copy into build-sanitize/
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole suite there too; that
# pass doubles the time, so a developer's run leaves it out unless asked. The normal pass comes
# last, so its ctest summary ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh
werror=OFF
[ -n "${CI:-}" ] && werror=ON

if [ -n "${CI:-}" ] || [ "${KEYWRIGHT_SANITIZE:-0}" = 1 ]; then
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEYWRIGHT_SANITIZE=ON \
        -DKEYWRIGHT_BUILD_BENCHMARKS=OFF -DKEYWRIGHT_WARNINGS_AS_ERRORS="$werror" >/dev/null
    cmake --build build-sanitize -j2
    # Qt is not instrumented: a report of its own would be suppressed by name in
    # tests/sanitizers/*.supp, with its reason, rather than by switching a check off.
    supp="$PWD/tests/sanitizers"
    ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1" \
    LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp" \
        ctest --test-dir build-sanitize --output-on-failure -j2
fi

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKEYWRIGHT_WARNINGS_AS_ERRORS="$werror" >/dev/null
cmake --build build-test -j2
cd build-test
exec ctest --output-on-failure -j2
