# bash completion for karix-cli.
# Commands, actions and options are read from the program's own --help (in
# the C locale), so the completion offers exactly what the installed program
# accepts.

# The commands listed by "karix-cli --help".
_karix_cli_commands()
{
    LC_ALL=C LANGUAGE= "$1" --help 2>/dev/null |
        sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p'
}

# The option column of "karix-cli COMMAND --help", one option a line:
# "-o, --output FILE", "--json".
_karix_cli_options()
{
    local line listing=
    while IFS= read -r line; do
        if [[ $line == "Options:" ]]; then
            listing=1
        elif [[ -n $listing && $line == "  -"* ]]; then
            line=${line#  }
            printf '%s\n' "${line%%  *}"
        fi
    done < <(LC_ALL=C LANGUAGE= "$1" "$2" --help 2>/dev/null)
}

# The usage line of "karix-cli COMMAND --help" after the command's name, such
# as "DESIGN [-o FILE] [--hex]" or "list | save PAGE ... | init --yes".
_karix_cli_usage()
{
    LC_ALL=C LANGUAGE= "$1" "$2" --help 2>/dev/null | sed -n "1s/^Usage: [^ ]* $2 //p"
}

# The lower-case alternatives at the start of a usage line ("list", "save",
# ... for rom).
_karix_cli_actions()
{
    awk -F ' [|] ' '{ for (i = 1; i <= NF; ++i) { split($i, w, " "); if (w[1] ~ /^[a-z]+$/) print w[1] } }' <<<"$1"
}

# Completes the value of the option in $prev (the caller's), by the option's
# value word in the help: FILE, DIR, DESIGN, on|off. Returns 1 when $prev is
# not an option that takes a value.
_karix_cli_option_value()
{
    local program=$1 command=$2 line name value
    while IFS= read -r line; do
        line=${line//,/}
        value=${line##* }
        [[ $value == -* ]] && continue
        for name in ${line% *}; do
            [[ $name == "$prev" ]] || continue
            case $value in
                FILE) _filedir ;;
                DIR) _filedir -d ;;
                DESIGN) _filedir krx ;;
                'on|off') COMPREPLY=($(compgen -W 'on off' -- "$cur")) ;;
            esac
            return 0
        done
    done < <(_karix_cli_options "$program" "$command")
    return 1
}

_karix_cli()
{
    local cur prev words cword
    _init_completion || return

    local program=${words[0]}
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$(_karix_cli_commands "$program") --help --version" -- "$cur"))
        return
    fi

    local command=${words[1]}
    if [[ $command == help || $command == --help ]]; then
        ((cword == 2)) && COMPREPLY=($(compgen -W "$(_karix_cli_commands "$program")" -- "$cur"))
        return
    fi
    _karix_cli_option_value "$program" "$command" && return

    if [[ $cur == -* ]]; then
        local names=$(_karix_cli_options "$program" "$command" | tr -d ',' | awk '{ for (i = 1; i <= NF; ++i) if ($i ~ /^-/) print $i }')
        COMPREPLY=($(compgen -W "$names" -- "$cur"))
        return
    fi
    # The first operand is an action or a design, as the usage line says.
    local usage=$(_karix_cli_usage "$program" "$command")
    local actions=$(_karix_cli_actions "$usage")
    if ((cword == 2)) && [[ -n $actions ]]; then
        COMPREPLY=($(compgen -W "$actions" -- "$cur"))
    elif [[ $usage == 'DESIGN|IMAGE'* ]]; then
        _filedir '@(krx|hex|bin)'
    elif [[ $usage == DESIGN* || $usage == '[DESIGN]'* ]]; then
        _filedir krx
    fi
} &&
    complete -F _karix_cli karix-cli
