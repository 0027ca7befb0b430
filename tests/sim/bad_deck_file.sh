#!/usr/bin/env bash
# A deck file with a fault on its second line is refused with a message naming that line, and
# a sound file makes its first deals exactly the decks it lists.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
good="Тч 1п 7к 8ч 9ч 1ч Вч Дч Кч 7ч 7б 8б 9б 1б Вб Дб Кб Тб 8к 9к 1к Вк Дк Кк Тк 7п 8п 9п Вп Дп Кп Тп"
printf '%s\n%s\n' "$good" "Тч 1п 7к" > "$dir/bad.txt"
out=$("$sim" --games 1 --seed 1 --deck-file "$dir/bad.txt" 2>&1)
rc=$?
[ $rc -ne 0 ] || { echo "accepted a bad deck file"; exit 1; }
grep -q "line 2" <<<"$out" || { echo "message does not name line 2: $out"; exit 1; }
printf '%s\n' "$good" > "$dir/good.txt"
"$sim" --games 1 --seed 1 --deck-file "$dir/good.txt" --log "$dir/log.jsonl" >/dev/null || exit 1
first=$(grep -m1 '"event":"deal"' "$dir/log.jsonl")
want=$(printf '"%s",' $good)
grep -qF "[${want%,}]" <<<"$first" || { echo "first deal is not the file's deck: $first"; exit 1; }
