#!/usr/bin/env bash
# Runs clang-tidy, with the .clang-tidy at the root, over the project's own sources in a build's
# compile_commands.json (tests, benchmarks, fuzz targets and generated files left out). Any
# finding fails (the configuration makes every warning an error), and so does clang-tidy failing
# for any other reason, even without a word.
# Usage: clang_tidy.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
if [ -z "$runner" ] || [ -z "$tidy" ]; then
    echo "clang-tidy is not installed (scripts/deps.sh installs it)" >&2
    exit 1
fi
own="^$source/(app|cli|core|platform|ui)/"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
"$runner" -quiet -p "$build" -clang-tidy-binary "$tidy" -j "$(nproc)" \
    -header-filter="$own" "$own.*\\.cpp\$" >"$log" 2>&1 || status=$?
# The findings without the progress lines and colours.
sed -e "s/\x1b\[[0-9;]*m//g" "$log" |
    grep -vE "^[0-9]+ warnings? (and [0-9]+ errors? )?generated|^Suppressed [0-9]+ warnings|^Use -header-filter|^\S*clang-tidy\S* |^$" ||
    true
if [ "$status" -ne 0 ]; then
    echo "clang-tidy failed with status $status" >&2
    exit 1
fi
