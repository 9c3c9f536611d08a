#!/usr/bin/env bash
# The learning loop through whole headless runs: a stage played with misses
# puts its missed words into review.txt; the next day --practice review types
# them first (the recording carries the list, the replay gives the same run);
# practice goals end exactly at 60 seconds of field time or at the 20th word,
# and runs of one list and goal are compared.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset DISPLAY
run() { "$bin" --headless --data "$game" --save-dir save "$@"; }
practice_line() {  # the last practice line of the records: frames words g= l=
  python3 - save/dat/records.txt <<'PY'
import sys
line = [l for l in open(sys.argv[1]).read().splitlines()[1:] if l.split()[1] == "practice"][-1]
f = line.split()
extra = dict(x.split("=", 1) for x in f if "=" in x and not x.startswith("w="))
print(f[11], f[12], extra.get("g", "-"), extra.get("l", "-"))
PY
}

# A stage played with misses: its missed words wait for tomorrow.
run --date 2026-12-08 --stage 1 --seed 3 --autoplay 5:12 --frames 4000 --summary >play.json ||
  fail "the stage run"
[ -s save/dat/review.txt ] || fail "no review.txt after a play with misses"
python3 - save/dat/review.txt <<'PY' || fail "review.txt"
import sys
rows = [l.split("\t") for l in open(sys.argv[1]).read().splitlines() if not l.startswith("#")]
assert rows, "no cards"
for box, due, text, reading in rows:
    assert box == "1" and due == "2026-12-09", (box, due, text)
print(len(rows), "words in box 1, due 2026-12-09")
PY
cp save/dat/review.txt review-before.txt
cp -r save replay-save  # the folder as the review found it, for its replay

# The next day the review types the due words first, to a goal of 20 words.
run --date 2026-12-09 --practice review --practice-goal 20w --seed 1 --autoplay 4:0 \
  --frames 2400 --record review.rec --summary >review.json || fail "the review run"
python3 - review.json review-before.txt review.rec <<'PY' || fail "the review run's summary"
import json, sys
s = json.load(open(sys.argv[1]))
p = s["practice"][0]
assert p["words"] == 20 and p["goal"] == "20w", p
assert s["scene"] == 82, s["scene"]  # the result panel: it ended on its own
rec = open(sys.argv[3], encoding="utf-8", errors="replace").read()
assert "practice-goal 20w" in rec and "practice-text" in rec, rec[:300]
due = [l.split("\t")[2] for l in open(sys.argv[2]).read().splitlines() if not l.startswith("#")]
assert due[0] in rec, (due[0], rec[:300])
PY
"$bin" --headless --data "$game" --save-dir replay-save --replay review.rec --summary >replay.json ||
  fail "the replay"
python3 -c 'import json,sys; a,b=(json.load(open(p))["practice"] for p in sys.argv[1:]); assert a==b,(a,b)' \
  review.json replay.json || fail "the replay of the review differs"
echo "ok: missed words come back the next day; the recording replays the same review"

# A 60-second goal ends after exactly 1200 frames on the field.
run --practice 1 --practice-goal 60s --seed 2 --autoplay 3:0 --frames 1300 --summary >t1.json ||
  fail "the timed run"
read -r frames words goal list < <(practice_line)
[ "$frames" = 1200 ] && [ "$goal" = 60s ] || fail "60s goal: frames $frames goal $goal"
python3 -c 'import json,sys; p=json.load(open(sys.argv[1]))["practice"][0]; assert p["best"] is True, p' \
  t1.json || fail "the first run of a list and goal is its best"
# A slower run of the same list and goal is not the best; a free run has no goal.
run --practice 1 --practice-goal 60s --seed 2 --autoplay 1:0 --frames 1300 --summary >t2.json
python3 -c 'import json,sys; p=json.load(open(sys.argv[1]))["practice"][0]; assert p["best"] is False, p' \
  t2.json || fail "a slower run was marked best"
run --practice 1 --practice-goal 20w --seed 2 --autoplay 5:0 --frames 3000 --summary >w.json
read -r frames words goal list < <(practice_line)
[ "$words" = 20 ] && [ "$goal" = 20w ] || fail "20w goal: words $words goal $goal"
echo "ok: practice goals end exactly at 60 s and at 20 words, and are compared"

"$bin" --headless --data "$game" --practice-goal 30s --practice 1 --frames 1 2>bad.err &&
  fail "--practice-goal took 30s"
grep -q -- "--practice-goal" bad.err || fail "no message for a bad goal"
echo "ok: a goal that does not exist is refused"
