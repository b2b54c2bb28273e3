#!/usr/bin/env bash
# Checks that the documentation quotes its examples as they are: every
# docs/examples/*.cpp is quoted at least once, and every quote, the fenced
# block after a line <!-- example: name.cpp -->, equals the file, or the
# file's code without its closing Keys and Screen comment.
#
# Usage: check_quotes.sh <source dir>
set -euo pipefail
cd "$1"

pages=(README.md docs/*.md)
status=0

# The fenced block that follows the n-th marker of name in page.
quote() {
    awk -v marker="<!-- example: $2 -->" -v wanted="$3" '
        $0 == marker { found++; next }
        found == wanted && !open && /^```/ { open = 1; next }
        found == wanted && open && /^```$/ { exit }
        found == wanted && open { print }' "$1"
}

code_part() {
    awk '/^\/\/ (Keys|Screen):/ { exit } { print }' "$1"
}

for example in docs/examples/*.cpp; do
    name=$(basename "$example")
    quoted=0
    for page in "${pages[@]}"; do
        count=$(grep -cxF "<!-- example: $name -->" "$page" || true)
        for ((n = 1; n <= count; n++)); do
            quoted=1
            block=$(quote "$page" "$name" "$n")
            if [ "$block" != "$(cat "$example")" ] && [ "$block" != "$(code_part "$example")" ]; then
                echo "$page quotes $name differently from the file:"
                diff -u <(printf '%s\n' "$block") "$example" | tail -n +3 || true
                status=1
            fi
        done
    done
    if [ "$quoted" -eq 0 ]; then
        echo "no page quotes docs/examples/$name"
        status=1
    fi
done

for page in "${pages[@]}"; do
    while read -r name; do
        [ -f "docs/examples/$name" ] || { echo "$page quotes docs/examples/$name, which does not exist"; status=1; }
    done < <(sed -n 's/^<!-- example: \(.*\) -->$/\1/p' "$page")
done

exit $status
