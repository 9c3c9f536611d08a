#!/usr/bin/env bash
# Practice headless: a level list typed by the built-in player, ended with
# Escape on a result panel, no bombs, no game over and nothing in the ranking;
# an own list with bad lines (reported by line) and refused files; the menu
# reached from the title with the player's lists in the save folder.
source "$(dirname "$0")/whole_game_lib.sh.inc"
printf '1100 press escape\n1130 press space\n' >end.txt
"$bin" --headless --data "$game" --save-dir s1 --seed 4 --practice 2 --autoplay 4:3 \
  --keys end.txt --frames 1120 --trace p.jsonl --summary >p.json 2>p.err || fail "practice: exit $?"
python3 - <<'PY' || fail "level practice: $(cat p.json)"
import json
rows = [json.loads(l) for l in open("p.jsonl")]
scenes = {r["scene"] for r in rows}
assert 81 in scenes and 82 == rows[-1]["scene"] and not scenes & {10, 20, 21, 22}, scenes
assert all(not b["present"] for r in rows[5:] for b in r["bombs"])
assert max(len(r["windows"]) for r in rows) >= 2  # a few words at a time
s = json.load(open("p.json"))
(p,) = s["practice"]
assert "小学生の言葉" in p["list"], p
assert p["frames"] == 1098 and p["words"] >= 30 and p["keys"] > 200, p
kps = p["keys"] * 20 / p["frames"]
assert 3.0 < kps <= 4.2, kps
assert s["ranking"] == [0, 0, 0, 0, 0] and s["score"] == 0, s
# Practice typing is its own: the game's counts of the run stay untouched.
assert (s["keys"], s["misses"], s["kps"], s["weak_keys"]) == (0, 0, 0, []), s
PY
# The records keep the practice as practice, with the figures the summary gave.
"$bin" --stats --save-dir s1 >p_stats.jsonl || fail "--stats after practice"
python3 - <<'PY' || fail "practice records: $(cat p_stats.jsonl)"
import json
(e, total) = [json.loads(l) for l in open("p_stats.jsonl")]
(p,) = json.load(open("p.json"))["practice"]
assert e["kind"] == "practice" and e["part"] == 2 and e["stage"] == 0, e
assert (e["keys"], e["misses"], e["frames"], e["words"]) == (p["keys"], p["misses"], p["frames"],
                                                          p["words"]), (e, p)
assert sum(e["hits"].values()) == e["keys"] and e["misses"] > 0, e
PY
[ ! -e s1/dat/score.rnk ] || [ "$(od -An -tx1 s1/dat/score.rnk | tr -d ' \n')" = \
  "0000000000000000000000000000000000000000" ] || fail "practice reached score.rnk"
# Those records give a weakest-keys list; a save folder without records has none.
"$bin" --headless --data "$game" --save-dir s1 --seed 5 --practice weakest --autoplay 4:0 \
  --frames 300 --summary >w.json 2>w.err || fail "--practice weakest: exit $? $(cat w.err)"
python3 -c "
import json; p = json.load(open('w.json'))['practice'][0]
assert '苦手なキー' in p['list'] and p['words'] >= 3, p" || fail "weakest-keys practice: $(cat w.json)"
if "$bin" --headless --data "$game" --save-dir s_empty --practice weakest --frames 5 2>w2.err; then
  fail "weakest keys without records accepted"
fi
grep -q "まだ記録がありません" w2.err || fail "no word on the missing records: $(cat w2.err)"
printf '猫:ねこ;\n犬\tいぬ\nbad line\n鳥:とりっ;\n空:そら;\n' >mine.txt
"$bin" --headless --data "$game" --save-dir s2 --seed 4 --practice mine.txt --autoplay 5:0 \
  --frames 400 --summary >m.json 2>m.err || fail "own list: exit $? $(cat m.err)"
grep -q "mine.txt:3: " m.err && grep -q "mine.txt:4: " m.err || fail "bad lines not reported: $(cat m.err)"
python3 -c "
import json; s = json.load(open('m.json')); p = s['practice'][0]
assert p['list'] == 'mine' and p['words'] >= 10 and p['misses'] == 0, p
# Taken while the practice is still on the field: the game's counts stay apart.
assert (s['scene'], s['keys'], s['streak'], s['weak_keys']) == (81, 0, 0, []), s" ||
  fail "own list run: $(cat m.json)"
printf '\x94\x4c:\x82\xcb\x82\xb1;\n' >sjis.txt
head -c 1100000 /dev/zero | tr '\0' 'a' >huge.txt
for f in sjis.txt huge.txt; do
  if "$bin" --headless --data "$game" --practice $f --frames 5 2>r.err; then fail "$f accepted"; fi
  grep -q "$f" r.err || fail "no message naming $f: $(cat r.err)"
done
grep -q "UTF-8" <("$bin" --headless --data "$game" --practice sjis.txt --frames 5 2>&1) ||
  fail "no word on the encoding"
# The menu from the title: Down three times, Space; the own lists of the save folder
# are listed after the game's nine entries.
mkdir -p s3/dat/words && cp mine.txt sjis.txt s3/dat/words/
printf '3 press down\n5 press down\n7 press down\n9 press space\n12 press up\n14 press up\n' >menu.txt
"$bin" --headless --data "$game" --save-dir s3 --keys menu.txt --frames 20 --trace menu.jsonl \
  --shot 20:menu.png >/dev/null || fail "menu run"
python3 - <<'PY' || fail "practice menu"
import json
rows = {json.loads(l)["frame"]: json.loads(l) for l in open("menu.jsonl")}
assert rows[8]["scene"] == 0 and rows[9]["scene"] == 80, (rows[8]["scene"], rows[9]["scene"])
PY
[ -s menu.png ] || fail "no menu shot"
echo "practice runs headless, own lists checked"
