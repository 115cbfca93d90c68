#!/usr/bin/env bash
# The strength keywright-cli states for a mask, against the passwords themselves: for each setting,
# COUNT passwords (default 2,000,000) are generated and how often each text came out is counted.
# Two estimates of the entropy from those counts:
# - "even spread": if the passwords were spread over K equally likely texts, COUNT draws would give
#   K (1 - (1 - 1/K)^COUNT) distinct ones on average; K is solved from the count and log2 K given.
#   Exact for an even spread; a skewed one shows fewer distinct texts, so the figure sits under
#   the truth there (a few dates among many bodies left unchanged), and over it where every text
#   is seen (it then counts the texts, not their chances). With no duplicates at all it only says
#   "more than" log2 (COUNT^2 / 2).
# - Chao-Shen: the chances of the texts seen, scaled by the share of draws whose text was seen
#   before (Good-Turing coverage) and weighted by how likely each was to be seen at all. It follows
#   skewed spreads, and is exact where every text is seen many times.
# A benchmark, not a test: a few minutes on a 2-core machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
count=${COUNT:-2000000}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKEYWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target keywright-cli >/dev/null
cli="$build/cli/keywright-cli"

settings=(
    "-t digits -l 10 -m 0,"
    "-t digits -l 13 -m 0,,"
    "-t digits -l 20 -m 0.000000E+00"
    "-t digits -l 12 -m 0,"
    "-t digits -l 20 -m 0"
    "-t digits -l 300 -m 0"
    "-t digits -l 20 -m Fixed"
    "-t digits -l 20 -m General_Number"
    "-t digits -l 7 -m 0.0E+00"
    "-t digits -l 9 -m #,##0,.0"
    "-t digits -l 8 -m Yes/No"
    "-t digits -l 8 -m dd"
    "-t digits -l 8 -m mmmm"
    "-t digits -l 8 -m Medium_Date"
    "-t digits -l 6 -m yyyy-mm-dd"
    "-t letters -l 6 -m dd"
    "-t mixed -l 4 -m 0"
    "-t mixed -l 5 -c upper -m 0.00"
)

printf '%-36s %24s %22s %14s\n' setting 'keywright-cli --entropy' 'even spread' 'Chao-Shen'
for setting in "${settings[@]}"; do
    # Underscores stand for the blanks of named formats, so that each setting splits into words.
    read -r -a words <<<"$setting"
    words=("${words[@]//_/ }")
    stated=$("$cli" --entropy "${words[@]}" 2>/dev/null)
    measured=$("$cli" "${words[@]}" -n "$count" 2>/dev/null | sort -S 25% | uniq -c |
        awk -v n="$count" '{ c[NR] = $1; d++; once += $1 == 1 } END {
        if (d >= n) { printf "more than %.1f bits %14s", log(n * n / 2) / log(2), "-"; exit }
        # Solve K (1 - exp(-n / K)) = d for K by bisection on log K; one duplicate at least puts
        # K below n^2. For small n / K the series keeps the digits that 1 - exp would lose.
        lo = log(d); hi = 2 * log(n) + 1
        for (i = 0; i < 200; i++) {
            mid = (lo + hi) / 2; k = exp(mid); x = n / k
            taken = x < 1e-4 ? x - x * x / 2 + x * x * x / 6 : 1 - exp(-x)
            if (k * taken < d) lo = mid; else hi = mid
        }
        coverage = 1 - once / n; h = 0
        for (i = 1; i <= d; i++) {
            p = coverage * c[i] / n
            seen = 1 - exp(n * (p < 1e-6 ? -p - p * p / 2 : log(1 - p)))
            h -= p * log(p) / seen
        }
        printf "%.2f bits %14.2f", lo / log(2), h / log(2) }')
    printf '%-36s %24s %22s\n' "$setting" "$stated" "$measured"
done
