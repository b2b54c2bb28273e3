#!/usr/bin/env bash
# Checks that the documentation quotes its examples as they are: every
# docs/examples/*.cpp is quoted at least once, and every quote, the fenced
# block after a line <!-- example: name.cpp -->, equals the file, or the
# file's code without its closing comment (Typed, Keys, Arguments, Columns,
# Needs, Screen).
#
# Usage: check_quotes.sh <source dir>
set -euo pipefail
cd "$1"

quotes=$(mktemp -d)
trap 'rm -rf "$quotes"' EXIT

# One file per quote, <name>.<n>, and beside it <name>.<n>.page naming the
# page it stands in.
awk -v out="$quotes" '
    FNR == 1 { state = 0 }
    /^<!-- example: .* -->$/ {
        name = substr($0, 15, length($0) - 18)
        file = out "/" name "." (++count[name])
        print FILENAME > (file ".page")
        close(file ".page")
        printf "" > file
        state = 1
        next
    }
    state == 1 && /^```/ { state = 2; next }
    state == 2 && /^```$/ { close(file); state = 0; next }
    state == 2 { print > file }
' README.md docs/*.md

status=0
for example in docs/examples/*.cpp; do
    name=$(basename "$example")
    whole=$(cat "$example")
    code=$(awk '/^\/\/ (Typed|Keys|Arguments|Columns|Needs|Screen):/ { exit } { print }' "$example")
    found=0
    for quote in "$quotes/$name".*; do
        case $quote in *.page | *'*') continue ;; esac
        found=1
        block=$(cat "$quote")
        if [ "$block" != "$whole" ] && [ "$block" != "$code" ]; then
            echo "$(cat "$quote.page") quotes $name differently from the file:"
            diff -u <(printf '%s\n' "$block") "$example" | tail -n +3 || true
            status=1
        fi
    done
    if [ "$found" -eq 0 ]; then
        echo "no page quotes docs/examples/$name"
        status=1
    fi
done

for page in "$quotes"/*.page; do
    [ -e "$page" ] || continue
    name=$(basename "$page" .page)
    name=${name%.*}
    if [ ! -f "docs/examples/$name" ]; then
        echo "$(cat "$page") quotes docs/examples/$name, which does not exist"
        status=1
    fi
done

exit $status
