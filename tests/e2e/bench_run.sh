#!/usr/bin/env bash
# The --bench mode on a short run: its report lines, a scene that is really
# busy, the data folder left alone, and the option checks around it. Times
# are printed, never judged.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

# A copy of the data folder, to see that the run writes nothing into it.
cp -r "$game" data
before=$(cd data && find . -type f -print0 | sort -z | xargs -0 md5sum)
"$bin" --data data --bench --bench-frames 300 >out.txt 2>err.txt || { cat err.txt; fail "bench failed"; }
! grep -q "mirutena:" err.txt || fail "errors reported: $(cat err.txt)"
after=$(cd data && find . -type f -print0 | sort -z | xargs -0 md5sum)
[ "$before" = "$after" ] || fail "the bench changed the data folder"

line=$(grep '^bench: 300 frames, ' out.txt) || fail "no frame line: $(cat out.txt)"
num() { sed -n "s/.* $1 \([0-9.]*\).*/\1/p" <<<"$line"; }
[[ "$line" =~ [0-9.]+\ frames/s,\ [0-9.]+\ us/frame ]] || fail "no rate in: $line"
# The scene it measures: a crowd with open windows and effects, all in play.
awk -v e="$(num enemies)" -v w="$(num windows)" -v f="$(num effects)" \
  'BEGIN { exit !(e >= 8 && w >= 5 && f >= 40) }' || fail "the scene is not busy: $line"
[[ "$line" == *"in play 100.0 %"* ]] || fail "left play during the run: $line"
grep -q '^bench: start-up [0-9]* ms .*peak RSS [0-9.]* MB$' out.txt || fail "no start-up line: $(cat out.txt)"
grep -q '^bench: score [0-9]*, kills [1-9][0-9]*, keys [0-9]*, misses [1-9][0-9]*' out.txt ||
  fail "nothing was typed or missed: $(cat out.txt)"

# Fixed seed: a second run plays the same scene.
"$bin" --data data --bench --bench-frames 300 >again.txt
[ "$(sed -n 3p out.txt)" = "$(sed -n 3p again.txt)" ] || fail "two runs played differently"

for bad in "--bench-frames 10" "--bench --headless --frames 5" "--bench --bench-frames 0" \
  "--bench --stage 2"; do
  # shellcheck disable=SC2086
  if "$bin" $bad >/dev/null 2>&1; then fail "accepted: $bad"; fi
done
echo "ok"
