#!/usr/bin/env bash
# Runs wepn's bash completion on typed command lines and checks what it offers.
# bash-completion's helpers are stood in for: the words split on blanks, and
# "<files>" where a file name would be completed.
# Usage: completion_test.sh COMPLETION_SCRIPT WEPN
set -uo pipefail
completion="$1"
wepn="$2"

_init_completion() {
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
}
_filedir() { COMPREPLY=("<files>"); }
compopt() { :; }
# shellcheck source=/dev/null
source "$completion"

failures=0
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mkdir -p "$data/Scripts"
printf 'ArmourFamily = {\n  { name = "Fighter", },\n  { name = "Corvette", },\n}\nAttackFamily = {\n  { name = "SmallCraft", },\n}\n' >"$data/Scripts/familylist.lua"
# A command line (the last word is being completed) | words that must be offered
while IFS='|' read -r line expected; do
    read -ra COMP_WORDS <<<"${line//DATA/$data}"
    [[ $line == *' ' ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _wepn "$wepn" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    offered=" ${COMPREPLY[*]} "
    for word in $expected; do
        if [[ $offered != *" $word "* ]]; then
            echo "'$line': '$word' not offered (offered:$offered)" >&2
            failures=$((failures + 1))
        fi
    done
done <<'CASES'
wepn |check resave dump set fields
wepn d|dump
wepn --v|--version
wepn check -|-q --quiet --game
wepn dump --|--data --lines
wepn resave --data |<files>
wepn set fWeaponFireR|fWeaponFireRange=
wepn set --dry-run penetration.|penetration.FAMILY=
wepn set iUseVelocityPred=1 -- |<files>
wepn check |<files>
wepn table --format |csv tsv json xlsx
wepn diff --format |text json
wepn apply -|--force --drop-missing-families -q --dry-run
wepn set --data DATA penetration.|penetration.Fighter= penetration.Corvette=
CASES
[ "$failures" -eq 0 ] && echo "completion ok"
exit "$failures"
