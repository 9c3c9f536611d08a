#!/usr/bin/env bash
# Contrast of the HUD, MISS!, the prompt-window frames and the enemies over
# every terrain backdrop, on headless screenshots of the stages look: each
# stage played by the built-in player (--autoplay 8:3 --seed 7, stage 9 at
# 10:2 --seed 9 so that its three parts are reached; 12,000 frames) with a
# shot every 50 frames and its --trace; the shots of play (scene 10, curtain
# open) grouped by the terrain that the part's script names, then measured by
# tools/shot_contrast.py (which states what counts as an item and as its
# surround). Prints shot_contrast's last two lines per terrain.
#
#   bench/stage_contrast.sh [BUILD_DIR] [STAGE ...]   (default build/release, stages 1-9)
#
# Takes about 15 minutes for all nine stages on a 2-core machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
shift || true
stages=("${@:-1 2 3 4 5 6 7 8 9}")
read -r -a stages <<<"${stages[*]}"
bin=$build/mirutena
blob=$(find "$build" -name pictures.bin -path '*generated*' | head -n 1)
[ -x "$bin" ] && [ -n "$blob" ] || { echo "stage_contrast: no game or pictures.bin in $build" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for s in "${stages[@]}"; do
  play=(--autoplay 8:3 --seed 7)
  [ "$s" = 9 ] && play=(--autoplay 10:2 --seed 9)
  shots=()
  for f in $(seq 50 50 12000); do shots+=(--shot "$f:$work/s$s-$f.png"); done
  "$bin" --headless --data "$build/game" --save-dir "$work/save$s" --stage-look stages \
    --stage "$s" "${play[@]}" --frames 12000 --trace "$work/s$s.jsonl" "${shots[@]}" >/dev/null
done

# FRAME:SHOT arguments per terrain, and a trace holding every stage's frames
# (frame numbers are per stage, so each stage's shots are measured on their own).
python3 - "$root" "$work" "${stages[@]}" <<'PY' >"$work/groups"
import json, os, sys
root, work, stages = sys.argv[1], sys.argv[2], sys.argv[3:]
for s in stages:
    terrain = {}
    for part in (1, 2, 3):
        path = os.path.join(root, "data", "dat", f"{s}_stage{part}.lin")
        if os.path.exists(path):
            terrain[part] = open(path, encoding="utf-8").read().splitlines()[1].split(",")[0]
    groups = {}
    for line in open(os.path.join(work, f"s{s}.jsonl")):
        d = json.loads(line)
        shot = os.path.join(work, f"s{s}-{d['frame']}.png")
        if d["scene"] == 10 and d["curtain"] == 0 and d["part"] in terrain and os.path.exists(shot):
            groups.setdefault(terrain[d["part"]], []).append(f"{d['frame']}:{shot}")
    for t, shots in groups.items():
        print(s, t, " ".join(shots))
PY
while read -r s t shots; do
  # shellcheck disable=SC2086
  python3 "$root/tools/shot_contrast.py" --blob "$blob" --terrain "$t" --trace "$work/s$s.jsonl" \
    $shots >"$work/m-$t-$s.txt"
  echo "stage $s: $(tail -n 2 "$work/m-$t-$s.txt" | paste -sd '|' | sed 's/|/\n         /')"
done <"$work/groups"
