#!/usr/bin/env bash
# Sound levels of the windowed game, captured through SDL's disk audio driver
# (dummy video, no display): about 14 s of the title with its music, then
# about 26 s of the attract demo playing a stage with typing, hits, deaths and
# bombs over the stage music. The capture (32-bit float stereo, the mixer's
# format) must hold no full-scale sample and stay under the limiter's
# ceiling, with the music at a normal level (not silenced by the limiter).
set -euo pipefail
bin="$1"; game="$2"
command -v python3 >/dev/null 2>&1 || { echo "skipped: no python3"; exit 0; }
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
unset DISPLAY WAYLAND_DISPLAY
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/capture.raw"

"$bin" --data "$game" --save-dir save 2>err.txt &
pid=$!
sleep 40
kill -TERM "$pid"
set +e
wait "$pid"; rc=$?
set -e
[ "$rc" -eq 0 ] || { cat err.txt; fail "exit $rc"; }
! grep -q "mirutena:" err.txt || fail "errors reported: $(cat err.txt)"

python3 - capture.raw <<'PY' || exit 1
import array, math, sys
data = open(sys.argv[1], "rb").read()
rate, ch = 32000, 2
seconds = len(data) / (4 * ch * rate)
if seconds < 30:
    sys.exit(f"FAIL: only {seconds:.1f} s captured (not 32-bit float stereo at 32 kHz?)")
x = array.array("f")
x.frombytes(data[: len(data) // 4 * 4])
def db(v):
    return 20 * math.log10(max(v, 1e-9))
def rms(a):
    return math.sqrt(sum(v * v for v in a) / max(1, len(a)))
bad = sum(1 for v in x if not math.isfinite(v))
full = sum(1 for v in x if abs(v) >= 1.0)
peak = max(abs(v) for v in x)
title = x[2 * rate * ch : 12 * rate * ch]
demo = x[20 * rate * ch :]
print(f"captured {seconds:.1f} s: peak {db(peak):.2f} dBFS, full-scale samples {full}, "
      f"title music {db(rms(title)):.1f} dBFS rms, demo {db(rms(demo)):.1f} dBFS rms")
if bad:
    sys.exit(f"FAIL: {bad} samples are not numbers")
if full:
    sys.exit(f"FAIL: {full} full-scale samples")
if peak > 0.8913 + 1e-4:
    sys.exit(f"FAIL: peak {db(peak):.2f} dBFS is above the limiter's -1 dBFS ceiling")
# The title music measured -21.5 dBFS rms over these seconds before the
# limiter existed; the limiter must not have pushed it down.
if not -26 <= db(rms(title)) <= -17:
    sys.exit(f"FAIL: title music at {db(rms(title)):.1f} dBFS rms")
if db(rms(demo)) < -30:
    sys.exit(f"FAIL: the demo is nearly silent ({db(rms(demo)):.1f} dBFS rms)")
PY
echo ok
