#!/usr/bin/env bash
# Ranks and result cards through headless runs: --summary's rank follows the
# ladder from the run's own speed and accuracy at chosen speeds; --card writes
# the last result's card (a PNG of the card's size), and the C key on the
# practice result keeps the same card in the run's folder.
set -euo pipefail
bin="$1"; game="$2"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
unset DISPLAY

for kps in 1 3 6; do
  "$bin" --headless --data "$game" --save-dir "s$kps" --date 2026-12-09 --practice 3 \
    --practice-goal 20w --seed 5 --autoplay "$kps:4" --frames 4000 --summary >"p$kps.json" ||
    fail "practice at $kps keys/s"
done
python3 - p1.json p3.json p6.json <<'PY' || fail "ranks"
import json, sys
ladder = [("hiyoko", 0), ("minarai", 1.0), ("ashigaru", 1.5), ("samurai", 2.0), ("ninja", 2.5),
          ("kengou", 3.0), ("tatsujin", 3.5), ("meijin", 4.5), ("kishin", 5.5), ("shinsoku", 7.0)]
ranks = []
for path in sys.argv[1:]:
    p = json.load(open(path))["practice"][0]
    c, m, f = p["keys"], p["misses"], p["typeable_frames"]
    score = c * 20 / f * (c / (c + m)) ** 2
    want = [name for name, t in ladder if score >= t][-1]
    assert p["rank"] == want, (path, p, score, want)
    ranks.append(want)
assert len(set(ranks)) == 3, ranks  # three speeds, three ranks
print("ranks", ranks)
PY

# The card of the practice result, by --card and by the C key on its panel.
"$bin" --headless --data "$game" --save-dir c --date 2026-12-09 --practice 3 --practice-goal 20w \
  --seed 5 --autoplay 3:4 --frames 1500 --card card.png >/dev/null || fail "--card"
echo "1490 press c" >c.keys
"$bin" --headless --data "$game" --save-dir k --date 2026-12-09 --practice 3 --practice-goal 20w \
  --seed 5 --autoplay 3:4 --frames 1500 --keys c.keys >/dev/null 2>k.err || fail "the C key run"
kept=$(ls k/dat/mirutena-20261209-*.png 2>/dev/null | head -1)
[ -n "$kept" ] || fail "the C key kept no card: $(ls k/dat) $(cat k.err)"
cmp -s card.png "$kept" || fail "the C key's card differs from --card's"
PYTHONPATH="$here" python3 - card.png <<'PY' || fail "the card"
import sys
from png_pixels import read_png
w, h, rows = read_png(sys.argv[1])
assert (w, h) == (430, 260), (w, h)
colours = {px for row in rows for px in row}
assert len(colours) > 20, len(colours)  # drawn, not blank
PY
echo "ok: ranks follow the ladder; --card and the C key keep the same card"

"$bin" --headless --data "$game" --frames 5 --card none.png 2>none.err &&
  fail "--card wrote a card with no result"
grep -q "no result" none.err || fail "no message: $(cat none.err)"
echo "ok: no card without a result"
