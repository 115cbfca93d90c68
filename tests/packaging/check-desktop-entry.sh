#!/usr/bin/env bash
# Validates the desktop entry with desktop-file-validate and checks the keys the desktop needs to
# find the program: any error or warning fails. The validator of Debian 12 (0.26) predates
# SingleMainWindow (desktop entry 1.5; known from 0.27 on) and calls it an unknown key: that one
# error is let through only from a validator older than 0.27.
# Usage: check-desktop-entry.sh FILE APP_ID
set -euo pipefail
file=$1
id=$2
status=0

report=$(desktop-file-validate "$file" 2>&1 || true)
validator=$(dpkg-query -W -f='${Version}' desktop-file-utils 2>/dev/null || true)
while IFS= read -r line; do
    [ -z "$line" ] && continue
    case "$line" in
    *": hint: "*) continue ;;
    *'key "SingleMainWindow"'*'should start with "X-"'*)
        if [ -n "$validator" ] && dpkg --compare-versions "$validator" lt 0.27; then
            continue
        fi ;;
    esac
    echo "$line" >&2
    status=1
done <<<"$report"

# The keys whose values must match the rest of the installation.
expect() {
    local key=$1 value=$2
    local actual
    actual=$(sed -n "s/^$key=//p" "$file")
    if [ "$actual" != "$value" ]; then
        echo "$file: $key is \"$actual\", expected \"$value\"" >&2
        status=1
    fi
}
expect Type Application
expect Exec keywright
expect Icon "$id"
expect Categories 'Utility;Security;Qt;'
# The window's WM_CLASS under X11, as Qt sets it from the program name.
expect StartupWMClass keywright
expect SingleMainWindow true
expect Terminal false
if ! grep -q '^Keywords=.*password' "$file"; then
    echo "$file: Keywords must name password" >&2
    status=1
fi
if [ "$(basename "$file" .desktop)" != "$id" ]; then
    echo "$file: the file name must be the application id $id" >&2
    status=1
fi
[ "$status" -eq 0 ] && echo "$file: valid"
exit "$status"
