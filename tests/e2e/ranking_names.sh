#!/usr/bin/env bash
# Names and dates in the ranking, through whole headless runs: the built-in
# player clears stage 1 and a key script types a name on the result roll.
# A script that only presses Space there runs as it did without names; an
# empty entry takes the last name; two runs on one folder keep both names;
# damaged and unreadable names files leave the scores alone; score.rnk keeps
# its 20-byte format.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset DISPLAY

# play SAVE|- SEED NAME [options]: stage 1 by the built-in player.
play() {
  local save="$1" seed="$2" name="$3"; shift 3
  local where=()
  [ "$save" != - ] && where=(--save-dir "$save")
  "$bin" --headless --data "$game" "${where[@]}" --date 2026-12-08 --stage 1 --seed "$seed" \
    --autoplay 6:2 --frames 9000 --summary --trace "$name.jsonl" "$@" >"$name.json" 2>"$name.err" ||
    fail "$name: $(cat "$name.err")"
}
roll_frame() {  # the first frame of the result roll in a trace
  python3 -c 'import json,sys
for l in open(sys.argv[1]):
    d = json.loads(l)
    if d["scene"] == 30: print(d["frame"]); break
else: sys.exit("no roll")' "$1"
}
best() { python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["ranking"][0])' "$1"; }
rows() { grep -v '^#' "$1/dat/ranking_names.txt" || true; }

play a 3 a
r3=$(roll_frame a.jsonl) || fail "seed 3 never reached the roll"
s3=$(best a.json)
[ "$s3" -gt 0 ] || fail "no score entered: $(cat a.json)"
# Nobody typed a name (the built-in player only): the stand-in name.
[ "$(rows a)" = "$(printf 'normal\t%s\tNANASHI\t2026-12-08' "$s3")" ] || fail "a: $(rows a)"

# A name typed on the roll, corrected with Backspace, confirmed with Space.
k=$((r3 + 1))
printf '%s\n' "$k down x" "$k down y" "$k down backspace" "$k down 7" "$k down minus" \
  "$k down q" "$((k + 1)) up x" "$((k + 2)) press space" >name.keys
play b 3 b --keys name.keys
[ "$(rows b)" = "$(printf 'normal\t%s\tX7-Q\t2026-12-08' "$s3")" ] || fail "b: $(rows b)"
grep -qx 'player_name = X7-Q' b/settings.ini || fail "the last name was not kept: $(cat b/settings.ini)"
# An empty entry in the same folder takes the last name.
play b 5 c
r5=$(roll_frame c.jsonl) || fail "seed 5 never reached the roll"
s5=$(best c.json)
[ "$(rows b | grep -c $'\tX7-Q\t')" = 2 ] || fail "the last name was not used: $(rows b)"
echo "ok: a typed name, a corrected name and the last name are kept with their scores"

# Space alone on the roll: the run goes exactly as one that enters no name.
echo "$k press space" >space.keys
play d 3 d --keys space.keys
play - 3 e --keys space.keys
cmp -s d.jsonl e.jsonl || fail "a name entry changed the run that only pressed Space"
[ "$(rows d | cut -f3)" = NANASHI ] || fail "d: $(rows d)"
echo "ok: a script pressing only Space runs unchanged"

# Two runs on one folder at once, each typing its name.
printf '%s\n' "$((r3 + 1)) type aaa" "$((r3 + 5)) press space" >aaa.keys
printf '%s\n' "$((r5 + 1)) type bbb" "$((r5 + 5)) press space" >bbb.keys
play f 3 f1 --keys aaa.keys & p1=$!
play f 5 f2 --keys bbb.keys & p2=$!
wait $p1 && wait $p2 || fail "the two runs"
rows f | grep -qx "$(printf 'normal\t%s\tAAA\t2026-12-08' "$s3")" || fail "f lost AAA: $(rows f)"
rows f | grep -qx "$(printf 'normal\t%s\tBBB\t2026-12-08' "$s5")" || fail "f lost BBB: $(rows f)"
echo "ok: two runs on one folder kept both names"

# A damaged names file: its good rows stay, the damaged ones leave their
# scores without a name, and score.rnk keeps its 20-byte format.
mkdir -p g/dat
python3 - g/dat <<'PY'
import struct, sys
d = sys.argv[1]
open(f"{d}/score.rnk", "wb").write(struct.pack("<5i", 999999, 888888, 1, 0, 0))
open(f"{d}/ranking_names.txt", "wb").write(
    b"normal\t999999\tKEEP\t2026-01-01\n\x00\xff\xfe\nnormal\t888888\tbad name\t2026-01-01\n"
    b"normal\t1\tX\t2026-02-30\nnormal\t1")
PY
play g 3 g --keys name.keys
python3 - g/dat "$s3" <<'PY' || fail "the damaged names file"
import struct, sys
d, s3 = sys.argv[1], int(sys.argv[2])
raw = open(f"{d}/score.rnk", "rb").read()
assert len(raw) == 20, len(raw)
assert list(struct.unpack("<5i", raw)) == sorted([999999, 888888, 1, s3, 0], reverse=True), raw
rows = [l.split("\t") for l in open(f"{d}/ranking_names.txt").read().splitlines() if not l.startswith("#")]
assert rows == [["normal", "999999", "KEEP", "2026-01-01"], ["normal", str(s3), "X7-Q", "2026-12-08"]], rows
PY
# A names file that cannot be read is left as it is; the score is kept.
mkdir -p h/dat/ranking_names.txt
play h 3 h --keys name.keys
[ -d h/dat/ranking_names.txt ] || fail "the unreadable names file was replaced"
grep -q "ranking_names.txt" h.err || fail "no message about the unreadable file: $(cat h.err)"
[ "$(best h.json)" = "$s3" ] || fail "the score was not kept beside an unreadable names file"
echo "ok: damaged and unreadable names files leave the scores whole"

"$bin" --headless --data "$game" --date 2026-02-30 --frames 1 >/dev/null 2>bad.err &&
  fail "--date took a day that does not exist"
grep -q -- "--date" bad.err || fail "no message for a bad --date: $(cat bad.err)"
echo "ok: --date refuses a day that does not exist"
