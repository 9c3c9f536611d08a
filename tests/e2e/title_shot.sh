#!/usr/bin/env bash
# A short headless run from start-up: the title screen is shot as a 430x400 PNG
# and the summary is one JSON line describing the title scene.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"

"$bin" --headless --data "$game" --seed 1 --frames 40 --shot 40:title.png --shot 1:first.png \
  --summary >summary.txt 2>stderr.txt || { cat stderr.txt; echo "FAIL: run failed"; exit 1; }

fail() { echo "FAIL: $*"; exit 1; }
[ -s title.png ] || fail "no title.png"
head=$(od -An -tx1 -N24 title.png | tr -d ' \n')
[ "${head:0:16}" = "89504e470d0a1a0a" ] || fail "title.png is not a PNG ($head)"
[ "${head:32:16}" = "000001ae00000190" ] || fail "title.png is not 430x400 (${head:32:16})"
[ -s first.png ] || fail "no shot of frame 1"
# The start-up frame draws nothing, the title screen is drawn by frame 40.
cmp -s first.png title.png && fail "the title screen was not drawn"

[ "$(wc -l <summary.txt)" -eq 1 ] || fail "summary is not one line"
line=$(cat summary.txt)
for field in '"frames":40' '"scene":0' '"stage":0' '"score":0' '"seed":1' \
  '"cleared":"00000000000000000000"' '"ranking":[' '"kills":' '"keys":' '"misses":' \
  '"gameovers":' '"stages_cleared":[]'; do
  [[ "$line" == *"$field"* ]] || fail "summary lacks $field: $line"
done
[[ "$line" == "{"*"}" ]] || fail "summary is not a JSON object: $line"
! grep -q "mirutena:" stderr.txt || fail "errors reported: $(cat stderr.txt)"
# The same seed and frames give the same picture.
"$bin" --headless --data "$game" --seed 1 --frames 40 --shot 40:again.png
cmp -s title.png again.png || fail "two runs with the same seed differ"
echo "ok"
