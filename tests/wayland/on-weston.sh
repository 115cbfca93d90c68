#!/usr/bin/env bash
# Runs a command on its own headless Weston compositor with Qt's wayland platform: on-weston.sh
# COMMAND [ARGUMENTS...]. The compositor and its private runtime folder go when the command ends.
set -euo pipefail

runtime=$(mktemp -d)
chmod 0700 "$runtime"
socket=keywright-$$
log="$runtime/weston.log"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --log="$log" >/dev/null 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT

for _ in $(seq 200); do # a bound for a slow machine, not a goal
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston" 2>/dev/null || { cat "$log" >&2; exit 1; }
    sleep 0.05
done
[ -S "$runtime/$socket" ] || { echo "weston did not start" >&2; cat "$log" >&2; exit 1; }

unset DISPLAY
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
"$@"
