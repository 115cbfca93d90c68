#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in a build directory of their own and runs each one for
# a number of seconds. New corpus entries go to the build directory; the committed corpus in
# fuzz/corpus/ is only read (copy a find there by hand when it is worth keeping).
# Usage: scripts/fuzz.sh [--long] [SECONDS] [TARGET...]
#        scripts/fuzz.sh --help    print this text and nothing else
#   targets: the directories of fuzz/corpus (format conversions compose_password ...)
#   --long: inputs of up to 256 KiB from the first run on (-max_len, -len_control=0), each one
#           allowed KEYWRIGHT_FUZZ_TIMEOUT seconds (default 3): a linear scan of 256 KiB takes
#           a small part of that even with the sanitizers, a scan slower than linear does not,
#           and a timeout is a finding. Meant for the text readers: format and conversions.
# Environment: KEYWRIGHT_FUZZ_BUILD (default build-fuzz), KEYWRIGHT_FUZZ_JOBS (default 2).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

# The comment above, from "Usage" on, is the help text.
usage() {
    sed -n '/^# Usage:/,/^# Environment:/s/^# \{0,1\}//p' "$0"
}
case "${1:-}" in
-h | --help)
    usage
    exit 0
    ;;
esac

long=false
if [ "${1:-}" = --long ]; then
    long=true
    shift
fi
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
    echo "fuzz.sh: not a number of seconds: $seconds" >&2
    usage >&2
    exit 2
fi
[ "$#" -gt 0 ] && shift
build=${KEYWRIGHT_FUZZ_BUILD:-$root/build-fuzz}
jobs=${KEYWRIGHT_FUZZ_JOBS:-2}

targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    for corpus in "$root"/fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi
for target in "${targets[@]}"; do
    if [ ! -d "$root/fuzz/corpus/$target" ]; then
        echo "fuzz.sh: no such target: $target" >&2
        usage >&2
        exit 2
    fi
done

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
    options=(-max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=2048
             -artifact_prefix="$artifacts/")
    seeds=("$root/fuzz/corpus/$target")
    if "$long"; then
        work="$build/corpus/$target-long"
        mkdir -p "$work"
        options+=(-max_len=262144 -len_control=0 -timeout="${KEYWRIGHT_FUZZ_TIMEOUT:-3}")
        # Mutations lengthen an input a few bytes at a time: start from long inputs as well,
        # made from each committed one up to 256 KiB in two ways: repeated whole (many fields),
        # and with each byte after the two setting bytes repeated (long runs of one character).
        long_seeds="$build/seeds/$target-long"
        rm -rf "$long_seeds"
        mkdir -p "$long_seeds"
        for seed in "$root/fuzz/corpus/$target"/*; do
            [ -s "$seed" ] || continue
            out="$long_seeds/$(basename "$seed")"
            cp "$seed" "$out"
            while [ "$(stat -c %s "$out")" -lt 262144 ]; do
                cat "$out" "$out" >"$out.twice"
                mv "$out.twice" "$out"
            done
            truncate -s 262144 "$out"
            perl -0777 -ne '($h, $r) = (substr($_, 0, 2), substr($_, 2)); length($r) or exit;
                $k = int(262142 / length($r)) || 1; $r =~ s/(.)/$1 x $k/ges; print $h, $r' \
                "$seed" >"$out-runs"
        done
        seeds+=("$long_seeds")
    else
        options+=(-timeout=10)
    fi
    [ -f "$root/fuzz/$target.dict" ] && options+=(-dict="$root/fuzz/$target.dict")
    fuzzer=$(find "$build" -type f -name "${target}_fuzzer" -perm -u+x | head -n 1)
    if "$long"; then
        echo "== $target for ${seconds}s, inputs up to 256 KiB"
    else
        echo "== $target for ${seconds}s"
    fi
    rc=0
    "$fuzzer" "${options[@]}" "$work" "${seeds[@]}" >"$build/$target.log" 2>&1 || rc=$?
    grep -E '^(#[0-9]+ +DONE|SUMMARY|stat::number_of_executed_units|Done [0-9]+ runs)' \
        "$build/$target.log" || true
    echo "longest input kept: $(find "$work" -type f -printf '%s\n' | sort -n | tail -n 1) bytes"
    if [ "$rc" -ne 0 ]; then
        echo "!! $target stopped with status $rc: see $build/$target.log and $artifacts" >&2
        status=1
    fi
done
exit "$status"
