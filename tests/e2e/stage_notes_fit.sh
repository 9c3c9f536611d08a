#!/usr/bin/env bash
# The notes under the stage-select grid stay inside its panel: with every
# stage cleared (ten stages offered), each stage is selected in turn and the
# white note text must lie between the panel's inner edges, and above the
# difficulty strip.
set -euo pipefail
bin="$1"; game="$2"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir -p save/dat
printf '\001\001\001\001\001\001\001\001\001\000\000\000\000\000\000\000\000\000\000\000' >save/dat/clear.clr
{ echo "20 press space"; for i in $(seq 1 9); do echo "$((20 + 10 * i)) press right"; done; } >keys.txt
shots=()
for s in $(seq 1 10); do shots+=(--shot "$((25 + 10 * (s - 1))):n$s.png"); done
"$bin" --headless --data "$game" --save-dir save --seed 1 --frames 130 --keys keys.txt "${shots[@]}" >/dev/null
python3 - "$here" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
from png_pixels import read_png
bad = 0
for s in range(1, 11):
    _, _, rows = read_png(f"n{s}.png")
    xs = [x for y in range(296, 380) for x in range(430) if rows[y][x] == (255, 255, 255)]
    ok = bool(xs) and min(xs) >= 124 and max(xs) <= 308
    print(f"{'ok' if ok else 'FAIL'}: note {s} spans x {min(xs, default=-1)}..{max(xs, default=-1)}")
    bad += not ok
    # The difficulty (ふつう, in white) sits on its own strip under the panel,
    # never on a line of the note.
    strip = [y for y in range(381, 400) for x in range(200, 280) if rows[y][x] == (255, 255, 255)]
    note_rows = [y for y in range(296, 381) if (255, 255, 255) in rows[y][124:309]]
    ok = bool(strip) and bool(note_rows) and max(note_rows) < min(strip) - 2
    print(f"{'ok' if ok else 'FAIL'}: note {s} ends at row {max(note_rows, default=-1)}, "
          f"difficulty from row {min(strip, default=-1)}")
    bad += not ok
sys.exit(1 if bad else 0)
PY
