#!/usr/bin/env bash
# One password, a new process each time, as a script that calls keywright-cli once per password
# pays for it: `keywright-cli -l 16` against a bare QtCore program that prints one line
# (bench/bare_cli.cpp), both measured with hyperfine in the same run. The two commands alternate
# in ROUNDS rounds of RUNS runs each, so that a change in the machine's load falls on both;
# prints each round's median wall time and mean processor time (user + system), which holds
# steadier on a shared machine, and the median of the rounds' ratios. Goal: at most 1.3.
# hyperfine is the Debian package of that name (installed here through scripts/deps.sh).
#   ROUNDS=5 RUNS=200 bench/cli_startup.sh [build-dir]   (default: build-bench, a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}

./scripts/deps.sh hyperfine
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKEYWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target keywright-cli bare_cli >/dev/null

cli="$build/cli/keywright-cli"
bare="$build/bench/bare_cli"
rounds=${ROUNDS:-5}
runs=${RUNS:-200}
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT

ratios=() cpu_ratios=()
printf '%-6s %26s %26s %14s\n' round 'keywright-cli -l 16' 'bare QtCore program' 'ratio'
printf '%-6s %26s %26s %14s\n' '' 'median wall (mean CPU)' 'median wall (mean CPU)' 'wall (CPU)'
for ((round = 1; round <= rounds; round++)); do
    hyperfine --shell=none --warmup 20 --runs "$runs" --export-csv "$csv" \
        "$cli -l 16" "$bare" >/dev/null 2>&1
    # Columns: command, mean, stddev, median, user, system, min, max (seconds).
    read -r k kc b bc < <(awk -F, 'NR == 2 { k = $4; kc = $5 + $6 } NR == 3 { b = $4; bc = $5 + $6 }
        END { print k, kc, b, bc }' "$csv")
    ratio=$(awk -v k="$k" -v b="$b" 'BEGIN { printf "%.3f", k / b }')
    cpu_ratio=$(awk -v k="$kc" -v b="$bc" 'BEGIN { printf "%.3f", k / b }')
    ratios+=("$ratio")
    cpu_ratios+=("$cpu_ratio")
    awk -v r="$round" -v k="$k" -v kc="$kc" -v b="$b" -v bc="$bc" -v q="$ratio" -v qc="$cpu_ratio" \
        'BEGIN { printf "%-6s %12.2f ms (%.2f ms) %12.2f ms (%.2f ms) %6s (%s)\n", r, k * 1000, kc * 1000, b * 1000, bc * 1000, q, qc }'
done
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
printf 'keywright-cli -l 16 / bare QtCore program, median of %d rounds: %.3f wall, %.3f CPU   (goal: at most 1.3)\n' \
    "$rounds" "$(printf '%s\n' "${ratios[@]}" | median)" "$(printf '%s\n' "${cpu_ratios[@]}" | median)"
