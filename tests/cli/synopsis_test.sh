#!/bin/bash
# The README's synopsis of wepn against `wepn --help` and each verb's help:
# the same verbs, each verb's options (by one of their names) and the
# positional words of its usage line.
set -u
readme=$1
wepn=$2
fail=0
problem() { echo "$*" >&2; fail=1; }

synopsis=$(awk '/^## `wepn`/{s=1} s&&/^```sh/{b=1;next} b&&/^```/{exit} b' "$readme" |
    sed 's/ *#.*//')
[ -n "$synopsis" ] || { echo "no synopsis block in $readme" >&2; exit 1; }
help_verbs=$("$wepn" --help | sed -n 's/^\(Usage:\|   or:\) wepn \([a-z]\+\) .*/\2/p' | sort -u)
readme_verbs=$(awk '{print $2}' <<<"$synopsis" | sort -u)
[ "$help_verbs" = "$readme_verbs" ] ||
    problem "verbs: help has [$(echo $help_verbs)], README [$(echo $readme_verbs)]"

for verb in $help_verbs; do
    lines=$(awk -v v="$verb" '$2 == v' <<<"$synopsis")
    written=$(grep -oE -- '(^|[ [|])--?[a-z0-9][a-z0-9-]*' <<<"$lines" | sed 's/^[ [|]//' | sort -u)
    verb_help=$("$wepn" "$verb" --help)
    # Each option of the help, by its names ("-q,--quiet"), but --help.
    options=$(sed -n 's/^  \(-[^ ]*\).*/\1/p' <<<"$verb_help" | grep -v -- '--help')
    for names in $options; do
        found=0
        for name in ${names//,/ }; do
            grep -qx -- "$name" <<<"$written" && found=1
        done
        [ $found = 1 ] || problem "$verb: README lacks $names"
    done
    for name in $written; do
        grep -qE -- "(^|,)$name(,|\$)" <<<"$options" || problem "$verb: README has $name, help does not"
    done
    positionals=$(sed -n "s/^Usage: wepn $verb \[OPTIONS\] *//p" <<<"$verb_help" | tr -d '[].')
    if [ -n "$positionals" ] && ! grep -qF -- "$positionals" <<<"$(tr -d '[].' <<<"$lines")"; then
        problem "$verb: README lacks the usage words '$positionals'"
    fi
done
exit $fail
