#!/usr/bin/env bash
# The command-line tools and start-up failures: --romaji, --check-data, a data
# folder the game cannot start from, and --try-script.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

# Romaji candidates of a reading, one per line, the usual spellings included.
"$bin" --data "$game" --romaji しゃしん >r.txt || fail "--romaji failed"
grep -qx SHASHIN r.txt && grep -qx SYASIN r.txt || fail "candidates: $(head -5 r.txt)"
[ "$(sort r.txt | uniq -d | wc -l)" -eq 0 ] || fail "repeated candidates"
if "$bin" --data "$game" --romaji abc >/dev/null 2>&1; then fail "--romaji took latin letters"; fi

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
