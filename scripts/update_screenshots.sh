#!/usr/bin/env bash
# Regenerates the README's screenshots (docs/*.png) from a build, headless:
# the title menu, the stage select, play, a boss, the records screen, practice
# and the settings screen. Every picture comes from fixed seeds and key
# scripts, so the same build gives the same files.
#
#   scripts/update_screenshots.sh [BINARY] [GAME_DIR] [OUT_DIR]
#       (default build/release/mirutena, the game/ folder beside BINARY, docs/)
#
# Play and boss shots are taken at fixed frames of fixed built-in-player runs.
# A trace of each run is checked first: the frame must show every prompt
# window fully open, in the usual mode, with a Hepburn guide (and a boss on
# the field for the boss shot). When a change to the game moves the run so
# that the frame no longer qualifies, the best qualifying frame of the same
# run is taken instead and named on stderr: put it in the table below. The
# records screen is filled by sixteen runs of the built-in player at rising
# speeds into a scratch save folder (about 15 s). Needs python3.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath -m "${1:-$root/build/release/mirutena}")
game=$(realpath -m "${2:-$(dirname "$bin")/game}")
out=$(realpath -m "${3:-$root/docs}")
[ -x "$bin" ] || { echo "update_screenshots: no program at $bin" >&2; exit 2; }
[ -f "$game/dat/hiragana.txt" ] || { echo "update_screenshots: no game data in $game" >&2; exit 2; }
command -v python3 >/dev/null || { echo "update_screenshots: python3 is missing" >&2; exit 2; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run SAVE_DIR ARGS...: one headless run on the game folder; output dropped.
run() {
  local save=$1
  shift
  "$bin" --headless --data "$game" --save-dir "$save" "$@" >/dev/null
}

# The frame checker: prints FRAME when it qualifies, else the best frame that
# does (more open windows, more kinds of enemy, a word being typed, Hepburn
# spellings, bombs left), with a note on stderr; exits 1 when none does.
cat >"$work/pick.py" <<'EOF'
import json, re, sys
trace, wanted, boss = sys.argv[1], int(sys.argv[2]), sys.argv[3] == "boss"
# A guide in Kunrei spelling: the built-in player types the briefest spelling,
# so the rest of a word being typed may read SI, TU, HU ...
kunrei = re.compile(r"(?<![SC])HU|SI|TI|TU|ZI|DU|SY|TY|ZY")
def score(d):
    wins = d["windows"]
    if d["scene"] != 10 or len(wins) < (2 if boss else 3):
        return -1
    # Windows crossed out by a locked enemy hide their words: not a good picture.
    if any(w["state"] != 10 or w["mode"] != "normal" or w["locked"] or kunrei.search(w["romaji"])
           for w in wins):
        return -1
    if boss != any(e["boss"] for e in d["enemies"]):
        return -1
    field = [e for e in d["enemies"] if 0 < e["x"] < 400 and 30 < e["y"] < 300]
    kinds = len({e["kind"] for e in field})
    hepburn = sum(1 for w in wins if re.search("SH|CH|TS|J|F", w["romaji"]))
    typing = any(w["target"] and w["position"] > 2 for w in wins)
    bombs = sum(b["present"] for b in d["bombs"])
    return 2 * len(wins) + 5 * kinds + 2 * hepburn + 4 * typing + bombs
best, best_frame = -1, 0
for line in open(trace):
    d = json.loads(line)
    s = score(d)
    if d["frame"] == wanted and s >= 0:
        print(wanted)
        sys.exit(0)
    if s > best:
        best, best_frame = s, d["frame"]
if best < 0:
    sys.exit(1)
print(f"frame {wanted} no longer shows the scene; took frame {best_frame}", file=sys.stderr)
print(best_frame)
EOF

# field NAME SEED STAGE KPS FRAME KIND: a play (or boss) shot of the built-in
# player at KPS keys a second with 3 % wrong keys.
field() {
  local name=$1 seed=$2 stage=$3 kps=$4 frame=$5 kind=$6 chosen
  rm -rf "$work/save"
  run "$work/save" --seed "$seed" --stage "$stage" --autoplay "$kps:3" --frames 9000 \
    --trace "$work/trace.jsonl"
  chosen=$(python3 "$work/pick.py" "$work/trace.jsonl" "$frame" "$kind") ||
    { echo "update_screenshots: no frame of stage $stage shows a $kind scene" >&2; exit 1; }
  [ "$chosen" = "$frame" ] || echo "  ($name: seed $seed, stage $stage, $kps keys/s)" >&2
  rm -rf "$work/save"
  run "$work/save" --seed "$seed" --stage "$stage" --autoplay "$kps:3" \
    --frames $((chosen + 1)) --shot "$chosen:$out/$name.png"
  echo "$name.png: stage $stage, seed $seed, $kps keys/s, frame $chosen"
}

# menu NAME FRAMES SAVE_DIR KEY...: a shot of the menus after the given key
# presses, one every four frames from frame 50 (the title is ready by then).
menu() {
  local name=$1 frames=$2 save=$3 f=50 key
  shift 3
  : >"$work/keys.txt"
  for key in "$@"; do
    echo "$f press $key" >>"$work/keys.txt"
    f=$((f + 4))
  done
  run "$save" --seed 1 --keys "$work/keys.txt" --frames $((frames + 1)) \
    --shot "$frames:$out/$name.png"
  echo "$name.png: keys ${*:-(none)}, frame $frames"
}

# A history for the records screen and the stage select: stages 1-6 in turn
# at 2.9 to 8.9 keys a second, 4 % wrong keys.
history="$work/history"
mkdir -p "$history"
for i in $(seq 1 16); do
  run "$history" --seed "$i" --stage $(((i - 1) % 6 + 1)) \
    --autoplay "$(awk "BEGIN { print 2.5 + $i * 0.4 }"):4" --frames 16000
done

menu title 40 "$work/fresh"
menu stage_select 80 "$history" space right right
field play 1 5 4 7097 play
field boss 2 9 9 7344 boss
menu records 80 "$history" down down space
rm -rf "$work/save"
run "$work/save" --seed 1 --practice 3 --autoplay 3:3 --frames 301 --shot "300:$out/practice.png"
echo "practice.png: --practice 3, 3 keys/s, frame 300"
menu settings 100 "$work/fresh" down down down down space down down down down down down
