#!/usr/bin/env bash
# Every shipped stage part played alone by the built-in player at two speeds:
# the part must reach its end (boss beaten, field empty), and once the end has
# begun no enemy may enter the field again.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail=0
# A speed that clears each part played alone (the README's table; stage 9's
# last part, met without the earlier parts' rate, takes one key more), then a
# fast player that beats bosses within seconds.
speeds=(0 2 4 5 7 7 7 9 9 12)
for stage in 1 2 3 4 5 6 7 8 9; do
  parts=3; [ "$stage" -eq 1 ] && parts=2
  for part in $(seq 1 "$parts"); do
    for kps in "${speeds[$stage]}" 16; do
      script="$game/dat/${stage}_stage${part}.lin"
      "$bin" --headless --data "$game" --seed "$((stage * 7 + part))" --stage "$stage" \
        --try-script "$script" --autoplay "$kps:3" --frames 9000 --trace t.jsonl >/dev/null 2>err.txt ||
        { echo "FAIL: $stage-$part at $kps keys/s: exit $?"; fail=1; continue; }
      python3 - t.jsonl "$stage-$part" "$kps" <<'PY' || fail=1
import json, sys
trace, name, kps = sys.argv[1:4]
end, started = None, False
for line in open(trace):
    d = json.loads(line)
    if d["part"] != 1:
        if started:
            break
        continue
    started = True
    if d["scene"] == 20:
        sys.exit(f"FAIL: {name} at {kps} keys/s: game over at frame {d['frame']}")
    if d["scene"] != 10:
        continue
    if end is None and d["cleartimer"] > 100:
        end = d["frame"]
    if end is not None and d["enemies"]:
        kinds = [e["kind"] for e in d["enemies"]]
        sys.exit(f"FAIL: {name} at {kps} keys/s: end began at frame {end}, "
                 f"enemies {kinds} on the field at frame {d['frame']}")
if end is None:
    sys.exit(f"FAIL: {name} at {kps} keys/s: the part never reached its end")
print(f"{name} at {kps} keys/s: end from frame {end}, nothing after it")
PY
    done
  done
done
exit "$fail"
