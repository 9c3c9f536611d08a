#!/usr/bin/env bash
# The bosses of the shipped stage scripts: each part ends with one boss group
# that is the last group the part sends; no boss ends more than five parts (or
# appears as a boss more than five times); no stage meets the same boss twice.
set -euo pipefail
game="$2"
python3 - "$game/dat" <<'PY'
import collections, sys
folder = sys.argv[1]
parts = {1: 2, **{s: 3 for s in range(2, 10)}}
lines_of = collections.Counter()
parts_of = collections.Counter()
errors = []
for stage, count in parts.items():
    seen = set()
    for part in range(1, count + 1):
        name = f"{stage}_stage{part}.lin"
        text = open(f"{folder}/{name}", "rb").read().decode("cp932").split("\r\n")
        body = text[2:text.index("end;")]
        groups, current = [], None
        for line in body:
            if line.startswith("*"):
                current = []
                groups.append(current)
            elif line.startswith(":") and current is not None:
                current.append(line)
        bosses = [(i, l.split(":")[1]) for i, g in enumerate(groups) for l in g
                  if l.split(":", 2)[2].startswith("boss,")]
        kinds = {k for _, k in bosses}
        if len(kinds) != 1:
            errors.append(f"{name}: bosses {sorted(kinds)}, expected exactly one kind")
            continue
        if any(i != len(groups) - 1 for i, _ in bosses):
            errors.append(f"{name}: groups are sent after the boss")
        kind = kinds.pop()
        if kind in seen:
            errors.append(f"{name}: stage {stage} meets {kind} twice")
        seen.add(kind)
        parts_of[kind] += 1
        lines_of[kind] += len(bosses)
for kind, n in sorted(parts_of.items()):
    print(f"{kind}: ends {n} parts, {lines_of[kind]} boss lines")
    if n > 5 or lines_of[kind] > 5:
        errors.append(f"{kind} is the boss {lines_of[kind]} times in {n} parts")
if parts_of.get("あべらべら", 0) > 1:
    errors.append("あべらべら ends more than one part")
for e in errors:
    print("FAIL:", e)
sys.exit(1 if errors else 0)
PY
