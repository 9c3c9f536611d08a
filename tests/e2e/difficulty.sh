#!/usr/bin/env bash
# Difficulty from the command line: a recorded easy run replays to the same
# outcome, its ranking goes to score_easy.rnk and never into score.rnk, and a
# bad name is refused.
source "$(dirname "$0")/whole_game_lib.sh.inc"
"$bin" --headless --data "$game" --save-dir save --seed 11 --difficulty easy --autoplay 3:3 \
  --frames 9000 --record easy.rec --summary >rec.json || fail "easy run: exit $?"
grep -qx "difficulty easy" easy.rec || fail "the record does not keep the difficulty"
"$bin" --headless --data "$game" --save-dir save2 --replay easy.rec --summary >rep.json ||
  fail "replay: exit $?"
python3 - <<'PY' || fail "easy run and replay: $(cat rec.json) / $(cat rep.json)"
import json
a, b = json.load(open("rec.json")), json.load(open("rep.json"))
assert a["difficulty"] == "easy" and a["stages_cleared"][:1] == [1], a
for k in ("score", "kills", "keys", "misses", "ranking", "stages_cleared", "difficulty"):
    assert a[k] == b[k], k
PY
# The records mark each part of the easy run; a hard run's parts are marked too.
"$bin" --headless --data "$game" --save-dir save_hard --seed 11 --difficulty hard --autoplay 6:3 \
  --frames 2500 >/dev/null || fail "hard run: exit $?"
"$bin" --stats --save-dir save >easy_stats.jsonl && "$bin" --stats --save-dir save_hard >hard_stats.jsonl ||
  fail "--stats"
python3 - <<'PY' || fail "difficulty in the records: $(cat easy_stats.jsonl hard_stats.jsonl)"
import json
for name, mark in (("easy_stats.jsonl", "easy"), ("hard_stats.jsonl", "hard")):
    rows = [json.loads(l) for l in open(name)][:-1]
    assert rows and all(e["difficulty"] == mark for e in rows), (name, rows)
PY
[ -s save/dat/score_easy.rnk ] || fail "no easy ranking file"
[ ! -e save/dat/score.rnk ] || [ "$(od -An -tx1 save/dat/score.rnk | tr -d ' \n')" = \
  "0000000000000000000000000000000000000000" ] || fail "the easy score went into score.rnk"
if "$bin" --headless --data "$game" --difficulty medium --frames 5 2>err.txt; then
  fail "--difficulty medium accepted"
fi
grep -q "difficulty" err.txt || fail "no message for a bad difficulty"
echo "difficulty recorded, replayed and ranked apart"
