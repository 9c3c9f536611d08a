#!/usr/bin/env bash
# Two builds of the game draw the same pictures: headless runs of both binaries
# (the title and its demo, every stage played by the built-in player, the boss
# scene of --bench's kind, with translucency on and off) shoot the same frames,
# and every pair of PNG files must be byte-identical. Used to check that a
# faster drawing path changed no pixel.
#
#   bench/compare_shots.sh OLD_BINARY NEW_BINARY [DATA_DIR]
#
# DATA_DIR defaults to the game folder next to NEW_BINARY. Prints one line per
# run and the number of frames compared; exits 1 on the first difference.
set -euo pipefail
old=$(realpath "$1")
new=$(realpath "$2")
game=$(realpath "${3:-$(dirname "$new")/game}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

frames="40 120 260 400 550 700 850 1000 1200 1500 1800 2100"
total=0

# run NAME TRANSLUCENCY ARGS...: both binaries, same arguments, shots compared.
run() {
  local name=$1 alpha=$2
  shift 2
  local shots=() f
  for f in $frames; do shots+=(--shot "$f:shot_$f.png"); done
  for which in old new; do
    local bin=$old
    [ "$which" = new ] && bin=$new
    mkdir -p "$work/$which/$name/save"
    printf 'translucency = %s\n' "$alpha" >"$work/$which/$name/save/settings.ini"
    (cd "$work/$which/$name" &&
      "$bin" --headless --data "$game" --save-dir save --seed 7 --frames 2100 "$@" \
        "${shots[@]}" >/dev/null 2>err.txt) || {
      cat "$work/$which/$name/err.txt"
      echo "compare_shots: $which binary failed on $name" >&2
      exit 1
    }
  done
  local n=0
  for f in $frames; do
    [ -f "$work/old/$name/shot_$f.png" ] || continue
    if ! cmp -s "$work/old/$name/shot_$f.png" "$work/new/$name/shot_$f.png"; then
      echo "compare_shots: $name frame $f differs" >&2
      exit 1
    fi
    n=$((n + 1))
  done
  [ "$n" -gt 0 ] || { echo "compare_shots: $name shot nothing" >&2; exit 1; }
  total=$((total + n))
  echo "$name: $n frames identical"
}

run title on
run title_plain off
for stage in 1 2 3 4 5 6 7 8 9 10; do
  run "stage$stage" on --stage "$stage" --autoplay 9:4
done
# A crowd like --bench's: the mouse boss and refills of eight kinds of enemy.
crowd() {
  local lines=("歩兵:2,0,60,40,20,0.15;" "ハエ:2,0,55,300,30,0.2;" "テレビ:2,0,70,2,186,20,0.1;"
    "ネコトリ:2,0,55,80,30,0.3;" "ガンマン:2,0,50,60,1;" "サークル:2,0,55,1;"
    "カメ:2,0,-45,1,160,3.0,2.6;" "工事兵:2,0,65,320,20,0.3,60.0;")
  local t=30 l
  printf 'crowd\nblue,0.5,-0.25;\n*20\n:マウス:boss,4,0,-75,1000000;\n'
  while [ "$t" -le 2100 ]; do
    for l in "${lines[@]}"; do
      printf '*%d\n:%s\n' "$t" "$l"
      t=$((t + 12))
    done
  done
  printf 'end;\n'
}
crowd | iconv -f UTF-8 -t SHIFT_JIS >"$work/crowd.lin"
run crowd on --stage 1 --try-script "$work/crowd.lin" --autoplay 10:3
run crowd_plain off --stage 1 --try-script "$work/crowd.lin" --autoplay 10:3
run stage1_plain off --stage 1 --autoplay 9:4
run stage5_plain off --stage 5 --autoplay 9:4
run stage3_slow on --stage 3 --autoplay 2:30
echo "compare_shots: $total frames identical"
