#!/usr/bin/env bash
# Renders each manual page with every groff warning on: a warning, or a page without the
# program's name and the version in its header, fails.
# Usage: check-man-pages.sh VERSION PAGE...
set -euo pipefail
version=$1
shift
status=0
for page in "$@"; do
    case "$page" in
    *.gz) text=$(gzip -dc "$page") ;;
    *) text=$(cat "$page") ;;
    esac
    warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z <<<"$text" 2>&1 || true)
    if [ -n "$warnings" ]; then
        echo "$page:" >&2
        echo "$warnings" >&2
        status=1
    fi
    name=$(basename "${page%.gz}" .1)
    if ! grep -q "^\.TH ${name^^} 1 .*\"Keywright $version\"" <<<"$text"; then
        echo "$page: the header must name ${name^^} and Keywright $version" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "manual pages render without warnings"
exit "$status"
