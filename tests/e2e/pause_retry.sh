#!/usr/bin/env bash
# The pause: a run paused with Tab and resumed goes on exactly as the same run
# without the pause, shifted by the paused frames (enemies, windows, bombs,
# score, script clock, sounds); focus loss pauses by itself; the title choice
# asks once; a retry restores the part's starting score and rate.
source "$(dirname "$0")/whole_game_lib.sh.inc"
run() {  # name keys-file frames
  "$bin" --headless --data "$game" --save-dir "save_$1" --seed 7 --stage 2 --autoplay 4:3 \
    --keys "$2" --frames "$3" --trace "$1.jsonl" --summary >"$1.json" || fail "$1: exit $?"
}
: >none.txt
cat >pause.txt <<'K'
# paused at the end of frame 650; resumed by Tab at 340, count-in of 20 frames
650 press tab
690 press tab
# letters typed while paused are not play
670 type zzz
K
cat >focus.txt <<'K'
650 focus-out
680 focus-in
# the panel waits for the player after the focus comes back
695 press space
K
cat >title.txt <<'K'
300 press pause
310 press down
311 press down
312 press space
# the confirmation starts on "no": Space there returns to the panel
313 press space
314 press space
316 press down
317 press space
K
run plain none.txt 1300
run paused pause.txt 1360
run focus focus.txt 1360
run title title.txt 340
python3 - <<'PY' || fail "pause does not resume exactly"
import json
def rows(name):
    return {json.loads(l)["frame"]: json.loads(l) for l in open(name + ".jsonl")}
plain, paused, focus = rows("plain"), rows("paused"), rows("focus")
keys = ("scene", "stage", "part", "score", "rate", "cleartimer", "enemies", "windows",
        "bombs", "effects", "sounds", "music_state", "curtain")
def same(a, b):
    return all(a[k] == b[k] for k in keys)
assert plain[650]["scene"] == 10 and plain[650]["enemies"], "not in play at frame 650"
# The pause begins after play frame 650; frames 651 to 709 are paused (39 in
# the panel, 20 of count-in) and 710 plays what frame 651 played without it.
assert [paused[f]["scene"] for f in (650, 689, 690, 708, 709, 710)] == [15, 15, 16, 16, 10, 10]
shift = 59
for f in range(651, 710):
    for k in ("enemies", "windows", "bombs", "score", "rate", "cleartimer"):
        assert paused[f][k] == paused[650][k], (f, k)
for f in range(651, 1300):
    assert same(plain[f], paused[f + shift]), f"frame {f} differs after the pause"
s = json.load(open("paused.json"))
assert s["paused_frames"] == shift, s
# Focus loss pauses at once and stays paused after the focus returns.
assert focus[650]["scene"] == 15 and focus[694]["scene"] == 15 and focus[695]["scene"] == 16
assert focus[713]["scene"] == 16 and focus[714]["scene"] == 10
for f in range(651, 1250):
    assert same(plain[f], focus[f + 64]), f"frame {f} differs after the focus pause"
assert json.load(open("focus.json"))["paused_frames"] == 64
print("pause and focus pause resume exactly")
PY
python3 - <<'PY' || fail "title from the pause panel"
import json
rows = {json.loads(l)["frame"]: json.loads(l) for l in open("title.jsonl")}
assert rows[313]["scene"] == 15 and rows[314]["scene"] == 15  # confirmation, then back
assert rows[316]["scene"] == 15
assert rows[317]["scene"] == 0 and rows[317]["enemies"] == [], rows[317]["scene"]
print("title asks once")
PY
# Retry in part 2: find when part 2 starts, pause 200 frames later, retry.
run long none.txt 6000
start=$(python3 - <<'PY'
import json
for l in open("long.jsonl"):
    d = json.loads(l)
    if d["part"] == 2 and d["scene"] == 10:
        print(d["frame"]); break
PY
)
[ -n "$start" ] || fail "part 2 never started"
p=$((start + 200))
printf '%s\n' "$p press tab" "$((p + 5)) press down" "$((p + 6)) press space" >retry.txt
run retry retry.txt $((p + 400))
python3 - "$start" "$p" <<'PY' || fail "retry"
import json, sys
start, p = int(sys.argv[1]), int(sys.argv[2])
rows = {json.loads(l)["frame"]: json.loads(l) for l in open("retry.jsonl")}
begin = rows[start]
assert rows[p]["score"] > begin["score"] or rows[p]["rate"] > 0, "nothing happened in part 2"
after = rows[p + 6]
assert (after["scene"], after["part"], after["cleartimer"]) == (10, 2, 0), after["scene"]
assert after["score"] == begin["score"] and after["rate"] == 0, (after["score"], begin["score"])
assert after["enemies"] == [] and all(b["present"] for b in after["bombs"])
assert rows[p + 300]["part"] == 2 and rows[p + 300]["enemies"], "the part did not start again"
s = json.load(open("retry.json"))
assert s["retries"] == 1 and s["paused_frames"] == 6, s
print("retry restores the part's start")
PY
# The records count the retry, with what was typed in the part given up, and
# keep the part itself apart.
"$bin" --stats --save-dir save_retry >retry_stats.jsonl || fail "--stats after the retry"
python3 - "$p" <<'PY' || fail "retry in the records: $(cat retry_stats.jsonl)"
import json, sys
rows = [json.loads(l) for l in open("retry_stats.jsonl")][:-1]
retries = [e for e in rows if e["kind"] == "retry"]
assert len(retries) == 1, rows
(r,) = retries
assert (r["stage"], r["part"], r["cleared"], r["difficulty"]) == (2, 2, False, ""), r
assert r["keys"] > 0 and r["frames"] >= 50, r
assert [(e["stage"], e["part"], e["kind"]) for e in rows if e["kind"] == "part"] == [(2, 1, "part")], rows
PY
