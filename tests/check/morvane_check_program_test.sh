#!/bin/sh
# The installed morvane-check beside the shipped data: default dictionary and settings,
# streaming standard input, and the exit statuses scripts rely on.
set -u
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$("$program" --json receive) || fail "a found word should exit 0"
[ "$out" = '{"word": "receive", "found": true, "entries": ["receive"]}' ] || fail "unexpected: $out"

out=$("$program" --json recieve); [ $? -eq 1 ] || fail "a misspelt word should exit 1"
case $out in *'"found": false, "entries": ["receive"'*) ;; *) fail "receive is not the first suggestion: $out" ;; esac

lines=$(printf 'teh\r\nwierd\nthe\n' | "$program" | wc -l)
[ "$lines" -eq 3 ] || fail "three lines of input should give three lines, got $lines"

"$program" --dictionary /nonexistent/words word 2>/dev/null; [ $? -eq 2 ] || fail "a missing dictionary should exit 2"
"$program" --bogus 2>/dev/null; [ $? -eq 2 ] || fail "an unknown option should exit 2"
echo "morvane-check behaves"
