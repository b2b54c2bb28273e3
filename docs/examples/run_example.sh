#!/usr/bin/env bash
# Runs one documentation example on the memory console and compares the
# screen it leaves with the one its source shows, in a comment block:
#
#   // Keys: 42<Enter>          (optional: the keys typed, one at a time)
#   // Screen:
#   //   first row
#   //
#   //   third row
#
# In the shown screen # stands for any digit, for examples whose output
# depends on the clock. Standard input is empty, so a question asked there
# gets no answer.
#
# Usage: run_example.sh <program> <source>
set -euo pipefail
program=$1 source=$2

keys=$(sed -n 's|^// Keys: ||p' "$source")
expected=$(awk '/^\/\/ Screen:$/ { shown = 1; next }
                shown && /^\/\/($|   )/ { sub(/^\/\/(   )?/, ""); print; next }
                { shown = 0 }' "$source")
screen=$(CONKIT_EXAMPLE_KEYS=$keys "$program" </dev/null)

# Each shown row as a pattern: every character literal but #.
matches() {
    local -a shown left
    mapfile -t shown <<<"$expected"
    mapfile -t left <<<"$screen"
    [ ${#shown[@]} -eq ${#left[@]} ] || return 1
    local i pattern
    for i in "${!shown[@]}"; do
        if [ -z "${shown[$i]}" ]; then
            [ -z "${left[$i]}" ] || return 1
            continue
        fi
        pattern=$(printf '%q' "${shown[$i]}")
        pattern=${pattern//\\#/[0-9]}
        pattern=${pattern//#/[0-9]}
        # shellcheck disable=SC2053
        [[ ${left[$i]} == $pattern ]] || return 1
    done
}

if ! matches; then
    echo "The screen differs from the one the example shows (- shown, + left on the screen):"
    diff -u <(printf '%s\n' "$expected") <(printf '%s\n' "$screen") | tail -n +3
    exit 1
fi
