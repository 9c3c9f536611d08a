#!/usr/bin/env bash
# --check-data on copies of the data folder damaged in one way each: the
# shipped folder passes; a missing, unreadable or odd-sized letter bitmap, a
# missing backdrop tile, an ending without "end;" fail with the file named;
# a missing or broken music piece is a warning only (the game plays silent);
# a tempo-0 piece, which the game refuses to play, is an error.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
"$bin" --check-data "$game" >out.txt 2>&1 || fail "the shipped data: $(cat out.txt)"

# expect NAME STATUS PATTERN: damage() has prepared folder d; run the checker.
expect() {
  local name="$1" status="$2" pattern="$3" rc=0
  "$bin" --check-data d >out.txt 2>&1 || rc=$?
  [ "$rc" -eq "$status" ] || fail "$name: exit $rc, expected $status: $(cat out.txt)"
  grep -qE "$pattern" out.txt || fail "$name: no message matching '$pattern': $(cat out.txt)"
  echo "ok: $name: $(grep -E "$pattern" out.txt | head -n 1)"
  rm -rf d
}
fresh() { rm -rf d; cp -r "$game" d; }

fresh; rm d/abc/Q.bmp
expect "letter missing" 1 '^abc/Q\.bmp:1: '
fresh; rm d/abc/＊.bmp
expect "star letter missing" 1 '^abc/＊\.bmp:1: '
fresh; head -c 40 "$game/abc/K.bmp" >d/abc/K.bmp
expect "letter truncated" 1 '^abc/K\.bmp:1: '
fresh; cp "$game/abc/sand.bmp" d/abc/M.bmp
expect "letter of another size" 1 '^abc/M\.bmp:1: .*x'
fresh; rm d/abc/brick.bmp
expect "tile a script names" 1 '^abc/brick\.bmp:1: .*dat/[0-9]_stage[0-9]\.lin:2'
fresh; rm d/abc/blue.bmp
expect "start-up tile" 1 '^abc/blue\.bmp:1: '
# Text data is CP932 with CR LF line ends.
recode() {
  python3 - "$1" "$2" "$3" <<'PY'
import sys
path, old, new = sys.argv[1:4]
text = open(path, "rb").read().decode("cp932")
assert old in text, old
open(path, "wb").write(text.replace(old, new).encode("cp932"))
PY
}
fresh; recode d/dat/ending3.lin $'\r\nend;' ''
expect "ending without end;" 1 '^dat/ending3\.lin:[0-9]+: '
fresh; rm d/dat/ending10.lin
expect "ending missing" 1 '^dat/ending10\.lin:1: '
fresh; recode d/dat/1_stage1.lin ':歩兵:' ':ほへい:'
expect "script with an unknown kind" 1 '^dat/1_stage1\.lin:[0-9]+: '
fresh; rm d/bgm/future.mid
expect "music missing" 0 '^bgm/future\.mid:1: warning: '
fresh; python3 - "$game/bgm/city3.mid" d/bgm/city3.mid <<'PY'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
i = data.find(b"\xff\x51\x03")
assert i > 0, "no tempo event"
data[i + 3:i + 6] = b"\x00\x00\x00"
open(sys.argv[2], "wb").write(data)
PY
expect "music with tempo 0" 1 '^bgm/city3\.mid:1: '
fresh; echo "not a midi" >d/bgm/event8.mid
expect "music not MIDI" 0 '^bgm/event8\.mid:1: warning: '
