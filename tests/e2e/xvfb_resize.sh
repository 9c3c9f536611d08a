#!/usr/bin/env bash
# A resized window (xdotool windowsize, no window manager needed) keeps the
# picture at the largest whole-number scale that fits, centred, on black: outside the picture's rectangle every pixel is black, the
# picture reaches that rectangle's edges, and it is made of factor x factor
# blocks of one colour. Skipped without Xvfb, xdotool or ImageMagick.
XVFB_TOOLS=(xdotool import python3)
source "$(dirname "$0")/xvfb_lib.sh.inc"

# Inside the virtual display: a window at scale 1 made three sizes (wider
# than the scale needs, taller, and back to scale 1), each shot as the X
# server shows the window.
cat >inner.sh <<'EOF'
set -u
bin="$1"; game="$2"
source "$E2E_DIR/xvfb_keys.sh.inc"
start_window_in_corner 1
[ -n "$wid" ] || { echo "no window" >states.txt; kill "$pid" 2>/dev/null; exit 0; }
for size in "1000 900" "1280 850" "500 1000"; do
  # shellcheck disable=SC2086
  xdotool windowsize --sync "$wid" $size 2>/dev/null || xdotool windowsize "$wid" $size
  sleep 1
  read -r w h < <(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
  import -window "$wid" "PNG24:shot_$w.png"
  echo "shot_$w.png $w $h" >>states.txt
done
kill -TERM "$pid"
wait "$pid"
echo $? >rc.txt
EOF

run_inner_on_xvfb shot
! grep -q "mirutena:" err.txt || fail "errors reported: $(cat err.txt)"
[ "$(wc -l <states.txt)" -eq 3 ] || fail "states shot: $(cat states.txt)"
grep -q "^shot_1280.png 1280 850$" states.txt || fail "the window was not resized: $(cat states.txt)"

python3 - "$here" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
from png_pixels import picture_in_window, read_png

bad = []
for line in open("states.txt"):
    name, w, h = line.split()
    w, h = int(w), int(h)
    width, height, rows = read_png(name)
    if (width, height) != (w, h):
        bad.append(f"{name}: shot is {width}x{height}, window {w}x{h}")
        continue
    at = picture_in_window(rows, w, h)
    f, left, top, right, bottom = at["scale"], at["left"], at["top"], at["right"], at["bottom"]
    black = (0, 0, 0)
    if at["outside"]:
        bad.append(f"{name}: {at['outside']} pixels outside the picture are not black (scale {f})")
    # The picture's edge rows and columns are drawn (the backdrop is not black).
    edges = [rows[top][x] for x in range(left, right)] + [rows[bottom - 1][x] for x in range(left, right)]
    edges += [rows[y][left] for y in range(top, bottom)] + [rows[y][right - 1] for y in range(top, bottom)]
    lit = sum(1 for p in edges if p != black)
    if lit < 0.9 * len(edges):
        bad.append(f"{name}: only {lit} of {len(edges)} edge pixels of the picture are drawn")
    # Whole-number scaling: every factor x factor block is one colour.
    if at["mixed"]:
        bad.append(f"{name}: {at['mixed']} blocks of {f}x{f} are not one colour")
    print(f"{name}: {w}x{h}, scale {f} at {left},{top}")
if bad:
    print("FAIL: " + "; ".join(bad))
    sys.exit(1)
PY
echo "ok"
