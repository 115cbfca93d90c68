# bash completion for keywright-cli                                   -*- shell-script -*-

_keywright_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    # --type=letters arrives as three words: --type, = and letters.
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    COMPREPLY=()
    case $prev in
    -t | --type)
        mapfile -t COMPREPLY < <(compgen -W 'letters digits mixed' -- "$cur")
        return ;;
    -c | --case)
        mapfile -t COMPREPLY < <(compgen -W 'lower upper mixed' -- "$cur")
        return ;;
    -l | --length | -p | --prefix | -s | --suffix | -m | --mask | -n | --count | \
        --chars | --exclude | --first-day-of-week | --first-week-of-year)
        return ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '-l --length -t --type -c --case -p --prefix
            -s --suffix -m --mask -n --count --entropy --symbols --chars --exclude
            --exclude-similar --every-class --first-day-of-week
            --first-week-of-year -h --help --help-all -v --version' -- "$cur")
        return
    fi
    # The command comes first among the words that are not options or their values.
    local i word expects_value=
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ $word == = ]]; then
            expects_value=1
            continue
        elif [[ -n $expects_value ]]; then
            expects_value=
            continue
        fi
        case $word in
        -t | --type | -c | --case | -l | --length | -p | --prefix | -s | --suffix | -m | \
            --mask | -n | --count | --chars | --exclude | --first-day-of-week | \
            --first-week-of-year)
            expects_value=1 ;;
        -*) ;;
        *) return ;;
        esac
    done
    mapfile -t COMPREPLY < <(compgen -W 'format' -- "$cur")
}
complete -F _keywright_cli keywright-cli
