#!/usr/bin/env bash
# Hostile inputs never hang the game: named pipes with no writer, folders and
# oversized files given on the command line or put in the data folder are each
# refused at once (well within the `timeout`) with a message naming them; a
# pipe with a writer still works as a key script; a recording carries the
# script it tried, so its replay reads no other file.
set -euo pipefail
bin="$1"; game="$(cd "$2" && pwd)"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

# refused NAME WANT_RC PATTERN -- COMMAND...: the command must end within 3 s
# (a pipe is given up after 0.7 s) with exit WANT_RC and stderr matching PATTERN.
refused() {
  local name="$1" want="$2" pattern="$3"; shift 4
  local rc=0 start end
  start=$(date +%s%N)
  timeout 3 "$@" >out.txt 2>err.txt || rc=$?
  end=$(date +%s%N)
  [ "$rc" -ne 124 ] || fail "$name: still running after 3 s"
  [ "$rc" -eq "$want" ] || fail "$name: exit $rc, expected $want: $(head -c 600 err.txt)"
  grep -qE -- "$pattern" err.txt out.txt || fail "$name: no message matching '$pattern': $(head -c 600 err.txt)"
  echo "ok: $name in $(((end - start) / 1000000)) ms: $(grep -hE -- "$pattern" err.txt out.txt | head -n 1 | cut -c 1-160)"
}
run=("$bin" --headless --data "$game" --seed 3 --frames 5)

mkfifo pipe.keys pipe.rec pipe.lin pipe.txt
mkdir folder
head -c $((16 * 1024 * 1024 + 1)) /dev/zero | tr '\0' '#' >big.keys

refused "--keys on a pipe with no writer" 1 'pipe\.keys: .*no writer' -- "${run[@]}" --keys pipe.keys
refused "--replay on a pipe with no writer" 1 'pipe\.rec: .*no writer' \
  -- "$bin" --headless --data "$game" --frames 5 --replay pipe.rec
refused "--keys on a folder" 1 'folder: .*is a folder' -- "${run[@]}" --keys folder
refused "--keys past 16 MiB" 1 'big\.keys: larger than 16 MiB' -- "${run[@]}" --keys big.keys
refused "--practice on a pipe" 1 'pipe\.txt: .*no writer' -- "${run[@]}" --practice "$work/pipe.txt"
# The script is read before the run starts (a recording carries it), so the
# run is refused with the reason and the name.
refused "--try-script on a pipe" 1 'pipe\.lin: .*no writer' -- "${run[@]}" --frames 60 --stage 1 --try-script pipe.lin

# A key script through a pipe (process substitution) is read and used.
"${run[@]}" --frames 8 --keys <(printf '%s\n' '3 press space' '6 press space') --summary >out.txt \
  || fail "--keys <(printf ...): exit $?"
grep -q '"scene":' out.txt || fail "--keys <(...): no summary: $(cat out.txt)"
echo "ok: --keys <(printf ...) runs"

# A recording embeds the script it tried: the replay runs the same with the
# file gone, and the recording names no path of it.
cp "$game/dat/1_stage1.lin" try.lin
"${run[@]}" --frames 60 --stage 1 --try-script try.lin --autoplay 8 --record run.rec --summary >a.json \
  || fail "recording with --try-script: exit $?"
rm try.lin
grep -q '^try-script-text ' run.rec || fail "the recording does not carry the script: $(head -n 5 run.rec)"
"$bin" --headless --data "$game" --replay run.rec --summary >b.json 2>err.txt || fail "replay: $(cat err.txt)"
cmp -s a.json b.json || fail "replay differs: $(cat a.json) vs $(cat b.json)"
echo "ok: a recording carries its try-out script"
# An older recording naming a file outside the game's folders is not read.
printf '%s\n' 'mirutena-record 3' 'seed 3' 'stage 1' "try-script $work/run.rec" 'end 60' >old.rec
refused "an older recording naming an outside path" 0 'outside the data and save folders' \
  -- "$bin" --headless --data "$game" --replay old.rec

# The data folder: links to the shipped files with one replaced each time.
fresh() { rm -rf d; cp -rs "$game" d; }
check() { refused "$1" "$2" "$3" -- "$bin" --check-data d; }
fresh; rm d/dat/ending4.lin; mkfifo d/dat/ending4.lin
check "ending text as a pipe" 1 '^dat/ending4\.lin:1: .*named pipe'
fresh; rm d/dat/ending4.lin; mkdir d/dat/ending4.lin
check "ending text as a folder" 1 '^dat/ending4\.lin:1: .*folder'
fresh; rm d/dat/ending4.lin; { cat "$game/dat/ending4.lin"; head -c $((1024 * 1024)) /dev/zero | tr '\0' ' '; } >d/dat/ending4.lin
check "ending text past 1 MiB" 1 '^dat/ending4\.lin:1: .*1 MiB'
fresh; rm d/abc/A.bmp; mkfifo d/abc/A.bmp
check "letter bitmap as a pipe" 1 '^abc/A\.bmp:1: .*named pipe'
fresh; rm d/bgm/stage2.mid; mkfifo d/bgm/stage2.mid
check "music as a pipe" 0 '^bgm/stage2\.mid:1: warning: .*named pipe'
# A piece of no length: 200,000 notes at tick 0.
fresh; rm d/bgm/stage2.mid
python3 - d/bgm/stage2.mid <<'PY'
import struct, sys
track = b"\x00\x90\x3c\x40" * 200000 + b"\x00\xff\x2f\x00"
open(sys.argv[1], "wb").write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) +
                              b"MTrk" + struct.pack(">I", len(track)) + track)
PY
check "music of 200,000 events at tick 0" 1 '^bgm/stage2\.mid:1: .*多すぎます'
# The game itself refuses to play it, and the run ends on time.
refused "playing the piece of no length" 0 'stage2\.mid' -- "$bin" --headless --data d --seed 3 --frames 40 --stage 2
# Fewer notes, still all at tick 0: a piece of no length.
fresh; rm d/bgm/stage2.mid
python3 - d/bgm/stage2.mid <<'PY'
import struct, sys
track = b"\x00\x90\x3c\x40" * 1000 + b"\x00\xff\x2f\x00"
open(sys.argv[1], "wb").write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) +
                              b"MTrk" + struct.pack(">I", len(track)) + track)
PY
check "music of no length" 1 '^bgm/stage2\.mid:1: .*長さが 0'
# A 1-bit bitmap of 32768 x 2047: under 8 MiB on disk, 67 million pixels decoded.
fresh; rm d/abc/A.bmp
python3 - d/abc/A.bmp <<'PY'
import struct, sys
w, h = 32768, 2047
stride = w // 8
off = 14 + 40 + 8
head = b"BM" + struct.pack("<IHHI", off + stride * h, 0, 0, off)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 1, 0, stride * h, 2835, 2835, 2, 0)
with open(sys.argv[1], "wb") as f:
    f.write(head + info + b"\x00\x00\x00\x00\xff\xff\xff\x00")
    f.write(b"\x00" * (stride * h))
PY
[ "$(stat -c %s d/abc/A.bmp)" -lt $((8 * 1024 * 1024)) ] || fail "the bitmap is not under 8 MiB"
check "bitmap of 67 million pixels" 1 '^abc/A\.bmp:1: .*32768x2047'

# --stats fails when records.txt cannot be read.
mkdir -p save/dat/records.txt
refused "--stats on an unreadable records.txt" 1 'records\.txt' -- "$bin" --stats --save-dir save
echo "all hostile inputs refused"
