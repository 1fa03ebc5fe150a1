# bash completion for xr970-cli: commands, options and their values, file names with the
# extension the command expects, serial devices for --port. Everything is read from the
# program's own --help, so the completion follows the program.

# The program's help as lines "c<TAB>COMMAND", "o<TAB>NAMES<TAB>VALUE" (VALUE the option's
# placeholder such as OUT.csv, empty for a flag) and "a<TAB>ARGUMENT".
_xr970_cli_table()
{
    "$1" ${2:+"$2"} --help 2>/dev/null | awk '
        /^[^ ]/ { section = $0; next }
        section == "Commands:" && /^  [^ ]/ { print "c\t" $1 }
        section == "Arguments:" && /^  [^ ]/ { print "a\t" $1 }
        section == "Options:" && $1 ~ /^-/ {
            sub(/^ +/, ""); sub(/  .*/, ""); gsub(/,/, "")
            names = ""; value = ""
            for (i = 1; i <= NF; i++) {
                if ($i ~ /^</) { value = $i; gsub(/[<>]/, "", value) }
                else names = names " " $i
            }
            print "o\t" substr(names, 2) "\t" value
        }'
}

# The placeholder of option $1 in table $2, or nothing for a flag or an unknown option.
_xr970_cli_value_of()
{
    awk -F'\t' -v option="$1" '$1 == "o" { n = split($2, names, " ")
        for (i = 1; i <= n; i++) if (names[i] == option) print $3 }' <<<"$2"
}

# Completes the word $cur as a value described by placeholder $1.
_xr970_cli_complete_value()
{
    local placeholder=$1 pattern= ch i
    case $placeholder in
    DEV)
        local devices=(auto)
        for ch in /dev/ttyUSB* /dev/ttyACM* /dev/serial/by-id/*; do
            [[ -e $ch ]] && devices+=("$ch")
        done
        COMPREPLY=($(compgen -W "${devices[*]}" -- "$cur"))
        # Any other device, such as /dev/ttyS0, by its path.
        if ((${#COMPREPLY[@]} == 0)) && [[ $cur == /* ]]; then
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null
        fi
        ;;
    *'|'*)
        COMPREPLY=($(compgen -W "${placeholder//|/ }" -- "$cur"))
        ;;
    *.*)
        # FILE.dat: directories and the files ending in .dat, in any case.
        local extension=${placeholder##*.}
        for ((i = 0; i < ${#extension}; i++)); do
            ch=${extension:i:1}
            pattern+="[${ch,}${ch^}]"
        done
        local IFS=$'\n'
        COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X "!*.$pattern" -- "$cur"))
        compopt -o filenames 2>/dev/null
        ;;
    esac
}

_xr970_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]/#\~/$HOME} command= table value
    ((COMP_CWORD > 1)) && command=${COMP_WORDS[1]}
    COMPREPLY=()
    table=$(_xr970_cli_table "$program" "$command")
    [[ -n $table ]] || return 0

    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$(awk -F'\t' '$1 == "c" || $1 == "o" { print $2 }' <<<"$table")" -- "$cur"))
        return 0
    fi
    value=$(_xr970_cli_value_of "$prev" "$table")
    if ((COMP_CWORD > 2)) && [[ -n $value ]]; then
        _xr970_cli_complete_value "$value"
        return 0
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(awk -F'\t' '$1 == "o" { print $2 }' <<<"$table")" -- "$cur"))
        return 0
    fi
    # The n-th argument: count the words before this one that are neither options nor
    # their values.
    local i position=0
    for ((i = 2; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == -* ]]; then
            [[ -n $(_xr970_cli_value_of "${COMP_WORDS[i]}" "$table") ]] && ((i++))
        else
            ((position++))
        fi
    done
    value=$(awk -F'\t' '$1 == "a" { print $2 }' <<<"$table" | sed -n "$((position + 1))p")
    [[ -n $value ]] && _xr970_cli_complete_value "$value"
    return 0
}

complete -F _xr970_cli xr970-cli
