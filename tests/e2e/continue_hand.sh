#!/usr/bin/env bash
# The continue screen after arrow presses: exactly one hand shows, beside the
# chosen answer, whatever the phase of its sway (the screen is never cleared
# there, so a picture that does not wipe the hand's old place leaves copies).
set -euo pipefail
bin="$1"; game="$2"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
source "$here/first_scene_frame.sh.inc"
# Nobody types on stage 1: the first enemy walks through and the game is over.
"$bin" --headless --data "$game" --seed 2 --stage 1 --frames 3000 --trace t.jsonl >/dev/null
start=$(first_scene_frame t.jsonl 22)
[ -n "$start" ] || fail "no continue screen"
d1=$((start + 10)); d2=$((start + 40)); d3=$((start + 70))
printf '%d press down\n%d press up\n%d press right\n' "$d1" "$d2" "$d3" >keys.txt
shots=()
# Frames after each press, spread over the sway (a period of about 31 frames).
for base in "$d1" "$d2" "$d3"; do
  for k in 2 9 17 25; do shots+=(--shot "$((base + k)):s$((base + k)).png"); done
done
"$bin" --headless --data "$game" --seed 2 --stage 1 --frames "$((d3 + 30))" --keys keys.txt "${shots[@]}" >/dev/null
python3 - "$here" "$d1" "$d2" "$d3" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
from png_pixels import read_png
d1, d2, d3 = map(int, sys.argv[2:5])
# The hand sways over x 136..168 beside each answer (rows 254..267 and 290..303).
def hand_pixels(rows, top):
    return sum(1 for y in range(top - 2, top + 16) for x in range(130, 170)
               if rows[y][x][0] > 150 and rows[y][x][1] > 110 and rows[y][x][2] < 120)
bad = 0
for base, choice in ((d1, 1), (d2, 0), (d3, 1)):
    for k in (2, 9, 17, 25):
        _, _, rows = read_png(f"s{base + k}.png")
        yes, no = hand_pixels(rows, 254), hand_pixels(rows, 290)
        shown = (yes > 20, no > 20)
        ok = shown == ((True, False) if choice == 0 else (False, True)) and min(yes, no) == 0
        print(f"{'ok' if ok else 'FAIL'}: frame {base + k}, choice {'yes' if choice == 0 else 'no'}: "
              f"hand pixels beside yes {yes}, beside no {no}")
        bad += not ok
sys.exit(1 if bad else 0)
PY
