#!/usr/bin/env bash
# A weak player loses stage 9: the game-over sequence runs (closing bands 50
# frames, title 70 frames), the continue screen replays the same part with
# score 0, and after its last continue the player answers no and is back on
# the title.
source "$(dirname "$0")/whole_game_lib.sh.inc"
"$bin" --headless --data "$game" --save-dir "$work/save" --seed 4 --stage 9 --autoplay 2:10 \
  --frames 12000 --trace t.jsonl --summary >s.json
python3 - t.jsonl <<'PY' || fail "game over and continue"
import json, sys
rows = [json.loads(l) for l in open(sys.argv[1])]
scenes = [r["scene"] for r in rows]
# each game over: 50 frames of scene 20, then 70 of scene 21, then 22
runs = []
for i, s in enumerate(scenes):
    if s in (20, 21) and (i == 0 or scenes[i - 1] != s):
        j = i
        while j < len(scenes) and scenes[j] == s:
            j += 1
        runs.append((s, j - i))
assert runs, "no game over"
for s, n in runs:
    assert n == (50 if s == 20 else 70), runs
# the continue (yes) goes through the curtain back to the same part with score 0
cont = 0
for i in range(1, len(rows)):
    if rows[i - 1]["scene"] == 22 and rows[i]["scene"] == 5:
        part = rows[i - 1]["part"]
        k = i
        while rows[k]["scene"] != 10:
            k += 1
        assert rows[k]["part"] == part and rows[k]["score"] == 0, (part, rows[k]["part"], rows[k]["score"])
        cont += 1
assert cont >= 1, "never continued"
# after the last game over the answer is no: back on the title
last22 = max(i for i, s in enumerate(scenes) if s == 22)
assert scenes[last22 + 1] == 0, scenes[last22 + 1]
print(f"{len([r for r in runs if r[0] == 20])} game overs, {cont} continues, then the title")
PY
grep -q '"gameovers":[4-9]' s.json || fail "summary: $(cat s.json)"
