#!/usr/bin/env bash
# The help page works from the doc folder with no network: no scripts, nothing loaded from
# elsewhere, every link inside the page leading to an anchor that exists.
# Usage: check-help-page.sh PAGE
set -euo pipefail
page=$1
status=0
fail() {
    echo "$page: $*" >&2
    status=1
}
grep -qi '<script' "$page" && fail "has a script"
grep -qiE '\son[a-z]+=' "$page" && fail "has an event handler attribute"
grep -qiE '<(img|link|iframe|object|embed|video|audio|source)\b' "$page" &&
    fail "loads another file"
grep -qiE 'url\(' "$page" && fail "loads a file from its style"
grep -qiE 'href="(https?:)?//' "$page" && fail "links to another site"
for anchor in $(grep -oE 'href="#[^"]+"' "$page" | sed 's/href="#//;s/"$//' | sort -u); do
    grep -q "id=\"$anchor\"" "$page" || fail "links to #$anchor, which is missing"
done
grep -qi '<html lang=' "$page" || fail "does not name its language"
grep -qi '<meta charset="utf-8">' "$page" || fail "does not name its encoding"
[ "$status" -eq 0 ] && echo "$page: plain and self-contained"
exit "$status"
