#!/usr/bin/env bash
# Start-up time of keywright against a bare Qt Widgets window with as many controls
# (bench/bare_window.cpp): from the start of the process to its first painted frame, both under
# the same Xvfb server, runs interleaved. Each program quits right after its first paint
# (KEYWRIGHT_EXIT_AFTER_FIRST_PAINT=1), so a run's wall time is start-up to first frame plus the
# same short exit for both. Prints the medians and the minimums and their ratios; the goal is
# 1.10 at most. On a busy machine the medians spread with the load; the minimums, the runs that
# waited least for the processor, stay close to the programs' own cost.
#   RUNS=40 bench/startup.sh        more runs (default 30)
#   BUILD_DIR=build-bench           where the Release build goes
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --measure ]; then
    ./scripts/deps.sh
    build="${BUILD_DIR:-build-bench}"
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKEYWRIGHT_BUILD_TESTS=OFF \
        -DKEYWRIGHT_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build "$build" -j2 --target keywright bare_window >/dev/null
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --measure "$build"
fi

build="$2"
runs="${RUNS:-30}"
export KEYWRIGHT_EXIT_AFTER_FIRST_PAINT=1
unset KEYWRIGHT_SCREENSHOT
programs=("$build/app/keywright" "$build/bench/bare_window")

# Milliseconds of one run, start to exit.
run_ms() {
    local start end
    start=$EPOCHREALTIME
    "$1" >/dev/null 2>&1
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
minimum() { sort -n | head -n 1; }

# Warm the page cache and the font cache first.
for program in "${programs[@]}"; do
    run_ms "$program" >/dev/null
    run_ms "$program" >/dev/null
done

keywright_times=() bare_times=()
for ((i = 0; i < runs; i++)); do
    keywright_times+=("$(run_ms "${programs[0]}")")
    bare_times+=("$(run_ms "${programs[1]}")")
done

keywright=$(printf '%s\n' "${keywright_times[@]}" | median)
bare=$(printf '%s\n' "${bare_times[@]}" | median)
keywright_min=$(printf '%s\n' "${keywright_times[@]}" | minimum)
bare_min=$(printf '%s\n' "${bare_times[@]}" | minimum)
awk -v k="$keywright" -v b="$bare" -v km="$keywright_min" -v bm="$bare_min" -v n="$runs" 'BEGIN {
    printf "start-up to first paint under Xvfb, %d runs each     median    minimum\n", n
    printf "  keywright                                  %8.1f ms %8.1f ms\n", k, km
    printf "  bare window                                %8.1f ms %8.1f ms\n", b, bm
    printf "  ratio (goal: 1.10 at most)                 %8.3f    %8.3f\n", k / b, km / bm
}'
