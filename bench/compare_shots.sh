#!/usr/bin/env bash
# Two builds of the game behave the same: a fixed matrix of runs of both
# binaries must leave byte-identical outputs. Each run writes its stdout
# (the --summary line), stderr, exit code, --trace, shots, --stats and save
# folder into OLD/GROUP/RUN and NEW/GROUP/RUN, and the two trees must be equal
# (`diff -r`). Used to check that a restructuring or a faster path changed
# nothing a player or a file could see.
#
#   bench/compare_shots.sh [--keep DIR] OLD_BINARY NEW_BINARY [DATA_DIR]
#
# DATA_DIR (default: the game folder next to NEW_BINARY) is used by both.
# --keep DIR keeps the trees in DIR (absent or empty). Groups: shots (the
# title, its demo, each stage at 9:4, the --bench crowd, translucency on and
# off), stages (1-10 x seeds 1-3 x built-in player 8:3 and 3:20, 8000 frames),
# difficulty, practice, record (both binaries record) and replay (both replay
# the old binary's recordings), kinds (a try script per enemy kind), data
# (--check-data on the data and on a damaged copy), cli (--catalog, --help,
# --romaji). Prints a line per group and a total; exits 1 listing what
# differs, or when the old binary does not end a run as expected.
#
# Both binaries of a run start from the same files in the same absolute
# folder, called through the same link path, so paths in outputs match. The
# records file dates its entries by the clock, so runs see a frozen clock
# (libfaketime, Debian package libfaketime). At most two runs at a time.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/compare_inputs.sh"

usage() { echo 'usage: bench/compare_shots.sh [--keep DIR] OLD_BINARY NEW_BINARY [DATA_DIR]'; }
keep=""
pos=()
while [ $# -gt 0 ]; do
  case $1 in
    --keep) [ $# -ge 2 ] || { usage >&2; exit 2; }; keep=$2; shift 2 ;;
    -h | --help) usage; exit 0 ;;
    *) pos+=("$1"); shift ;;
  esac
