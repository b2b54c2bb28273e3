#!/bin/sh
# Runs the first example with its input from a here-document and checks what
# it writes. Lines read from a pipe are not echoed, so each answer follows its
# prompt on the same line; the console writes CR LF, compared here as LF.
set -eu
program=$1
long_line=$(printf 'a%.0s' $(seq 100))
actual=$("$program" <<INPUT | tr -d '\r'
42
-7
  ff
${long_line}
  hello world   
INPUT
)
expected=$(cat <<'OUTPUT'
Unsigned number:   decimal 42  signed +42  hexadecimal 0000002A
  binary 0000 0000 0000 0000 0000 0000 0010 1010
Signed number:   decimal 4294967289  signed -7  hexadecimal FFFFFFF9
  binary 1111 1111 1111 1111 1111 1111 1111 1001
Hexadecimal number:   decimal 255  signed +255  hexadecimal 000000FF
  binary 0000 0000 0000 0000 0000 0000 1111 1111
First line: Second line: "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA" sorts after "  HELLO WORLD"
OUTPUT
)
if [ "$actual" != "$expected" ]; then
    printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    exit 1
fi

# A 79-character entry fills the number input's buffer exactly: its line end
# is thrown away with it and the next entry is the next line.
digits=$(printf '1%.0s' $(seq 79))
actual=$(printf '%s\n5\n1a\nabc\nxyz\n' "$digits" | "$program" | tr -d '\r' | head -n 2)
expected=$(printf 'Unsigned number:   that is not a number\nSigned number:   decimal 5  signed +5  hexadecimal 00000005')
if [ "$actual" != "$expected" ]; then
    printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    exit 1
fi
