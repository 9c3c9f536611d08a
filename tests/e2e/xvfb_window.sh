#!/usr/bin/env bash
# The real SDL window on a virtual X server (skipped without Xvfb): it
# draws the title exactly as the headless run does, keeps 20 frames per
# second (MIRUTENA_TIMING=1 prints the time of frame 2 and of the last frame),
# takes key events (with xdotool, when installed), and on SIGTERM exits 0
# without writing a save file, as nothing was played.
set -euo pipefail
XVFB_TOOLS=()
source "$(dirname "$0")/xvfb_lib.sh.inc"

# Runs inside the virtual display: the window for about six seconds, two key
# presses once the title is up, then the quit request.
cat >inner.sh <<'EOF'
set -u
bin="$1"; game="$2"
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy MIRUTENA_TIMING=1
# In sanitizer builds the X11 and D-Bus client libraries leave allocations at
# exit that are not ours; leaks of the window code are checked with SDL's
# dummy driver in window_smoke.sh.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
start=$(date +%s%N)
"$bin" --data "$game" --save-dir save --record rec.txt --shot 30:title.png 2>err.txt &
pid=$!
for _ in $(seq 100); do [ -s title.png ] && break; sleep 0.05; done
if command -v xdotool >/dev/null 2>&1; then
  wid=$(xdotool search --sync --limit 1 --pid "$pid" 2>/dev/null | head -n 1)
  [ -n "$wid" ] && xdotool windowfocus --sync "$wid" 2>/dev/null
  sleep 0.3
  xdotool key Down
  sleep 0.3
  xdotool key Up
  echo yes >keys_sent
fi
now=$(date +%s%N)
left=$(( 6000 - (now - start) / 1000000 ))
[ "$left" -gt 0 ] && sleep "$(awk -v ms="$left" 'BEGIN { printf "%.3f", ms / 1000 }')"
kill -TERM "$pid"
for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  kill -KILL "$pid"
  echo hung >rc.txt
  exit 0
fi
wait "$pid"
echo $? >rc.txt
EOF

on_xvfb 800x600x24 bash inner.sh "$bin" "$game" >xvfb.txt 2>&1 ||
  { cat xvfb.txt; fail "the run on Xvfb failed"; }
[ -s rc.txt ] || { cat xvfb.txt err.txt 2>/dev/null; fail "the window did not run"; }
rc=$(cat rc.txt)
[ "$rc" != hung ] || fail "still running 15 s after SIGTERM"
[ "$rc" -eq 0 ] || { cat err.txt; fail "exit $rc"; }
! grep -q "mirutena:" err.txt || fail "errors reported: $(cat err.txt)"
[ -z "$(find save -type f ! -name mirutena.lock)" ] || fail "a run that played nothing wrote: $(find save -type f)"

# Frame rate from frame 2 (the title, after start-up) to the last frame.
read -r f2 t2 < <(sed -n 's/^timing: frame 2 at \([0-9.]*\) ms$/2 \1/p' err.txt | head -n 1)
read -r fn tn < <(sed -n 's/^timing: frame \([0-9]*\) at \([0-9.]*\) ms$/\1 \2/p' err.txt | tail -n 1)
[ -n "${f2:-}" ] && [ -n "${fn:-}" ] || fail "no timing lines: $(cat err.txt)"
[ "$fn" -gt 60 ] || fail "only $fn frames ran"
fps=$(awk -v a="$f2" -v b="$fn" -v ta="$t2" -v tb="$tn" 'BEGIN { printf "%.2f", (b - a) * 1000 / (tb - ta) }')
# Never faster than 20 frames a second; the lower bound only catches a pacing
# fault (a frame waiting twice gives about 10), as a loaded machine (other
# tests side by side on two cores) slows a real window by a frame or two.
awk -v f="$fps" 'BEGIN { exit !(f >= 15 && f <= 21) }' || fail "ran at $fps frames per second"
frames=$(sed -n 's/^end \([0-9]*\)$/\1/p' rec.txt)
[ "$frames" = "$fn" ] || fail "the recording ends at frame '$frames', the timing at $fn"

# The title as drawn in the window is the headless run's frame 30.
[ -s title.png ] || fail "no title.png"
"$bin" --headless --data "$game" --seed 1 --frames 30 --shot 30:headless.png
cmp -s title.png headless.png || fail "the window's title frame differs from the headless one"

keys="no xdotool"
if [ -e keys_sent ]; then
  grep -q '^[0-9]* down down$' rec.txt || fail "the Down key did not reach the game: $(cat rec.txt)"
  grep -q '^[0-9]* down up$' rec.txt || fail "the Up key did not reach the game: $(cat rec.txt)"
  keys="keys taken"
fi
echo "ok ($fn frames, $fps frames/s, $keys)"
