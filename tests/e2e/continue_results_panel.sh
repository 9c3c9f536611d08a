#!/usr/bin/env bash
# The figures of the lost part on the continue screen stay readable: after
# the blood has splashed and streaked for a while, no red of it lies over
# the panel, and the panel's title is there in white.
set -euo pipefail
bin="$1"; game="$2"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
source "$here/first_scene_frame.sh.inc"
# Nobody types on stage 2: the game is over within the first part.
"$bin" --headless --data "$game" --save-dir save --seed 9 --stage 2 --frames 1400 \
  --trace t.jsonl >/dev/null
start=$(first_scene_frame t.jsonl 22)
[ -n "$start" ] || fail "no continue screen"
shots=()
for k in 5 150 330; do shots+=(--shot "$((start + k)):c$k.png"); done
"$bin" --headless --data "$game" --save-dir save --seed 9 --stage 2 --frames "$((start + 340))" \
  "${shots[@]}" >/dev/null
python3 - "$here" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
from png_pixels import read_png
bad = 0
for k in (5, 150, 330):
    _, _, rows = read_png(f"c{k}.png")
    # The panel: x 15..415, y 4..80, its backing from x 9 and y 0.
    red = sum(1 for y in range(0, 82) for x in range(9, 421)
              if rows[y][x][0] > 100 and rows[y][x][1] < 60 and rows[y][x][2] < 60)
    white = sum(1 for y in range(4, 18) for x in range(15, 140) if min(rows[y][x]) > 200)
    ok = red == 0 and white > 40
    print(f"{'ok' if ok else 'FAIL'}: {k} frames in: red pixels over the panel {red}, title pixels {white}")
    bad += not ok
sys.exit(1 if bad else 0)
PY
