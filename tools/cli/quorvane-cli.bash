# bash completion of quorvane-cli: its commands, its options, and files, ports or languages where
# an option asks for one. The test suite checks the lists against the tool's --help.

_quorvane_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commands="ports connect status vin pid watch dtc clear freeze o2 monitors units iupr raw decode lookup makers plot report"
    local options="--help --version --port --baud --protocol --demo --english --lang --json --log --record --anonymize --count --csv --maker --yes --force --out --html --pdf --customer --make --model --year --vin --columns --png --svg --size"
    local valued="--port|--baud|--protocol|--lang|--record|--count|--csv|--maker|--out|--html|--pdf|--customer|--make|--model|--year|--vin|--columns|--png|--svg|--size"

    case $prev in
    --port)
        COMPREPLY=($(compgen -W "$(compgen -G '/dev/tty[A-Z]*' ; compgen -G '/dev/rfcomm*')" -- "$cur"))
        return ;;
    --lang)
        COMPREPLY=($(compgen -W "en de fr es" -- "$cur"))
        return ;;
    --baud)
        COMPREPLY=($(compgen -W "auto 9600 19200 38400 57600 115200 230400 500000" -- "$cur"))
        return ;;
    --protocol)
        COMPREPLY=($(compgen -W "auto 1 2 3 4 5 6 7 8 9 A B C" -- "$cur"))
        return ;;
    --record | --csv | --out | --html | --pdf | --png | --svg)
        COMPREPLY=($(compgen -f -- "$cur"))
        return ;;
    --count | --maker | --customer | --make | --model | --year | --vin | --columns | --size)
        return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    # The command is the first word that is neither an option nor the value of one.
    local i command=
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        --) break ;;
        -*) [[ ${COMP_WORDS[i]} == @($valued) ]] && ((i++)) ;;
        *) command=${COMP_WORDS[i]}; break ;;
        esac
    done
    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    elif [[ $command == plot ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _quorvane_cli quorvane-cli
