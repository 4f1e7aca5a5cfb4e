#!/bin/bash
# The bash completion offers every command and option that the program's own help names, so
# that a command or option added to the program and not to the completion fails here.
# usage: completion_test.sh PROGRAM COMPLETION_SCRIPT
set -eu
program=$1
source "$2"

# completes WORD... CURRENT: what the completion offers for the word being typed, CURRENT
completes() {
    COMP_WORDS=(ondavel "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _ondavel
    echo "${COMPREPLY[*]}"
}

# The options of a help text, and the commands of its "Subcommands:" part.
options() { grep -oE '^  (-[a-z],)?--[a-z-]+' | sed 's/.*,//; s/^ *//'; }
commands() { sed -n '/^Subcommands:/,/^$/p' | grep -oE '^  [a-z]+' | sed 's/^ *//'; }

failed=0
expect() {
    local offered=" $1 " word
    shift
    for word in "$@"; do
        if [[ $offered != *" $word "* ]]; then
            echo "FAILED: '$word' not offered after: $context"
            failed=1
        fi
    done
}
context="ondavel"
top=$("$program" --help)
expect "$(completes "")" $(options <<<"$top") $(commands <<<"$top")
for command in $(commands <<<"$top"); do
    context="ondavel $command"
    help=$("$program" "$command" --help)
    expect "$(completes "$command" -)" $(options <<<"$help")
    expect "$(completes "$command" "")" $(commands <<<"$help")
done
context="--kit"
expect "$(completes --kit "")" sdk directx winddk darkgdk
context="--target"
expect "$(completes --target "")" win32 win64
exit $failed
