#!/usr/bin/env bash
# A recorded run replays exactly: the built-in player plays with a clock seed
# while the run is recorded, and the replay gives the same trace and summary.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

"$bin" --headless --data "$game" --frames 900 --autoplay 7:10 --record rec.txt \
  --trace a.jsonl --summary >a.txt
[ "$(head -1 rec.txt)" = "mirutena-record 3" ] || fail "record header: $(head -1 rec.txt)"
grep -qE '^seed [0-9]+$' rec.txt || fail "no seed in the record"
grep -qx 'end 900' rec.txt || fail "no end line in the record"
[ "$(grep -cE '^[0-9]+ (down|up) ' rec.txt)" -gt 20 ] || fail "too few key events recorded"
[ "$(wc -l <a.jsonl)" -eq 900 ] || fail "trace has $(wc -l <a.jsonl) lines, not 900"
grep -q '"stage":[1-9]' a.txt || fail "the player never started a stage: $(cat a.txt)"

"$bin" --headless --data "$game" --replay rec.txt --trace b.jsonl --summary >b.txt
cmp -s a.jsonl b.jsonl || { diff a.jsonl b.jsonl | head -5; fail "replayed trace differs"; }
cmp -s a.txt b.txt || fail "replayed summary differs: $(cat a.txt) / $(cat b.txt)"

# --frames cuts a replay short; what was played up to there is the same.
"$bin" --headless --data "$game" --replay rec.txt --frames 300 --trace c.jsonl
head -300 a.jsonl | cmp -s - c.jsonl || fail "shortened replay differs"

# Replays take their start from the file: no second seed or key source.
if "$bin" --headless --data "$game" --replay rec.txt --seed 3 2>/dev/null; then
  fail "--replay with --seed accepted"
fi

# A recording of an older typing engine is refused, saying why.
for old in 1 2; do
  sed "1s/.*/mirutena-record $old/" rec.txt >old.txt
  if "$bin" --headless --data "$game" --replay old.txt >/dev/null 2>err.txt; then
    fail "a recording of engine $old was replayed"
  fi
  grep -q "old.txt:1: recorded by an older version of the game (typing engine $old, this one is 3)" \
    err.txt || fail "message: $(cat err.txt)"
done

# Starting a stage directly, as if chosen on the stage select.
"$bin" --headless --data "$game" --seed 5 --stage 3 --frames 2 --summary >s.txt
grep -q '"stage":3' s.txt && grep -q '"scene":5' s.txt || fail "--stage 3: $(cat s.txt)"
echo "ok"
