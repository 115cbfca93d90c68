#!/usr/bin/env bash
# keywright-cli's completions against the program's own --help: bash (loaded, then asked as the
# shell asks) and fish (asked with complete -C) offer exactly the options the help lists, the
# values it names for --type and --case, and the format command; the zsh file parses and names
# every option with those values. A new option or value that the completions lack fails here.
# Usage: check-completions.sh KEYWRIGHT_CLI BASH_FILE ZSH_FILE FISH_FILE
set -euo pipefail
cli=$1
bash_file=$2
zsh_file=$3
fish_file=$4
status=0
fail() {
    echo "$*" >&2
    status=1
}
sorted() { tr ' ' '\n' | sed '/^$/d' | sort -u | paste -sd' '; }
same() { # WHAT EXPECTED ACTUAL
    [ "$(sorted <<<"$2")" = "$(sorted <<<"$3")" ] || fail "$1: expected [$2], got [$3]"
}

# The option list, as the program prints it: "  -t, --type <TYPE>   Characters: a, b or c (default)."
help=$("$cli" --help)
option_lines=$(sed -n '/^Options:$/,/^$/p' <<<"$help" | grep -E '^  -')
options=$(sed -E 's/^  (-[^<]*[a-z])( <[A-Z]+>)?  .*/\1/; s/,//g' <<<"$option_lines" | paste -sd' ')
valued=$(grep -E '^  -[^ ].* <[A-Z]+>  ' <<<"$option_lines" |
    sed -E 's/^  (-[^<]*[a-z]) <.*/\1/; s/,//g' | paste -sd' ')
commands=$(sed -n '/^Arguments:$/,/^$/p' <<<"$help" | sed -nE 's/^  ([a-z]+) .*/\1/p' | paste -sd' ')
# "Characters: letters, digits or mixed (default)." gives letters digits mixed.
values_of() {
    grep -E "^  -., --$1 " <<<"$option_lines" |
        sed -E 's/^[^:]*: //; s/ \(default\)//; s/\.$//; s/,//g; s/ or / /'
}
declare -A values=([type]="$(values_of type)" [case]="$(values_of case)")
[ -n "$options" ] && [ -n "$commands" ] && [ -n "${values[type]}" ] && [ -n "${values[case]}" ] ||
    { echo "could not read the options from $cli --help" >&2; exit 1; }
for name in type case; do
    for value in ${values[$name]}; do
        "$cli" -l 4 "--$name" "$value" >/dev/null || fail "keywright-cli refuses --$name $value"
    done
done

# bash: what the completion function offers for a command line whose last word is being typed.
loaded=$(bash --norc --noprofile -c 'source "$1" && complete -p keywright-cli' _ "$bash_file") ||
    fail "$bash_file: complete -p keywright-cli finds nothing"
function=$(sed -nE 's/.* -F ([^ ]+) .*/\1/p' <<<"$loaded")
bash_offers() {
    bash --norc --noprofile -c '
        source "$1"; function=$2; shift 2
        COMP_WORDS=(keywright-cli "$@"); COMP_CWORD=$#
        COMP_LINE="${COMP_WORDS[*]}"; COMP_POINT=${#COMP_LINE}
        "$function" keywright-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        echo "${COMPREPLY[*]}"' _ "$bash_file" "$function" "$@"
}
fish_offers() {
    fish --no-config -c 'source $argv[1]; complete -C"keywright-cli $argv[2]"' "$fish_file" "$1" |
        cut -f1 | paste -sd' '
}

same "bash: keywright-cli -" "$options" "$(bash_offers -)"
same "fish: keywright-cli -" "$options" "$(fish_offers -)"
same "bash: keywright-cli" "$commands" "$(bash_offers '')"
same "bash: keywright-cli -l 8 --entropy" "$commands" "$(bash_offers -l 8 --entropy '')"
same "fish: keywright-cli" "$commands" "$(fish_offers '')"
for option in $valued; do
    name=${option#--}
    name=${name#-}
    expected=
    case $option in
    -t | --type) expected=${values[type]} ;;
    -c | --case) expected=${values[case]} ;;
    esac
    same "bash: keywright-cli $option" "$expected" "$(bash_offers "$option" '')"
done
same "bash: keywright-cli --case=" "${values[case]}" "$(bash_offers --case = '')"
same "fish: keywright-cli --type" "${values[type]}" "$(fish_offers '--type ')"
same "fish: keywright-cli -c" "${values[case]}" "$(fish_offers '-c ')"

# zsh: the file parses, and its option descriptions name every option; the values of --type
# and --case follow theirs.
zsh -n "$zsh_file" || fail "$zsh_file does not parse"
same "zsh: options" "$options" "$(grep -oP "(?<=[{,')])--?[a-z][a-z-]*(?=[+=]?[[,}'])" "$zsh_file" | paste -sd' ')"
for name in type case; do
    grep -qE -- "--$name=.*:\(${values[$name]}\)'" "$zsh_file" || fail "zsh: --$name lacks the values ${values[$name]}"
done

[ "$status" -eq 0 ] && echo "completions: every option of keywright-cli --help, the values of --type and --case, the format command"
exit "$status"
