#!/usr/bin/env bash
# Runs one documentation example on the memory console and compares the
# screen it leaves with the one its source shows, in a comment block:
#
#   // Typed: 42<Enter>         (optional: typed ahead, for line reads)
#   // Keys: ab<Esc>            (optional: keys pressed one at a time)
#   // Arguments: -v a.txt      (optional: the program's arguments)
#   // Columns: 120             (optional: the console's width, 80 without)
#   // Needs: x86-64 Linux      (optional: read by CMake, which builds and
#                               runs the example only there)
#   // Screen:
#   //   first row
#   //
#   //   third row
#
# In the shown screen # stands for any digit and % for any hexadecimal
# digit, for output that depends on the clock or on addresses; a last row of
# ... stands for whatever rows follow. Standard input is empty, so a question asked there
# gets no answer.
#
# Usage: run_example.sh <program> <source>
set -euo pipefail
program=$1 source=$2

typed=$(sed -n 's|^// Typed: ||p' "$source")
keys=$(sed -n 's|^// Keys: ||p' "$source")
read -ra arguments <<<"$(sed -n 's|^// Arguments: ||p' "$source")"
columns=$(sed -n 's|^// Columns: ||p' "$source")
expected=$(awk '/^\/\/ Screen:$/ { shown = 1; next }
                shown && /^\/\/($|   )/ { sub(/^\/\/(   )?/, ""); print; next }
                { shown = 0 }' "$source")
screen=$(CONKIT_EXAMPLE_TYPED=$typed CONKIT_EXAMPLE_KEYS=$keys CONKIT_EXAMPLE_COLUMNS=$columns "$program" "${arguments[@]}" </dev/null)

# Each shown row as a pattern: every character literal but # and %.
matches() {
    local -a shown left
    mapfile -t shown <<<"$expected"
    mapfile -t left <<<"$screen"
    if [ "${shown[-1]}" = "..." ]; then
        unset 'shown[-1]'
        [ ${#shown[@]} -le ${#left[@]} ] || return 1
    else
        [ ${#shown[@]} -eq ${#left[@]} ] || return 1
    fi
    local i pattern
    for i in "${!shown[@]}"; do
        if [ -z "${shown[$i]}" ]; then
            [ -z "${left[$i]}" ] || return 1
            continue
        fi
        pattern=$(printf '%q' "${shown[$i]}")
        pattern=${pattern//\\#/[0-9]}
        pattern=${pattern//#/[0-9]}
        pattern=${pattern//%/[0-9A-F]}
        # shellcheck disable=SC2053
        [[ ${left[$i]} == $pattern ]] || return 1
    done
}

if ! matches; then
    echo "The screen differs from the one the example shows (- shown, + left on the screen):"
    diff -u <(printf '%s\n' "$expected") <(printf '%s\n' "$screen") | tail -n +3
    exit 1
fi
