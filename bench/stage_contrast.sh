#!/usr/bin/env bash
# Contrast of the HUD, MISS!, the prompt-window frames and the enemies over
# every terrain backdrop, on headless screenshots of the stages look: each
# stage played by the built-in player (--autoplay 8:3 --seed 7, stage 9 at
# 10:2 --seed 9 so that its three parts are reached; 12,000 frames) with a
# shot every 50 frames and its --trace; the shots of play (scene 10, curtain
# open), with shots 2 and 3 frames after up to 8 misses a part (so that MISS!
# is seen), grouped by the terrain that the part's script names, measured by
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
  run=(--headless --data "$build/game" --stage-look stages --stage "$s" "${play[@]}" --frames 12000)
  # A first run finds the misses: MISS! is on the screen 2 and 3 frames after
  # the "error1" sound; up to 8 misses a part are shot beside the regular shots.
  "$bin" "${run[@]}" --save-dir "$work/first$s" --trace "$work/first$s.jsonl" >/dev/null
  shots=()
  for f in $(seq 50 50 12000) $(python3 - "$work/first$s.jsonl" <<'PY'
import json, sys
per_part = {}
for line in open(sys.argv[1]):
    d = json.loads(line)
    if d["scene"] == 10 and "error1" in d["sounds"] and per_part.get(d["part"], 0) < 8:
        per_part[d["part"]] = per_part.get(d["part"], 0) + 1
        print(d["frame"] + 2, d["frame"] + 3)
PY
  ); do shots+=(--shot "$f:$work/s$s-$f.png"); done
  "$bin" "${run[@]}" --save-dir "$work/save$s" --trace "$work/s$s.jsonl" "${shots[@]}" >/dev/null
  cmp -s "$work/first$s.jsonl" "$work/s$s.jsonl" || { echo "stage $s: the runs differ" >&2; exit 1; }
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

# The lowest figures per terrain over its stages, as a table.
python3 - "$work" <<'PY'
import glob, os, re, sys
low = {}
for path in sorted(glob.glob(os.path.join(sys.argv[1], "m-*.txt"))):
    terrain = os.path.basename(path).split("-")[1]
    t = low.setdefault(terrain, {"enemy": {}})
    for line in open(path):
        for g, w, p, n in re.findall(r"(HUD|MISS!|frames|enemies) worst ([\d.]+) p5 ([\d.]+) \((\d+)\)", line):
            old = t.get(g, (99.0, 99.0, 0))
            t[g] = (min(old[0], float(w)), min(old[1], float(p)), old[2] + int(n))
        if " enemies p5: " in line:
            for pic, p, n in re.findall(r"(\w+) ([\d.]+) \((\d+)\)", line.split(": ", 1)[1]):
                old = t["enemy"].get(pic, (99.0, 0))
                t["enemy"][pic] = (min(old[0], float(p)), old[1] + int(n))
def cell(t, g, worst=True):
    if g not in t:
        return "-"
    w, p, n = t[g]
    return f"{w:.2f} / {p:.2f}" if worst else f"{p:.2f} ({n})"
print("| terrain | HUD worst / p5 | frames worst / p5 | MISS! p5 (shots) | enemies p5 (measured) | lowest enemy kinds |")
print("|---|---|---|---|---|---|")
for terrain in ["blue", "grass", "sand", "sea", "night", "brick", "snow", "metal", "lava"]:
    if terrain not in low:
        continue
    t = low[terrain]
    kinds = sorted(t["enemy"].items(), key=lambda kv: kv[1][0])[:3]
    print(f"| {terrain} | {cell(t, 'HUD')} | {cell(t, 'frames')} | {cell(t, 'MISS!', False)} | "
          f"{cell(t, 'enemies', False)} | " + ", ".join(f"{k} {p:.2f}" for k, (p, n) in kinds) + " |")
print("every enemy picture, lowest p5 (times measured), per terrain:")
for terrain, t in low.items():
    print(f"  {terrain}: " + ", ".join(f"{k} {p:.2f} ({n})" for k, (p, n) in sorted(t["enemy"].items())))
PY
