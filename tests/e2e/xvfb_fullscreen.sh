#!/usr/bin/env bash
# F2 under a window manager (openbox) on a virtual X server: the window fills
# the 1280 x 1024 screen with the picture at scale 2 centred on black, made
# of 2 x 2 blocks of one colour; F2 again gives the window back at its size.
# Skipped without Xvfb, openbox, xdotool or ImageMagick.
XVFB_TOOLS=(openbox xdotool import python3)
source "$(dirname "$0")/xvfb_lib.sh.inc"

cat >inner.sh <<'EOF2'
set -u
bin="$1"; game="$2"
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$bin" --data "$game" --save-dir save --scale 1 2>err.txt &
pid=$!
source "$E2E_DIR/xvfb_keys.sh.inc"
wid=$(visible_window "$pid")
[ -n "$wid" ] || { echo "no window" >states.txt; kill "$pid" "$wm" 2>/dev/null; exit 0; }
sleep 1
geometry() { xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p'; }
# Waits up to 10 s for the window to take the size, then a second more for
# the frames drawn at it.
wait_size() {
  for _ in $(seq 100); do [ "$(geometry)" = "$1" ] && break; sleep 0.1; done
  sleep 1
}
echo "before $(geometry)" >>states.txt
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key --window "$wid" F2
wait_size 1280x1024
echo "full $(geometry)" >>states.txt
import -window root "PNG24:full.png"
xdotool key --window "$wid" F2
wait_size 430x400
echo "after $(geometry)" >>states.txt
kill -TERM "$pid"
wait "$pid"
echo $? >rc.txt
kill "$wm" 2>/dev/null
EOF2

run_inner_on_xvfb measured
grep -q "^before 430x400$" states.txt || fail "the window did not open at scale 1: $(cat states.txt)"
grep -q "^full 1280x1024$" states.txt || fail "F2 did not fill the screen: $(cat states.txt)"
grep -q "^after 430x400$" states.txt || fail "F2 again did not give the window back: $(cat states.txt)"

python3 - "$here" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
from png_pixels import read_png

w, h, rows = read_png("full.png")
f = 2
left, top = (w - 430 * f) // 2, (h - 400 * f) // 2
black = (0, 0, 0)
bad = []
outside = sum(1 for y in range(h) for x in range(w)
              if not (left <= x < left + 430 * f and top <= y < top + 400 * f) and rows[y][x] != black)
if outside:
    bad.append(f"{outside} pixels around the picture are not black")
lit = sum(1 for x in range(left, left + 430 * f) if rows[top][x] != black)
if lit < 0.9 * 430 * f:
    bad.append(f"the picture's top row is not drawn at {left},{top}")
mixed = sum(1 for by in range(400) for bx in range(430)
            if any(rows[top + by * f + j][left + bx * f + i] != rows[top + by * f][left + bx * f]
                   for j in range(f) for i in range(f)))
if mixed:
    bad.append(f"{mixed} blocks of 2x2 are not one colour")
if bad:
    print("FAIL: full screen: " + "; ".join(bad))
    sys.exit(1)
print(f"full screen {w}x{h}: scale 2 at {left},{top}")
PY
echo "ok"
