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
# Usage: run_example.sh <program> <source>
set -euo pipefail
program=$1 source=$2

keys=$(sed -n 's|^// Keys: ||p' "$source")
expected=$(awk '/^\/\/ Screen:$/ { shown = 1; next }
                shown && /^\/\/($|   )/ { sub(/^\/\/(   )?/, ""); print; next }
                { shown = 0 }' "$source")
screen=$(CONKIT_EXAMPLE_KEYS=$keys "$program")

if [ "$screen" != "$expected" ]; then
    echo "The screen differs from the one the example shows (- shown, + left on the screen):"
    diff -u <(printf '%s\n' "$expected") <(printf '%s\n' "$screen") | tail -n +3
    exit 1
fi
