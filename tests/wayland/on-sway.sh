#!/usr/bin/env bash
# Runs a command beside its own headless sway, a compositor that takes keys: on-sway.sh COMMAND
# [ARGUMENTS...]. The command finds it through WAYLAND_DISPLAY (a full path) and SWAYSOCK; a
# background wtype keeps a keyboard on the seat, without which the first keys are lost. sway
# refuses to run as root: as root, it runs as the user keywright-sway, made here if missing.
set -euo pipefail

runtime=$(mktemp -d)
chmod 0700 "$runtime"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    id keywright-sway >/dev/null 2>&1 ||
        useradd --system --no-create-home --shell /usr/sbin/nologin keywright-sway
    chown keywright-sway "$runtime"
    as_user=(runuser -u keywright-sway --)
fi
printf 'output HEADLESS-1 resolution 1024x768\n%s\n' "${KEYWRIGHT_SWAY_CONFIG:-}" >"$runtime/config"
chmod 0644 "$runtime/config"
export SWAYSOCK="$runtime/sway.sock"
"${as_user[@]}" env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
    SWAYSOCK="$SWAYSOCK" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway --config "$runtime/config" >"$runtime/sway.log" 2>&1 &
sway=$!
keyboard=
trap 'kill $keyboard "$sway" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$runtime"' EXIT

socket=
for _ in $(seq 200); do # a bound for a slow machine, not a goal
    socket=$(find "$runtime" -maxdepth 1 -name 'wayland-*' -type s | head -n 1)
    [ -n "$socket" ] && [ -S "$SWAYSOCK" ] && break
    kill -0 "$sway" 2>/dev/null || { cat "$runtime/sway.log" >&2; exit 1; }
    sleep 0.05
done
[ -n "$socket" ] && [ -S "$SWAYSOCK" ] || { echo "sway did not start" >&2; cat "$runtime/sway.log" >&2; exit 1; }

unset DISPLAY
export WAYLAND_DISPLAY="$socket"
wtype -s 2147483647 &
keyboard=$!
"$@"
