#!/bin/sh
# Every text the programs show has a translation in every shipped catalogue: lupdate, run on
# copies of the catalogues, must change nothing (no text added or gone since the last update) and
# leave nothing untranslated.
# Usage: check-catalogues.sh CMAKE LUPDATE PROJECT.cmake GENERATOR.cmake CATALOGUE.ts...
# PROJECT.cmake is the lupdate project qt_add_translations writes at configure time; GENERATOR is
# Qt's script that turns it into the JSON project lupdate reads (as the update_translations
# target does).
set -eu
cmake=$1 lupdate=$2 description=$3 generator=$4
shift 4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
project="$tmp/project.json"
"$cmake" -DIN_FILE="$description" -DOUT_FILE="$project" -P "$generator"
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
