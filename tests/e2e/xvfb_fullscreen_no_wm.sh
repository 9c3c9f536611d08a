#!/usr/bin/env bash
# F2 with no window manager on a virtual X server: nobody resizes the window,
# so the picture must be laid out for the window as it is, not for the full
# screen SDL asked for. At scale 2 (860 x 800) after F2 the window shows the
# whole picture at the largest whole scale that fits the window as it is,
# centred on black, in blocks of one colour; F2 again keeps it so. (Laid out
# for the full screen, the window would show a black band at its top and
# left and lose the picture's right and bottom.)
# Skipped without Xvfb, xdotool or ImageMagick.
XVFB_TOOLS=(xdotool import python3)
source "$(dirname "$0")/xvfb_lib.sh.inc"

cat >inner.sh <<'EOF2'
set -u
bin="$1"; game="$2"
source "$E2E_DIR/xvfb_keys.sh.inc"
start_window_in_corner 2
[ -n "$wid" ] || { echo "no window" >states.txt; kill "$pid" 2>/dev/null; exit 0; }
geometry() { xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p'; }
echo "before $(geometry)" >>states.txt
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key --window "$wid" F2
sleep 2
echo "full $(geometry)" >>states.txt
import -window "$wid" "PNG24:full.png"
xdotool key --window "$wid" F2
sleep 2
echo "after $(geometry)" >>states.txt
import -window "$wid" "PNG24:after.png"
kill -TERM "$pid"
wait "$pid"
echo $? >rc.txt
EOF2

run_inner_on_xvfb measured
grep -q "^before 860x800$" states.txt || fail "the window did not open at scale 2: $(cat states.txt)"
cat states.txt

python3 - "$here" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
from png_pixels import picture_in_window, read_png

bad = []
for name in ("full.png", "after.png"):
    w, h, rows = read_png(name)
    at = picture_in_window(rows, w, h)
    f, left, top = at["scale"], at["left"], at["top"]
    black = (0, 0, 0)
    if at["outside"]:
        bad.append(f"{name}: {at['outside']} pixels around the picture are not black")
    # The picture's first row and column are drawn where the window's layout
    # puts them (the title backdrop has no black there).
    lit = sum(1 for x in range(left, left + 430 * f) if rows[top][x] != black)
    lit_left = sum(1 for y in range(top, top + 400 * f) if rows[y][left] != black)
    if lit < 0.9 * 430 * f or lit_left < 0.9 * 400 * f:
        bad.append(f"{name}: the picture's top row or left column is not drawn at {left},{top}")
    if at["mixed"]:
        bad.append(f"{name}: {at['mixed']} blocks of {f}x{f} are not one colour")
    print(f"{name}: {w}x{h}, scale {f} at {left},{top}")
if bad:
    print("FAIL: " + "; ".join(bad))
    sys.exit(1)
PY
echo "ok"
