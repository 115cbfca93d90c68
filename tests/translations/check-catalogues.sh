#!/bin/sh
# Every text the programs show has a translation in every shipped catalogue: lupdate, run on
# copies of the catalogues, must change nothing (no text added or gone since the last update) and
# leave nothing untranslated.
# Usage: check-catalogues.sh LUPDATE PROJECT.json CATALOGUE.ts...
set -eu
lupdate=$1 project=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for ts in "$@"; do cp "$ts" "$tmp/"; done
"$lupdate" -silent -project "$project" -no-obsolete -locations none -ts "$tmp"/*.ts
status=0
for ts in "$@"; do
    copy="$tmp/$(basename "$ts")"
    if ! cmp -s "$ts" "$copy"; then
        echo "$ts is out of date with the sources (build the update_translations target):"
        diff "$ts" "$copy" | head -20
        status=1
    fi
    if grep -q 'type="unfinished"' "$copy"; then
        echo "$ts leaves texts untranslated:"
        grep -B1 'type="unfinished"' "$copy" | grep '<source>'
        status=1
    fi
done
exit $status
