# Bash completion of ondavel: its commands, their options and the values of the options that
# take a kit, a target or a folder; file names everywhere else.
_ondavel() {
    local current=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
    case $previous in
        --kit) COMPREPLY=($(compgen -W "sdk directx winddk darkgdk" -- "$current")); return ;;
        --target) COMPREPLY=($(compgen -W "win32 win64" -- "$current")); return ;;
        --from) COMPREPLY=($(compgen -W "sdk directx winddk" -- "$current")); return ;;
        --base | --to | --include) COMPREPLY=($(compgen -d -- "$current")); return ;;
    esac
    local command="" word
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        case $word in
            test | file | all | oleview | learn | check | prove | conditions | init | knowledge)
                command=$word
                break
                ;;
        esac
    done
    local words
    case $command in
        "") words="--base --kit --target -q --quiet --help --version test file all oleview learn check
                   prove conditions init knowledge" ;;
        file) words="--to --help" ;;
        all) words="--list --help" ;;
        learn) words="--from --help" ;;
        check) words="--assembler --after --help" ;;
        prove) words="--assembler --after --compiler --help" ;;
        init) words="--include --force --help" ;;
        knowledge) words="merge --help" ;;
        *) words="--help" ;;
    esac
    if [[ -z $command || $current == -* || $previous == knowledge ]]; then
        COMPREPLY=($(compgen -W "$words" -- "$current"))
    fi
}
complete -o default -F _ondavel ondavel