done
[ ${#pos[@]} -eq 2 ] || [ ${#pos[@]} -eq 3 ] || { usage >&2; exit 2; }
old=$(realpath "${pos[0]}")
new=$(realpath "${pos[1]}")
game=$(realpath "${pos[2]:-$(dirname "$new")/game}")
for f in "$old" "$new"; do [ -x "$f" ] || { echo "compare_shots: $f is not a program" >&2; exit 2; }; done
[ -d "$game" ] || { echo "compare_shots: no data folder $game" >&2; exit 2; }

fake=${FAKETIME_LIB:-}
for f in /usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 /usr/lib/*/faketime/libfaketime.so.1; do
  [ -n "$fake" ] || { [ -f "$f" ] && fake=$f; }
done
[ -n "$fake" ] || { echo "compare_shots: needs libfaketime (apt-get install libfaketime)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "$keep" ]; then
  mkdir -p "$keep"
  [ -z "$(ls -A "$keep")" ] || { echo "compare_shots: $keep is not empty" >&2; exit 2; }
  out=$(realpath "$keep")
else
  out=$work/out
fi
mkdir -p "$out/OLD" "$out/NEW" "$work/home"
start=$(date +%s)

# What the binaries see besides their arguments: nothing of the caller's.
run_env=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u MIRUTENA_DATA -u MIRUTENA_PRESENT
  -u MIRUTENA_TIMING HOME="$work/home" TZ=UTC LD_PRELOAD="$fake"
  FAKETIME="2026-01-01 00:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1)

# input NAME: the folder whose contents each binary's run NAME starts with.
input() { mkdir -p "$work/in/$1" && printf '%s' "$work/in/$1"; }

# one_run NAME EXPECT ARGS...: the old binary, then the new one, in
# $work/run/NAME; links in the starting contents are inputs and are dropped.
one_run() {
  local name=$1 expect=$2 which bin rc
  shift 2
  local dir=$work/run/$name link=$work/bin/$name
  mkdir -p "$link"
  for which in OLD NEW; do
    bin=$old
    [ "$which" = NEW ] && bin=$new
    rm -rf "$dir"
    mkdir -p "$dir"
    [ ! -d "$work/in/$name" ] || cp -a "$work/in/$name/." "$dir/"
    ln -sfn "$bin" "$link/mirutena"
    rc=0
    (cd "$dir" && timeout 300 "${run_env[@]}" "$link/mirutena" "$@" >out.txt 2>err.txt) || rc=$?
    echo "$rc" >"$dir/exit"
    if [ -d "$dir/save" ]; then
      rc=0
      (cd "$dir" && timeout 60 "${run_env[@]}" "$link/mirutena" --stats --save-dir save \
        >stats.jsonl 2>stats_err.txt) || rc=$?
      echo "$rc" >"$dir/stats_exit"
    fi
    find "$dir" -type l -delete
    mkdir -p "$(dirname "$out/$which/$name")"
    mv "$dir" "$out/$which/$name"
  done
  rc=$(cat "$out/OLD/$name/exit")
  [ "$rc" = "$expect" ] || echo "$name: the old binary exited $rc, not $expect" >>"$work/broken"
}

# spawn NAME EXPECT ARGS...: one_run in the background, two at a time.
spawn() {
  while [ "$(jobs -rp | wc -l)" -ge 2 ]; do wait -n || true; done
  one_run "$@" &
}

headless=(--headless --data "$game" --save-dir save --trace trace.jsonl --summary)
shots() {
  local f
  for f in "$@"; do printf -- '--shot\n%s:shot_%04d.png\n' "$f" "$f"; done
}
mapfile -t shots12 < <(shots 40 120 260 400 550 700 850 1000 1200 1500 1800 2100)
mapfile -t shots2 < <(shots 400 4000)
mapfile -t shots3 < <(shots 100 400 1000)
mapfile -t shots_practice < <(shots 400 1110)
mapfile -t shots_replay < <(shots 400 1110 4000)

# --- record: both binaries record; the old binary's recordings are replayed.
spawn record/title_demo 0 "${headless[@]}" --autoplay 7:10 --frames 4000 --record rec.txt \
  "${shots2[@]}"
spawn record/stage6_hard 0 "${headless[@]}" --stage 6 --difficulty hard --seed 2 \
  --autoplay 5:8 --frames 6000 --record rec.txt "${shots2[@]}"
spawn record/practice3 0 "${headless[@]}" --practice 3 --seed 3 --autoplay 4:3 --frames 1500 \
  --record rec.txt "${shots_practice[@]}"
wait
for r in title_demo stage6_hard practice3; do
  [ -f "$out/OLD/record/$r/rec.txt" ] || { echo "compare_shots: record/$r recorded nothing" >&2; exit 1; }
  cp "$out/OLD/record/$r/rec.txt" "$(input "replay/$r")/"
  spawn "replay/$r" 0 "${headless[@]}" --replay rec.txt "${shots_replay[@]}"
done

# --- shots: the runs this script began with, translucency on and off.
crowd | iconv -f UTF-8 -t SHIFT_JIS >"$work/crowd.lin"
# old_run NAME TRANSLUCENCY ARGS...
old_run() {
  local name=shots/$1 alpha=$2 in
  shift 2
  in=$(input "$name")
  mkdir -p "$in/save"
  printf 'translucency = %s\n' "$alpha" >"$in/save/settings.ini"
  [[ "$*" != *crowd.lin* ]] || cp "$work/crowd.lin" "$in/"
  spawn "$name" 0 "${headless[@]}" --seed 7 --frames 2100 "$@" "${shots12[@]}"
}
old_run title on
old_run title_plain off
for stage in 1 2 3 4 5 6 7 8 9 10; do old_run "stage$stage" on --stage "$stage" --autoplay 9:4; done
old_run crowd on --stage 1 --try-script crowd.lin --autoplay 10:3
old_run crowd_plain off --stage 1 --try-script crowd.lin --autoplay 10:3
old_run stage1_plain off --stage 1 --autoplay 9:4
old_run stage5_plain off --stage 5 --autoplay 9:4
old_run stage3_slow on --stage 3 --autoplay 2:30

# --- stages: every stage, three seeds, a good and a weak built-in player.
for stage in 1 2 3 4 5 6 7 8 9 10; do
  for seed in 1 2 3; do
    for ap in 8:3 3:20; do
      spawn "stages/s${stage}_seed${seed}_${ap/:/-}" 0 "${headless[@]}" --stage "$stage" \
        --seed "$seed" --autoplay "$ap" --frames 8000 "${shots2[@]}"
    done
  done
done

# --- difficulty: each of the three on a first, middle and last stage.
for d in easy normal hard; do
  for stage in 1 5 10; do
    for ap in 8:3 3:20; do
      spawn "difficulty/${d}_s${stage}_${ap/:/-}" 0 "${headless[@]}" --difficulty "$d" \
        --stage "$stage" --seed 2 --autoplay "$ap" --frames 8000 "${shots2[@]}"
    done
  done
done

# --- practice: each level list to its result panel, the weakest keys of the
# records a recorded stage left, an own list with bad lines.
for level in 1 2 3 4 5 6 7 8; do
  practice_keys >"$(input "practice/level$level")/end.txt"
  spawn "practice/level$level" 0 "${headless[@]}" --practice "$level" --seed 4 --autoplay 4:3 \
    --keys end.txt --frames 1300 "${shots_practice[@]}"
done
cp -a "$out/OLD/record/stage6_hard/save" "$(input practice/weakest)/"
spawn practice/weakest 0 "${headless[@]}" --practice weakest --seed 5 --autoplay 4:0 \
  --frames 1300 "${shots_practice[@]}"
own_words >"$(input practice/own)/mine.txt"
spawn practice/own 0 "${headless[@]}" --practice mine.txt --seed 4 --autoplay 5:0 --frames 1300 \
  "${shots_practice[@]}"

# --- kinds: each enemy kind brought in by a try script, then all of them
# short of their last parameter.
mapfile -t kinds < <(kind_lines "$game")
[ ${#kinds[@]} -ge 10 ] || { echo "compare_shots: found ${#kinds[@]} enemy kinds in $game" >&2; exit 1; }
short=()
for line in "${kinds[@]}"; do
  kind=${line#:}
  kind=${kind%%:*}
  kind_script "$line" | iconv -f UTF-8 -t CP932 >"$(input "kinds/$kind")/k.lin"
  spawn "kinds/$kind" 0 "${headless[@]}" --stage 1 --seed 5 --try-script k.lin --autoplay 8:3 \
    --frames 1500 "${shots3[@]}"
  short+=("$(short_line "$line")")
done
kind_script "${short[@]}" | iconv -f UTF-8 -t CP932 >"$(input kinds/all_short)/k.lin"
spawn kinds/all_short 0 "${headless[@]}" --stage 1 --seed 5 --try-script k.lin --autoplay 8:3 \
  --frames 1500 "${shots3[@]}"

# --- data and cli: the checker, the catalog, the usage, romaji readings.
damaged_data "$game" "$work/damaged"
ln -s "$work/damaged" "$(input data/damaged)/d"
spawn data/shipped 0 --check-data "$game"
spawn data/damaged 1 --check-data d
spawn cli/catalog 0 --catalog
spawn cli/help 0 --help
for reading in しんかんせん がっこう きんようび ぼっちゃん ふぁいる うぉーたー きゃっちゃー ちぇっくいん; do
  spawn "cli/romaji_$reading" 0 --data "$game" --romaji "$reading"
done
spawn cli/romaji_ゔぁいおりん 1 --data "$game" --romaji ゔぁいおりん
spawn cli/romaji_abc 1 --data "$game" --romaji abc
wait

# --- compare, a line per group.
status=0
total_runs=0
total_files=0
: >"$work/differ"
for group in $(cd "$out/OLD" && ls); do
  runs=$(find "$out/OLD/$group" -mindepth 1 -maxdepth 1 -type d | wc -l)
  files=$(find "$out/OLD/$group" -type f | wc -l)
  total_runs=$((total_runs + runs))
  total_files=$((total_files + files))
  if diff -rq "$out/OLD/$group" "$out/NEW/$group" >"$work/d.txt" 2>&1; then
    echo "$group: $runs runs, $files files identical"
  else
    echo "$group: $runs runs, $(wc -l <"$work/d.txt") of $files files differ"
    sed "s|$out/||g" "$work/d.txt" >>"$work/differ"
    status=1
  fi
done
secs=$(($(date +%s) - start))
if [ -s "$work/broken" ]; then
  sed 's/^/compare_shots: /' "$work/broken" >&2
  status=1
fi
if [ "$status" -eq 0 ]; then
  echo "compare_shots: $total_runs runs, $total_files files identical ($secs s)"
  exit 0
fi
if [ -s "$work/differ" ]; then
  echo "compare_shots: differences:"
  cat "$work/differ"
  # Where the first few files that differ part, and the first differing
  # lines of those that are text.
  grep '^Files .* differ$' "$work/differ" | head -n 5 | while read -r _ a _ b _; do
    echo "--- $(cmp "$out/$a" "$out/$b" 2>&1 | sed "s|$out/||g" || true)"
    if grep -qI '' "$out/$a"; then
      diff "$out/$a" "$out/$b" | head -n 4 | cut -c 1-300 || true
    fi
  done
fi
echo "compare_shots: $total_runs runs, outputs differ ($secs s)"
exit 1
