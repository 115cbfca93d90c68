#!/usr/bin/env bash
# Installs the package with apt as a user would, starts the window from the installed desktop
# entry with gio under Xvfb, finds it by its title with its icon set, and reads the installed
# manual page with man; then removes the package again. That changes the machine it runs on
# (apt installs what the package depends on, too), so it runs only where the machine is thrown
# away afterwards: in CI (CI set; .ci/run sets it), which runs as root on a fresh machine, or in a
# throw-away root such as a chroot or container, as root with KEYWRIGHT_THROWAWAY_ROOT=1.
# Anywhere else, without root, or where keywright is installed already, it is skipped (77).
# Usage: check-launch.sh DEB_DIR APP_ID TITLE
set -euo pipefail
deb=$(realpath "$(ls "$1"/keywright_*.deb)")
id=$2
title=$3

if [ -z "${CI:-}" ] && [ "${KEYWRIGHT_THROWAWAY_ROOT:-0}" != 1 ]; then
    echo "skipped: installs and purges the keywright package system-wide; runs in CI (CI set)" \
        "or, in a throw-away root, with KEYWRIGHT_THROWAWAY_ROOT=1"
    exit 77
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installing the package needs root"
    exit 77
fi
# One installing run at a time on this machine.
exec 9>/tmp/keywright-launch-check.lock
flock 9
if dpkg-query -W -f='${Status}' keywright 2>/dev/null | grep -q 'install ok installed'; then
    echo "skipped: keywright is installed here already; this check installs and removes its own"
    exit 77
fi

apt_get=(apt-get -y -qq -o DPkg::Lock::Timeout=300)
export DEBIAN_FRONTEND=noninteractive
cleanup() {
    "${apt_get[@]}" purge keywright >/dev/null 2>&1 || echo "could not remove keywright" >&2
}
trap cleanup EXIT
"${apt_get[@]}" install --no-install-recommends "$deb" >/dev/null 2>&1 ||
    { echo "apt-get install $deb failed" >&2; exit 1; }

status=0
fail() {
    echo "$*" >&2
    status=1
}

# The window, started the way a desktop starts it, on a display of its own.
entry=/usr/share/applications/$id.desktop
window=$(
    unset QT_QPA_PLATFORM
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        gio launch "$1" 2>/dev/null || exit 1
        for _ in $(seq 100); do
            id=$(xwininfo -root -tree | awk -v t="\"$2\":" "index(\$0, t) { print \$1; exit }")
            if [ -n "$id" ] && xwininfo -id "$id" | grep -q "Map State: IsViewable"; then
                xprop -id "$id" WM_CLASS _NET_WM_PID
                xprop -id "$id" _NET_WM_ICON | grep "Icon ("
                kill "$(xprop -id "$id" _NET_WM_PID | sed "s/.*= //")"
                exit 0
            fi
            sleep 0.2
        done
        exit 1' launch "$entry" "$title"
) || fail "$entry: no window titled \"$title\" was shown"
if [ "$status" -eq 0 ]; then
    grep -q '^WM_CLASS(STRING) = "keywright", "keywright"$' <<<"$window" ||
        fail "the window's class is not keywright: $window"
    # xprop draws each size of the icon; the program sets 16 to 48 pixels.
    grep -q 'Icon (48 x 48):' <<<"$window" || fail "the window has no icon: $window"
fi

page=$(man -w keywright-cli 2>&1) || true
[ "$page" = /usr/share/man/man1/keywright-cli.1.gz ] || fail "man -w keywright-cli: $page"
MANWIDTH=80 man -P cat keywright-cli 2>/dev/null | grep -q '^NAME' || fail "man keywright-cli shows no page"

[ "$status" -eq 0 ] && echo "installed with apt: the desktop entry opens \"$title\" with its icon; man keywright-cli reads"
exit "$status"
