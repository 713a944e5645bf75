# bash completion for quillfind-cli                          -*- shell-script -*-

# The options come from the program's own --help, so that the completion never
# falls behind the program it completes.
_quillfind_cli_options() {
    "$1" --help 2>/dev/null | grep -o -- '--[a-z][a-z0-9-]*' | sort -u
}

# Completes the last item of a comma-separated list such as content,name.
_quillfind_cli_list() {
    local cur=$1 words=$2 prefix=
    [[ $cur == *,* ]] && prefix=${cur%,*},
    compopt -o nospace 2>/dev/null
    COMPREPLY=($(compgen -P "$prefix" -W "$words" -- "${cur##*,}"))
}

_quillfind_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    case $prev in
        --format) COMPREPLY=($(compgen -W 'table tsv csv json' -- "$cur")); return ;;
        --log) COMPREPLY=($(compgen -W 'zip word pdf copy' -- "$cur")); return ;;
        --layout) COMPREPLY=($(compgen -W 'one types tree' -- "$cur")); return ;;
        --collide) COMPREPLY=($(compgen -W 'overwrite names exts' -- "$cur")); return ;;
        --in) _quillfind_cli_list "$cur" 'content name ext folder'; return ;;
        --copy) _quillfind_cli_list "$cur" 'results word pdf'; return ;;
        --sections) _quillfind_cli_list "$cur" 'logic lines stats'; return ;;
        --home | --zip-dir | --word-dir | --pdf-dir | --copy-to | --exclude-dir)
            COMPREPLY=($(compgen -d -- "$cur")); return ;;
        --settings | --save-settings | --report | --export)
            COMPREPLY=($(compgen -f -- "$cur")); return ;;
        -q | --query | -b | --boolean | --line-boolean | -f | --files | --set | --sort | --group | --columns | \
            --max-lines | --per-file | --threads | --lines-per-file | --preview | --record)
            return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_quillfind_cli_options "${COMP_WORDS[0]}")" -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -d -- "$cur"))
}
complete -o filenames -F _quillfind_cli quillfind-cli
