#!/usr/bin/env bash
# The stage look changes what is seen and heard, never the play: a stage run
# by the built-in player leaves the same trace and summary in both looks, a
# run recorded in one replays the same in the other, the field of every part
# differs between the looks while the title does not, and the settings file's
# stage_look gives what the flag gives (the flag winning over it). On the
# metal and lava backdrops of stage 6, the score, the rate, MISS!, the window
# frames and the enemies seen on shots keep their contrast (p5, as
# tools/shot_contrast.py measures it).
tools="$(cd "$(dirname "$0")/../../tools" && pwd)"
source "$(dirname "$0")/whole_game_lib.sh.inc"
run() {  # NAME FRAMES OPTIONS...: a headless run of stage 6 with trace and summary
  local name="$1" frames="$2"
  shift 2
  "$bin" --headless --data "$game" --seed 3 --stage 6 --autoplay 8:3 --frames "$frames" \
    --trace "$name.jsonl" --summary "$@" >"$name.json" 2>"$name.err" || fail "$name: exit $?"
}
run stages 9000 --stage-look stages --record stages.rec
run classic 9000 --stage-look classic
cmp -s stages.jsonl classic.jsonl || fail "the traces of the two looks differ"
cmp -s stages.json classic.json || fail "summaries differ: $(cat stages.json) / $(cat classic.json)"
grep -q '"stages_cleared":\[6\]' stages.json || fail "stage 6 was not cleared: $(cat stages.json)"
grep -q "look" stages.rec && fail "the recording keeps the look: $(head -n 5 stages.rec)"
"$bin" --headless --data "$game" --replay stages.rec --stage-look classic --summary >replay.json ||
  fail "replay: exit $?"
cmp -s stages.json replay.json || fail "replay in the other look: $(cat replay.json)"

# A shot 60 frames into each part, in each look and by the settings file.
frames=$(python3 - <<'PY'
import json
seen = {}
for line in open("stages.jsonl"):
    d = json.loads(line)
    if d["scene"] == 10 and d["part"] not in seen:
        seen[d["part"]] = d["frame"] + 60
print(" ".join(str(seen[p]) for p in sorted(seen)))
PY
)
[ "$(wc -w <<<"$frames")" -eq 3 ] || fail "not three parts played: $frames"
shoot() {  # NAME OPTIONS...
  local name="$1" shots=()
  shift
  for f in $frames; do shots+=(--shot "$f:$name-$f.png"); done
  "$bin" --headless --data "$game" --seed 3 --stage 6 --autoplay 8:3 --frames 9000 "${shots[@]}" \
    "$@" >/dev/null 2>&1 || fail "shots $name: exit $?"
}
for d in conf1 conf2; do mkdir -p $d && printf 'stage_look = classic\n' >$d/settings.ini; done
shoot s --stage-look stages
shoot c --stage-look classic
shoot file --save-dir conf1
shoot over --save-dir conf2 --stage-look stages
grep -qx "stage_look = classic" conf2/settings.ini || fail "the flag changed the settings file"
for f in $frames; do
  cmp -s "s-$f.png" "c-$f.png" && fail "frame $f: the field looks the same in both looks"
  cmp -s "c-$f.png" "file-$f.png" || fail "frame $f: the settings file's classic is not the flag's"
  cmp -s "s-$f.png" "over-$f.png" || fail "frame $f: the flag did not win over the settings file"
done
# The menus keep their backdrop.
"$bin" --headless --data "$game" --seed 1 --frames 40 --shot 40:title-s.png --stage-look stages
"$bin" --headless --data "$game" --seed 1 --frames 40 --shot 40:title-c.png --stage-look classic
cmp -s title-s.png title-c.png || fail "the title differs between the looks"

# Contrast over the part's backdrop: a shot every 200 frames of play and 2
# frames after up to 8 misses a part, measured per part with the pictures the game holds.
blob="$(dirname "$bin")/generated/pictures.bin"
[ -f "$blob" ] || fail "no picture blob beside the game: $blob"
python3 - stages.jsonl >parts.txt <<'PY'
import json, sys
parts, misses = {}, {}
for line in open(sys.argv[1]):
    d = json.loads(line)
    if d["scene"] != 10 or d["curtain"] != 0:
        continue
    if "error1" in d["sounds"] and misses.get(d["part"], 0) < 8:
        misses[d["part"]] = misses.get(d["part"], 0) + 1
        parts.setdefault(d["part"], []).append(d["frame"] + 2)
    elif d["frame"] % 200 == 0:
        parts.setdefault(d["part"], []).append(d["frame"])
for part, frames in sorted(parts.items()):
    print(part, " ".join(str(f) for f in frames))
PY
shots=()
while read -r part list; do
  for f in $list; do shots+=(--shot "$f:look-$part-$f.png"); done
done <parts.txt
"$bin" --headless --data "$game" --seed 3 --stage 6 --autoplay 8:3 --frames 9000 \
  --stage-look stages --trace look.jsonl "${shots[@]}" >/dev/null 2>&1 || fail "contrast shots: exit $?"
cmp -s stages.jsonl look.jsonl || fail "the shot run played differently"
declare -A terrain=([1]=metal [2]=lava [3]=metal)
while read -r part list; do
  args=()
  for f in $list; do args+=("$f:look-$part-$f.png"); done
  python3 "$tools/shot_contrast.py" --blob "$blob" --terrain "${terrain[$part]}" --trace look.jsonl \
    --check "${args[@]}" >contrast-$part.txt 2>&1 || fail "part $part: $(tail -n 3 contrast-$part.txt)"
  grep -q "enemies worst" contrast-$part.txt || fail "part $part: no enemy measured: $(tail -n 2 contrast-$part.txt)"
done <parts.txt
grep -q "MISS! worst" contrast-*.txt || fail "MISS! was never measured"
echo "same play in both looks; fields differ at frames $frames; $(tail -qn 1 contrast-*.txt | paste -sd ';')"
