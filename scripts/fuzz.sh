#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in a build directory of their own and runs each one for
# a number of seconds. New corpus entries go to the build directory; the committed corpus in
# fuzz/corpus/ is only read (copy a find there by hand when it is worth keeping).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]     targets: format conversions compose_password
# Environment: KEYWRIGHT_FUZZ_BUILD (default build-fuzz), KEYWRIGHT_FUZZ_JOBS (default 2).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
[ "$#" -gt 0 ] && shift
build=${KEYWRIGHT_FUZZ_BUILD:-$root/build-fuzz}
jobs=${KEYWRIGHT_FUZZ_JOBS:-2}

targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    for corpus in "$root"/fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi

"$root/scripts/deps.sh" clang-14 libclang-rt-14-dev

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DKEYWRIGHT_FUZZ=ON -DKEYWRIGHT_BUILD_TESTS=OFF -DKEYWRIGHT_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]/%/_fuzzer}"

status=0
for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$work" "$artifacts"
    options=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048
             -artifact_prefix="$artifacts/")
    [ -f "$root/fuzz/$target.dict" ] && options+=(-dict="$root/fuzz/$target.dict")
    fuzzer=$(find "$build" -type f -name "${target}_fuzzer" -perm -u+x | head -n 1)
    echo "== $target for ${seconds}s"
    rc=0
    "$fuzzer" "${options[@]}" "$work" "$root/fuzz/corpus/$target" >"$build/$target.log" 2>&1 || rc=$?
    grep -E '^(#[0-9]+ +DONE|SUMMARY|stat::number_of_executed_units|Done [0-9]+ runs)' \
        "$build/$target.log" || true
    if [ "$rc" -ne 0 ]; then
        echo "!! $target stopped with status $rc: see $build/$target.log and $artifacts" >&2
        status=1
    fi
done
exit "$status"
