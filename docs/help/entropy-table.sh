#!/usr/bin/env bash
# Prints the help page's strength table, every figure from keywright-cli --entropy, or with
# --check FILE compares it with the table between the entropy-table markers of that page.
# Usage: entropy-table.sh KEYWRIGHT_CLI [--check index.html]
set -euo pipefail
cli=$1
lengths=(6 8 12 16 20 32)
rows=(
    "Mixes of Alphabets and numbers, Mixed cases|-t mixed -c mixed"
    "Mixes of Alphabets and numbers, Upper or Lower cases|-t mixed -c upper"
    "Alphabets only, Mixed cases|-t letters -c mixed"
    "Alphabets only, Upper or Lower cases|-t letters -c lower"
    "Numbers only (any case)|-t digits"
)

table() {
    echo '<table class="bits">'
    printf '<tr><th scope="col">Settings</th>'
    for length in "${lengths[@]}"; do
        printf '<th scope="col">%s</th>' "$length"
    done
    echo '</tr>'
    for row in "${rows[@]}"; do
        local label=${row%%|*} options=${row#*|}
        printf '<tr><th scope="row">%s</th>' "$label"
        for length in "${lengths[@]}"; do
            # shellcheck disable=SC2086 # the options are words
            bits=$("$cli" --entropy $options -l "$length")
            printf '<td>%s</td>' "${bits% bits}"
        done
        echo '</tr>'
    done
    echo '</table>'
}

if [ "${2:-}" = --check ]; then
    page=$3
    shown=$(sed -n '/<!-- entropy-table:begin -->/,/<!-- entropy-table:end -->/p' "$page" |
        sed '1d;$d')
    if [ "$shown" != "$(table)" ]; then
        echo "The strength table of $page differs from keywright-cli --entropy:" >&2
        diff <(echo "$shown") <(table) >&2 || true
        exit 1
    fi
    echo "The strength table of $page matches keywright-cli --entropy."
else
    table
fi
