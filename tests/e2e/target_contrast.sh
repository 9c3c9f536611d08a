#!/usr/bin/env bash
# The letters of the target window keep a contrast of at least 4.5:1 against
# their surroundings on every backdrop tile: one part per tile is played by the
# built-in player, and screenshots where a target is being typed are measured.
set -euo pipefail
bin="$1"; game="$2"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
frames=(300 420 540 660 780)
for part in 1_stage1 1_stage2 2_stage1 2_stage2 3_stage1 3_stage2 4_stage1 6_stage1 6_stage2; do
  stage=${part%%_*}
  shots=()
  for f in "${frames[@]}"; do shots+=(--shot "$f:$part-$f.png"); done
  "$bin" --headless --data "$game" --seed 5 --stage "$stage" --try-script "$game/dat/$part.lin" \
    --autoplay 4:3 --frames 800 --trace "$part.jsonl" "${shots[@]}" >/dev/null
done
python3 - "$here" "$game/abc" "${frames[@]}" <<'PY'
import json, sys
sys.path.insert(0, sys.argv[1])
from letter_contrast import letter_contrasts
abc, frames = sys.argv[2], set(map(int, sys.argv[3:]))
parts = ["1_stage1", "1_stage2", "2_stage1", "2_stage2", "3_stage1", "3_stage2", "4_stage1",
         "6_stage1", "6_stage2"]
measured, bad, worst = 0, 0, 99.0
for part in parts:
    for line in open(f"{part}.jsonl"):
        d = json.loads(line)
        if d["frame"] not in frames or d["scene"] != 10 or d["alpha_on"] != 1:
            continue
        targets = [w for w in d["windows"] if w["target"] and w["state"] == 10 and w["mode"] == "normal"]
        if not targets:
            continue
        for ch, ratio in letter_contrasts(f"{part}-{d['frame']}.png", targets[0], abc):
            measured += 1
            worst = min(worst, ratio)
            if ratio < 4.5:
                bad += 1
                print(f"FAIL: {part} frame {d['frame']}: letter {ch} at {ratio:.2f}:1")
print(f"{measured} letters measured, the lowest contrast {worst:.2f}:1")
if measured < 40:
    sys.exit(f"FAIL: only {measured} letters measured")
sys.exit(1 if bad else 0)
PY
