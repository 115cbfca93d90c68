#!/usr/bin/env bash
# Bulk generation, measured in one run: keywright-cli against the getrandom floor program and
# against pwgen -s, 1,000,000 passwords of 16 characters each; then the time for one password of
# 65,535 characters against one of 255 (composition is linear in the length).
# Usage: bench/cli_throughput.sh [build-dir]   (default: build-bench, a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}

./scripts/deps.sh pwgen bc
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKEYWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target keywright-cli bench_floor >/dev/null

cli="$build/cli/keywright-cli"
floor="$build/bench/bench_floor"

# Best of five wall-clock runs, in seconds.
best() {
    local best_time=
    for _ in 1 2 3 4 5; do
        local start end
        start=$(date +%s.%N)
        "$@" >/dev/null
        end=$(date +%s.%N)
        local t
        t=$(echo "$end - $start" | bc -l)
        if [ -z "$best_time" ] || [ "$(echo "$t < $best_time" | bc -l)" = 1 ]; then
            best_time=$t
        fi
    done
    echo "$best_time"
}

t_cli=$(best "$cli" -l 16 -n 1000000)
t_floor=$(best "$floor" 1000000 16)
t_pwgen=$(best pwgen -s -1 16 1000000)
printf 'keywright-cli -l 16 -n 1000000   %8.3f s\n' "$t_cli"
printf 'floor (getrandom)               %8.3f s\n' "$t_floor"
printf 'pwgen -s -1 16 1000000           %8.3f s\n' "$t_pwgen"
printf 'keywright-cli / floor            %8.2f   (goal: at most 2)\n' "$(echo "$t_cli / $t_floor" | bc -l)"
printf 'pwgen -s / keywright-cli         %8.2f   (times faster than pwgen -s)\n' "$(echo "$t_pwgen / $t_cli" | bc -l)"

t_255=$(best "$cli" -l 255 -n 2000)
t_65535=$(best "$cli" -l 65535 -n 2000)
printf 'L=65535 / L=255 (2000 passwords) %8.2f   (goal: at most 300; 257 is linear)\n' \
    "$(echo "$t_65535 / $t_255" | bc -l)"
