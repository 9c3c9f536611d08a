#!/usr/bin/env bash
# The command-line tools and start-up failures: --romaji, --check-data, a data
# folder the game cannot start from, and --try-script.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

# The guide of a reading, then every accepted spelling, one per line.
"$bin" --data "$game" --romaji しゃしん >r.txt || fail "--romaji failed"
[ "$(head -1 r.txt)" = SHASHINN ] || fail "guide: $(head -1 r.txt)"
grep -qx SHASHIN r.txt && grep -qx SYASIN r.txt || fail "spellings: $(head -5 r.txt)"
[ "$(tail -n +2 r.txt | sort | uniq -d | wc -l)" -eq 0 ] || fail "repeated spellings"
for pair in がっこう:GAKKOU ぴくにっく:PIKUNIKKU きんようび:KINNYOUBI ほんやさん:HONNYASANN \
    ぼっちゃん:BOCCHANN わっふる:WAFFURU; do
  got=$("$bin" --data "$game" --romaji "${pair%%:*}" | head -1)
  [ "$got" = "${pair#*:}" ] || fail "guide of ${pair%%:*}: $got"
done
# Only what an input method takes: a doubled letter before the spelling it doubles.
"$bin" --data "$game" --romaji がっこう >g.txt
grep -qx GAKKOU g.txt && grep -qx GACCOU g.txt || fail "がっこう: $(head -5 g.txt)"
if grep -qxE 'GAKCOU|GACKOU' g.txt; then fail "がっこう lists a doubled letter before another"; fi
# A reading with more spellings than a list could hold is printed as a stream.
n=$("$bin" --data "$game" --romaji しょくどうでしゅうまいをたべてからしゃしんをとる | wc -l)
[ "$n" -gt 100000 ] || fail "only $n spellings"
# Readings the data checker refuses are refused with its words.
if "$bin" --data "$game" --romaji abc >/dev/null 2>&1; then fail "--romaji took latin letters"; fi
set +e
"$bin" --data "$game" --romaji がっ >out.txt 2>err.txt; rc=$?
set -e
[ "$rc" -ne 0 ] && [ ! -s out.txt ] || fail "--romaji がっ exited $rc"
grep -q 'a reading must not end in "っ"' err.txt || fail "message: $(cat err.txt)"

# The shipped data passes the checker; a broken copy fails with file:line.
"$bin" --check-data "$game" >check.txt || { cat check.txt; fail "shipped data has errors"; }
cp -r "$game" broken
printf 'end;\r\n' >broken/dat/dat3.lin.tmp
{ printf '\x82\xa0,\r\n'; cat broken/dat/dat3.lin.tmp; } >broken/dat/dat3.lin
rm broken/dat/dat3.lin.tmp
set +e
"$bin" --check-data broken >check.txt 2>&1; rc=$?
set -e
[ "$rc" -eq 1 ] || fail "--check-data on broken data exited $rc"
grep -q 'dat3.lin:[0-9]' check.txt || fail "no file:line message: $(cat check.txt)"

# The game refuses to start on broken typing data, with a message.
set +e
"$bin" --headless --data broken --seed 1 --frames 5 --summary >out.txt 2>err.txt; rc=$?
set -e
[ "$rc" -eq 1 ] || fail "start on broken data exited $rc"
grep -q 'cannot start' err.txt || fail "no start-up message: $(cat err.txt)"
[ ! -s out.txt ] || fail "a broken start printed a summary"

# A try-out script is played as part 1 of the stage: stage 2 with stage 1's
# first script brings in stage 1's enemies, not stage 2's.
cp "$game/dat/1_stage1.lin" try.lin
spawns() {  # the kinds and places where enemies appeared
  "$bin" --headless --data "$game" --seed 1 --frames 300 "$@" --trace tr.jsonl --summary >t.txt
  grep -o '"kind":[0-9]*,"state":0,"x":[-0-9.e]*,"y":[-0-9.e]*' tr.jsonl | sort -u
}
spawns --stage 1 >one.txt
spawns --stage 2 >two.txt
spawns --stage 2 --try-script try.lin >try.txt
grep -q '"stage":2,"part":1' t.txt && grep -q '"error":""' t.txt || fail "--try-script: $(cat t.txt)"
[ -s try.txt ] || fail "no enemy appeared from the try-out script"
cmp -s one.txt try.txt || fail "the try-out script was not played"
cmp -s two.txt try.txt && fail "stage 2 and stage 1 bring the same enemies: nothing shown"

# Headless runs leave the player's ranking and cleared files alone.
before=$(ls -l "$game/dat" | md5sum)
"$bin" --headless --data "$game" --seed 1 --frames 3
[ "$before" = "$(ls -l "$game/dat" | md5sum)" ] || fail "the data folder changed"
echo "ok"
