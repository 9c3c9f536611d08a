#!/usr/bin/env bash
# Two games on one save folder keep every score, clear and record: pairs of
# headless runs clearing stages at the same time, a window left on the title
# beside a run that clears, and a run that plays nothing leaves every save file
# byte for byte as it was.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset DISPLAY

# clear SAVE STAGE SEED OUT: the built-in player clears the stage.
clear_stage() {
  "$bin" --headless --data "$game" --save-dir "$1" --stage "$2" --seed "$3" --autoplay 6:2 \
    --frames 11000 --summary >"$4" 2>"$4.err"
}
ranking() { od -An -tu4 -w20 -v "$1/dat/score.rnk" | tr -s ' ' | sed 's/^ //'; }

for pair in 1 2 3 4; do
  save="pair$pair"
  mkdir -p "$save/dat"
  # Stages apart, so that each stage's records come from one run only.
  clear_stage "$save" 1 "$pair" a.json & a=$!
  clear_stage "$save" 6 "$((pair + 10))" b.json & b=$!
  wait $a || fail "pair $pair: first run: $(cat a.json.err)"
  wait $b || fail "pair $pair: second run: $(cat b.json.err)"
  python3 - a.json b.json "$save" <<'PY' || fail "pair $pair lost something"
import json, sys, glob
a, b = (json.load(open(p)) for p in sys.argv[1:3])
save = sys.argv[3]
cleared = a["stages_cleared"] + b["stages_cleared"]
assert a["stages_cleared"][:1] == [1] and b["stages_cleared"][:1] == [6], cleared
assert not set(a["stages_cleared"]) & set(b["stages_cleared"]), cleared
# Each cleared stage's final score is on its last part's record line.
parts = {}
lines = open(f"{save}/dat/records.txt").read().splitlines()[1:]
for f in (l.split() for l in lines):
    if f[1] == "part":
        parts[(int(f[2]), int(f[3]))] = int(f[7])
finals = [parts[max(k for k in parts if k[0] == s)] for s in cleared]
raw = open(f"{save}/dat/score.rnk", "rb").read()
table = [int.from_bytes(raw[i:i + 4], "little") for i in range(0, 20, 4)]
assert table == sorted(finals + [0] * 5, reverse=True)[:5], (table, finals)
clear = open(f"{save}/dat/clear.clr", "rb").read()
assert len(clear) == 20 and all(clear[s - 1] == 1 for s in cleared), clear.hex()
assert not glob.glob(f"{save}/dat/*.tmp*"), glob.glob(f"{save}/dat/*.tmp*")
PY
done
echo "ok: four pairs kept both scores, both clears and both runs' records"

# A window left on the title beside a headless run that clears a stage: its
# closing does not write back the clears it read at its start.
save=title
mkdir -p "$save/dat"
"$bin" --data "$game" --save-dir "$save" 2>window.err & window=$!
sleep 2
clear_stage "$save" 3 5 c.json || fail "clearing run: $(cat c.json.err)"
kill -TERM $window
wait $window || fail "the window did not close cleanly: $(cat window.err)"
[ "$(od -An -tx1 -j2 -N1 "$save/dat/clear.clr" | tr -d ' ')" = 01 ] ||
  fail "the window erased the clear: $(od -An -tx1 "$save/dat/clear.clr")"
python3 - c.json "$save" <<'PY' || fail "the window lost the other's score"
import json, sys
c = json.load(open(sys.argv[1]))
raw = open(f"{sys.argv[2]}/dat/score.rnk", "rb").read()
assert c["score"] in [int.from_bytes(raw[i:i + 4], "little") for i in range(0, 20, 4)]
PY
echo "ok: a game on the title kept the other's clear"

# A run that plays nothing changes no save file, damaged ones included.
save=still
mkdir -p "$save/dat"
printf '\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01' >"$save/dat/clear.clr"
printf '\x05\x00\x00\x00\x09\x00\x00\x00' >"$save/dat/score.rnk"
printf 'music_volume = 30\nnonsense\n' >"$save/settings.ini"
printf 'not a records file\n' >"$save/dat/records.txt"
before=$(cd "$save" && find . -type f ! -name mirutena.lock -exec sha256sum {} + | sort)
"$bin" --headless --data "$game" --save-dir "$save" --frames 600 --summary >s.json 2>s.err ||
  fail "idle run: $(cat s.err)"
after=$(cd "$save" && find . -type f ! -name mirutena.lock -exec sha256sum {} + | sort)
[ "$before" = "$after" ] || fail "a run that played nothing changed: $(diff <(echo "$before") <(echo "$after"))"
echo "ok: a run that played nothing left every save file as it was"
