# bash completion for vantorel-cli.
# The commands and their options are read from the tool's own --help, so the
# completion never falls behind the tool.

_vantorel_cli() {
    local cur prev words cword
    _init_completion 2>/dev/null || {
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD-1]}
        words=("${COMP_WORDS[@]}")
        cword=$COMP_CWORD
    }
    local tool=${words[0]}

    if [[ $cword -eq 1 ]]; then
        local commands
        commands=$("$tool" --help 2>/dev/null | awk '/^commands:/ {on=1; next} on && NF {print $1}')
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    local command=${words[1]}
    local help
    # The command's own help, else its line of the tool's command list.
    help=$("$tool" "$command" --help 2>/dev/null) ||
        help=$("$tool" --help 2>/dev/null | awk -v c="$command" '$1 == c')
    [[ -n $help ]] || return

    case $prev in
        --out|--text)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
    esac
    # A value after an option that takes one: offer the choices the help lists
    # as a|b|c, if any.
    if [[ $prev == --* ]]; then
        local choices
        choices=$(printf '%s\n' "$help" | grep -oE -- "$prev[ =][a-z0-9]+(\|[a-z0-9]+)+" |
                  head -n 1 | sed -E "s/^$prev[ =]//; s/\|/ /g")
        if [[ -n $choices ]]; then
            COMPREPLY=($(compgen -W "$choices" -- "$cur"))
            return
        fi
    fi
    local options
    options=$(printf '%s\n' "$help" | grep -oE -- '--[a-z][a-z-]*' | sort -u)
    COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
}
complete -F _vantorel_cli vantorel-cli
