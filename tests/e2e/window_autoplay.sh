#!/usr/bin/env bash
# The built-in player in a window (--autoplay on SDL's dummy drivers): it
# plays the chosen stage in real time, its keys go into the recording like a
# player's, and the recording replays headless to the same typing.
source "$(dirname "$0")/window_lib.sh.inc"

run_window 20 --data "$game" --save-dir save --stage 1 --autoplay 8:0 --record rec.txt
! grep -q "mirutena:" err.txt || fail "errors reported: $(cat err.txt)"
grep -q "^stage 1$" rec.txt || fail "the recording does not name the stage"
# Letters due before the recording's last frame ran (keys meant for a frame
# that the quit request cut off are recorded but never played).
end=$(sed -n 's/^end \([0-9]*\)$/\1/p' rec.txt)
# "-" (a long vowel, as in ケーキ) is a typed key too; the seed comes from the
# clock, so whether one is typed depends on the words drawn.
letters=$(awk -v end="$end" '$2 == "down" && $3 ~ /^([a-z]|minus)$/ && $1 <= end' rec.txt | wc -l)
[ "$letters" -ge 8 ] || fail "the built-in player typed only $letters letters in 20 s"

"$bin" --headless --data "$game" --replay rec.txt --summary >replay.json 2>replay_err.txt ||
  fail "replay: $(cat replay_err.txt)"
python3 - replay.json "$letters" <<'PY' || fail "replay: $(cat replay.json)"
import json, sys
s = json.load(open(sys.argv[1]))
letters = int(sys.argv[2])
# Every letter the player typed at 0 % misses hits in the replay.
assert s["keys"] == letters and s["misses"] == 0, (s["keys"], s["misses"], letters)
PY
echo "ok ($letters letters typed by the built-in player, replayed alike)"
