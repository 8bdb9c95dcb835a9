#!/bin/sh
# The installed morvane-check beside the shipped data: default dictionary and settings,
# streaming standard input, and the exit statuses scripts rely on.
set -u
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$("$program" --json receive) || fail "a found word should exit 0"
[ "$out" = '{"word":"receive","found":true,"entries":["receive"]}' ] || fail "unexpected: $out"

out=$("$program" --json recieve); [ $? -eq 1 ] || fail "a misspelt word should exit 1"
case $out in *'"found":false,"entries":["receive"'*) ;; *) fail "receive is not the first suggestion: $out" ;; esac

lines=$(printf 'teh\r\nwierd\nthe\n' | "$program" | wc -l)
[ "$lines" -eq 3 ] || fail "three lines of input should give three lines, got $lines"

"$program" --dictionary /nonexistent/words word 2>/dev/null; [ $? -eq 2 ] || fail "a missing dictionary should exit 2"
said=$("$program" --dictionary / word 2>&1); [ $? -eq 2 ] || fail "a folder as the dictionary should exit 2"
case $said in *"it is not a regular file."*) ;; *) fail "a folder as the dictionary was not told as such: $said" ;; esac
"$program" --bogus 2>/dev/null; [ $? -eq 2 ] || fail "an unknown option should exit 2"
"$program" receive >/dev/full 2>/dev/null; [ $? -eq 2 ] || fail "results that could not be written should exit 2"
for mode in --json -l -a; do
  "$program" $mode </ >/dev/null 2>&1; [ $? -eq 2 ] || fail "standard input that could not be read should exit 2 ($mode)"
done
# The personal word list on disk: made with its folders in the default place, replaced whole,
# and left as it was when the new one cannot be written (a file size limit stands in for a
# full disk; it also stops root, which a read-only folder would not).
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
said=$(printf '*Zork\n#\n' | XDG_DATA_HOME=$dir/data "$program" -a 2>&1 >/dev/null) || fail "the pipe mode should exit 0"
[ -z "$said" ] || fail "a save that worked was reported: $said"
[ "$(cat "$dir/data/morvane/personal-words")" = Zork ] || fail "the personal list was not saved in the default place"
printf 'old\n' > "$dir/words"
long=$(head -c 3000 /dev/zero | tr '\0' q)
out=$( (trap '' XFSZ; ulimit -f 1; printf '*%s\n#\n^%s\n' "$long" "$long" | "$program" -a -p "$dir/words") 2>"$dir/err")
[ "$(cat "$dir/words")" = old ] || fail "a failed save changed the old list"
[ "$(ls "$dir")" = "$(printf 'data\nerr\nwords')" ] || fail "a failed save left a file behind: $(ls "$dir")"
grep -q "could not write" "$dir/err" || fail "a failed save was not told: $(cat "$dir/err")"
[ "$(echo "$out" | tail -n +2)" = "*" ] || fail "the session did not go on: $out"
said=$(printf '*Zork\n#\n' | "$program" -a -p "$dir/words/sub/list" 2>&1 >/dev/null)
case $said in *"could not make the folder $dir/words/sub: "*) ;;
  *) fail "a folder that cannot be made (a file in its way) was not told: $said" ;; esac
said=$(cd "$dir" && echo teh | env -u HOME -u XDG_DATA_HOME "$program" -l 2>&1); [ $? -eq 2 ] || fail "no HOME should exit 2"
case $said in *"no place for the personal word list"*) ;; *) fail "no HOME was not told: $said" ;; esac
[ ! -e "$dir/.local" ] || fail "without HOME the list went to the current folder"
# Two sessions on one list: the first to start, saving last, keeps the other's word.
mkfifo "$dir/first"; "$program" -a -p "$dir/shared" <"$dir/first" >"$dir/first.out" 2>&1 &
exec 3>"$dir/first"; tries=0  # the version line comes once the list is read
until [ -s "$dir/first.out" ]; do tries=$((tries + 1)); [ $tries -le 600 ] || fail "no version line"; sleep 0.1; done
printf '*Beta\n#\n' | "$program" -a -p "$dir/shared" >/dev/null
printf '*Alpha\n#\n' >&3; exec 3>&-; wait
[ "$(cat "$dir/shared")" = "$(printf 'Beta\nAlpha')" ] || fail "a save lost another session's word: $(cat "$dir/shared")"
echo "morvane-check behaves"
