#!/usr/bin/env bash
# 1,000 keywright-cli processes started at once give 1,000
# different passwords of 16 characters: no two processes share a random sequence, however close
# their start.
# Usage: distinct_passwords.sh PATH/TO/keywright-cli
set -euo pipefail
cli=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

pids=()
for i in $(seq 0 999); do
    "$cli" -l 16 >"$out/$i" &
    pids+=($!)
done
for pid in "${pids[@]}"; do
    wait "$pid" || { echo "a keywright-cli process failed" >&2; exit 1; }
done

cat "$out"/* >"$out/all.txt"
lines=$(wc -l <"$out/all.txt")
good=$(grep -cE '^[0-9A-Za-z]{16}$' "$out/all.txt" || true)
distinct=$(sort -u "$out/all.txt" | wc -l)
echo "$lines passwords, $good of 16 letters and digits, $distinct distinct"
[ "$lines" -eq 1000 ] && [ "$good" -eq 1000 ] && [ "$distinct" -eq 1000 ]
