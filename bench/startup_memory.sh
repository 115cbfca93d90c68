#!/usr/bin/env bash
# Resident memory at the first painted frame: keywright against the bare Qt Widgets window with
# the same controls (bench/bare_window.cpp), under the same Xvfb server. Both quit right after
# their first paint (KEYWRIGHT_EXIT_AFTER_FIRST_PAINT=1), so a run's peak resident set, as GNU
# time reports it, is the memory the program holds when its window first shows. Prints the
# medians of RUNS runs each (default 9) and their ratio. The start-up time is bench/startup.sh.
#   BUILD_DIR=build-bench           where the Release build goes
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --measure ]; then
    ./scripts/deps.sh time
    build="${BUILD_DIR:-build-bench}"
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKEYWRIGHT_BUILD_TESTS=OFF \
        -DKEYWRIGHT_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build "$build" -j2 --target keywright bare_window >/dev/null
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --measure "$build"
fi

build="$2"
runs="${RUNS:-9}"
export KEYWRIGHT_EXIT_AFTER_FIRST_PAINT=1
unset KEYWRIGHT_SCREENSHOT
report=$(mktemp)
trap 'rm -f "$report"' EXIT

# Peak resident set of one run, in KiB.
peak_kib() {
    /usr/bin/time -o "$report" -f '%M' "$1" >/dev/null 2>&1
    tail -n 1 "$report"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

keywright=() bare=()
for ((i = 0; i < runs; i++)); do
    keywright+=("$(peak_kib "$build/app/keywright")")
    bare+=("$(peak_kib "$build/bench/bare_window")")
done
k=$(printf '%s\n' "${keywright[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
awk -v k="$k" -v b="$b" -v n="$runs" 'BEGIN {
    printf "resident memory at the first paint under Xvfb, median of %d runs\n", n
    printf "  keywright    %8.1f MiB\n", k / 1024
    printf "  bare window  %8.1f MiB\n", b / 1024
    printf "  ratio        %8.3f   (goal: 1.05 at most)\n", k / b
}'
