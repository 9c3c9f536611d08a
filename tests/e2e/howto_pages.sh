#!/usr/bin/env bash
# あそびかた from the title menu by a key script: Down five times reaches the
# entry below 設定, Enter opens page 1, Right and Enter turn the pages (each
# page a different picture), Left turns back, Escape returns to the title
# menu with the cursor on あそびかた; Enter on the last page returns as well.
# The key paths to the first five entries stay as they were: Down four times
# and Enter still opens the settings.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

cat >keys.txt <<'K'
# down to あそびかた (the sixth entry) and open it
10 press down
12 press down
14 press down
16 press down
18 press down
22 press space
# pages 2..6: Right, Enter, Right, Right, Right
30 press right
36 press space
42 press right
48 press right
54 press right
# Right on the last page stays there; Left goes back to page 5, Right to 6
60 press right
140 press left
214 press right
# Enter on the last page: back to the title menu
222 press space
# open again (page 1) and leave with Escape
230 press space
270 press escape
K
# The backdrop under the pages repeats every 80 frames: shots 80 frames
# apart of the same page are the same picture.
shots=()
for f in 26 34 40 46 52 58 138 212 218 226 266 276; do shots+=(--shot "$f:p$f.png"); done
"$bin" --headless --data "$game" --seed 1 --frames 280 --keys keys.txt --trace t.jsonl \
  "${shots[@]}" --summary >summary.txt 2>err.txt || { cat err.txt; fail "run failed"; }
! grep -q "mirutena:" err.txt || fail "errors reported: $(cat err.txt)"

scene_at() { sed -n "${1}p" t.jsonl | sed 's/.*"scene":\([0-9]*\).*/\1/'; }
for f in 26 34 40 46 52 58 138 212 218 266; do
  [ "$(scene_at "$f")" = 50 ] || fail "frame $f: scene $(scene_at "$f"), not あそびかた (50)"
done
[ "$(scene_at 226)" = 0 ] || fail "Enter on the last page did not return to the title"
[ "$(scene_at 276)" = 0 ] || fail "Escape did not return to the title"
grep -q '"scene":0' summary.txt || fail "the run did not end on the title: $(cat summary.txt)"

# Six different pages.
for a in p26 p34 p40 p46 p52 p58; do
  for b in p26 p34 p40 p46 p52 p58; do
    [ "$a" = "$b" ] && continue
    cmp -s "$a.png" "$b.png" && fail "pages $a and $b look the same"
  done
done
cmp -s p138.png p58.png || fail "Right on the last page changed the page"
cmp -s p212.png p52.png || fail "Left did not go back to page 5"
cmp -s p218.png p58.png || fail "Right did not come back to page 6"
cmp -s p266.png p26.png || fail "opened again, the pages did not start at page 1"

# The title cursor came back to あそびかた: Up once and Enter opens the settings.
cat >keys2.txt <<'K'
10 press down
12 press down
14 press down
16 press down
18 press down
22 press space
30 press escape
40 press up
46 press space
K
"$bin" --headless --data "$game" --seed 1 --frames 50 --keys keys2.txt --trace t2.jsonl >/dev/null
[ "$(sed -n 50p t2.jsonl | sed 's/.*"scene":\([0-9]*\).*/\1/')" = 70 ] ||
  fail "the cursor was not on あそびかた after leaving it (Up, Enter did not open 設定)"
# The first five entries keep their key paths: Down four times and Enter is 設定.
printf '10 press down\n12 press down\n14 press down\n16 press down\n20 press space\n' >keys3.txt
"$bin" --headless --data "$game" --seed 1 --frames 24 --keys keys3.txt --trace t3.jsonl >/dev/null
[ "$(sed -n 24p t3.jsonl | sed 's/.*"scene":\([0-9]*\).*/\1/')" = 70 ] || fail "Down x4 + Enter is no longer 設定"
echo "ok"
