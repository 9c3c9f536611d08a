#!/usr/bin/env bash
# Stages 1 to 4 played by the built-in player at speeds that clear them:
# stage 1 from the title menu (the player chooses it), the others from the
# stage select. Stage 1 also records its run, which must replay exactly.
source "$(dirname "$0")/whole_game_lib.sh.inc"
play_stage 1 2 5
play_stage 2 4 5
play_stage 3 5 5
play_stage 4 7 5

"$bin" --headless --data "$game" --save-dir "$work/rec" --seed 8 --autoplay 2:3 --frames 6000 \
  --record rec.txt --summary >a.json
"$bin" --headless --data "$game" --save-dir "$work/rep" --replay rec.txt --summary >b.json
cmp -s a.json b.json || fail "replay of a whole stage differs: $(cat a.json) / $(cat b.json)"
grep -q '"stages_cleared":\[1\]' a.json || fail "the recorded run did not clear stage 1: $(cat a.json)"
echo "replay of stage 1 identical"
