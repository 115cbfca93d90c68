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
# Under the sanitizers, leaks are checked in the other runs of the same tests: Qt's Wayland
# client leaves its display's objects and the clipboard's data to the process's end.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
out="$runtime/test.out"
"$@" >"$out" 2>&1 &
test=$!
# Qt 6.4's Wayland client now and then deadlocks while the application object is destroyed
# (the display's destructor waits for its event thread, which waits in wl_display_read_events),
# after every test has run and reported. A test program that has finished its report and then
# does not end within ten seconds is stopped and judged by that report.
while kill -0 "$test" 2>/dev/null; do
    if grep -q '^\*\+ Finished testing of' "$out"; then
        for _ in $(seq 100); do
            kill -0 "$test" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$test" 2>/dev/null; then
            kill -9 "$test"
            wait "$test" 2>/dev/null || true
            cat "$out"
            echo "(stopped after its report: Qt's Wayland client hung on exit)"
            grep -q '^Totals: .*, 0 failed,' "$out"
            exit
        fi
        break
    fi
    sleep 0.1
done
status=0
wait "$test" || status=$?
cat "$out"
exit "$status"
