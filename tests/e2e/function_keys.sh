#!/usr/bin/env bash
# Function keys during play: F5 silences sound effects and F4 the music, F3
# turns translucency off and on, F1 shows the frame rate, Pause returns to
# the pause panel during play, whose last entry leaves for the title after
# one confirmation.
source "$(dirname "$0")/whole_game_lib.sh.inc"
cat >keys.txt <<'K'
# during play of stage 1 (the curtain has opened by frame 80)
100 press f5
120 press f4
140 press f3
160 press f1
300 press f5
320 press f4
340 press f3
360 press f1
400 press pause
405 press down
406 press down
407 press space
408 press down
409 press space
K
"$bin" --headless --data "$game" --save-dir save --seed 2 --stage 1 --keys keys.txt \
  --frames 420 --trace t.jsonl --summary >s.json
python3 - t.jsonl <<'PY' || fail "function keys"
import json, sys
rows = {json.loads(l)["frame"]: json.loads(l) for l in open(sys.argv[1])}
def flags(f):
    r = rows[f]
    return (r["sound_on"], r["music_on"], r["alpha_on"], r["fps_show"])
assert flags(99) == (1, 1, 1, 0), flags(99)
assert flags(200) == (0, 0, 0, 1), flags(200)
assert rows[200]["music_state"] == 246, rows[200]["music_state"]
assert flags(380) == (1, 1, 1, 0), flags(380)
assert rows[380]["music_state"] == 0, rows[380]["music_state"]
silent = [f for f in range(101, 300) if rows[f]["sounds"]]
assert not silent, f"sounds while F5 was off: {silent[:5]}"
assert rows[399]["scene"] == 10 and rows[400]["scene"] == 15, (rows[399]["scene"], rows[400]["scene"])
assert rows[408]["scene"] == 15 and rows[409]["scene"] == 0, (rows[408]["scene"], rows[409]["scene"])
print("toggles and pause behave")
PY
