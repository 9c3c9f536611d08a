# Input files for bench/compare_shots.sh (sourced): the crowd script, one try
# script per enemy kind, the practice key and word files, damaged data.
# Scripts are written as the game's data is: CP932 text.

# crowd: a crowd like --bench's, the mouse boss and refills of eight kinds.
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

# kind_lines GAME: the first script line of each enemy kind in the shipped
# stages and endings (":KIND:PARAMS;"), one per kind, in order of appearance.
kind_lines() {
  local f
  for f in "$1"/dat/[0-9]_stage*.lin "$1"/dat/ending*.lin; do
    iconv -f CP932 -t UTF-8 "$f" | tr -d '\r'
  done | grep '^:[^:]*:[^;]*;$' | awk -F: '!seen[$2]++'
}

# kind_script LINE...: a try script that brings each line in four times.
kind_script() {
  local t l
  printf 'kind\r\nblue,0.5,-0.25;\r\n'
  for t in 20 300 600 900; do
    printf '*%d\r\n' "$t"
    for l in "$@"; do printf '%s\r\n' "$l"; done
  done
  printf 'end;\r\n'
}

# short_line LINE: the line without its last parameter.
short_line() {
  local params=${1%;}
  printf '%s;\n' "${params%,*}"
}

# damaged_data GAME DIR: a data folder whose letters and music are the
# shipped ones (links) and whose scripts hold faults: stage 1 part 1 is every
# kind short of its last parameter, stage 3 part 2 an unknown kind and a short line.
damaged_data() {
  local game=$1 d=$2 f l
  local -a lines
  mkdir -p "$d/dat"
  ln -s "$game/abc" "$d/abc"
  ln -s "$game/bgm" "$d/bgm"
  cp "$game"/dat/* "$d/dat/"
  mapfile -t lines < <(kind_lines "$game")
  {
    printf 'short\r\nblue,0.5,-0.25;\r\n*20\r\n'
    for l in "${lines[@]}"; do printf '%s\r\n' "$(short_line "$l")"; done
    printf 'end;\r\n'
  } | iconv -f UTF-8 -t CP932 >"$d/dat/1_stage1.lin"
  f=$d/dat/3_stage2.lin
  iconv -f CP932 -t UTF-8 "$f" | sed -e '0,/^:パン:/s//:ナゾ:/' \
    -e '0,/^:サークル:3,0,55,1;/s//:サークル:3;/' | iconv -f UTF-8 -t CP932 >"$f.new"
  mv "$f.new" "$f"
}

# Practice: Escape at frame 1100 ends the list on its result panel, Space
# leaves it; an own word list with two bad lines.
practice_keys() { printf '1100 press escape\n1130 press space\n'; }
own_words() { printf '猫:ねこ;\n犬\tいぬ\nbad line\n鳥:とりっ;\n空:そら;\n電車:でんしゃ;\n'; }
