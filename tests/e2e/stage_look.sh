#!/usr/bin/env bash
# The stage look changes what is seen and heard, never the play: a stage run
# by the built-in player leaves the same trace and summary in both looks, a
# run recorded in one replays the same in the other, the field of every part
# differs between the looks while the title does not, and the settings file's
# stage_look gives what the flag gives (the flag winning over it).
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
echo "same play in both looks; fields differ at frames $frames"
