#!/bin/bash
# Runs each case of a .cases file through the built `wepn` and compares what
# it prints (standard output and error together) with what the file expects.
# A case runs in a fresh folder with W (the tool) and FIX (tests/data) set,
# and is stopped after a minute.
#
# File format: lines before the first case are a prelude run before each
# case; "=== NAME" starts a case (its shell script follows) and
# "--- expect" starts its expected output.
# Usage: run_cases.sh WEPN FIXTURE_DIR CASES_FILE
W=$1 FIX=$2 cases=$3
failed=0 prelude='' name='' script='' expect='' mode=prelude

run() {
    local dir got
    while [[ $expect == *$'\n' ]]; do expect=${expect%$'\n'}; done
    dir=$(mktemp -d)
    got=$(cd "$dir" && W="$W" FIX="$FIX" timeout 60 bash -c "$prelude$script" 2>&1)
    chmod -R u+rwx "$dir" && rm -rf "$dir"
    if [ "$got" == "$expect" ]; then
        echo "ok: $name"
    else
        echo "FAILED: $name"
        diff <(printf '%s\n' "$expect") <(printf '%s\n' "$got")
        failed=1
    fi
}

while IFS= read -r line || [ -n "$line" ]; do
    case $line in
    '=== '*)
        [ -n "$name" ] && run
        name=${line#=== } script='' expect='' mode=script
        ;;
    '--- expect') mode=expect ;;
    *)
        case $mode in
        prelude) prelude+="$line"$'\n' ;;
        script) script+="$line"$'\n' ;;
        expect) expect+="${expect:+$'\n'}$line" ;;
        esac
        ;;
    esac
done <"$cases"
[ -n "$name" ] && run
exit $failed
