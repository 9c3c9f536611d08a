#!/usr/bin/env python3
"""Contrast of the HUD, MISS!, the prompt-window frames and the enemies against
the backdrop pixels next to them, on the game's screenshots.

    shot_contrast.py --blob pictures.bin --terrain T [--tiles DIR] --trace RUN.jsonl
                     [--per-shot] [--check] FRAME:SHOT.png ...

For screenshots of play (--shot FRAME:PATH of the headless game, with its
--trace) over the backdrop "haikei_<T>" (from the blob, or DIR/haikei_<T>.bmp).
A pixel counts as backdrop when its colour is one of the tile's and it lies
outside every prompt window of the trace. Faces as in backdrop_review.py: the
75th-percentile luminance of the drawn pixels. The HUD (the SCORE label at 2,4
and the rate gauge at 4,19) is read off the screenshot under the item's own
shape; a frame's face is its picture's. MISS! (at 171,183) and each enemy of the
trace are measured only where they are really seen: an enemy's kind names its
picture, and one of its patterns, placed within 3 px of the trace's position
(else up to 12 px, for kinds that shake or sway), must match the screen in at
least 80 % of its drawn pixels on the screen, with at least a third of the
pattern on it (so not under a window, an effect or another enemy); its face is
then the luminance of those matching pixels. The circle (bou) is drawn turned,
so it is never matched. Each face is set against the backdrop pixels within
two pixels around the item's drawn pixels: "p5" against the 95th percentile of
their luminance (stars, flakes and sparks left out), "worst" against the
brightest. The last lines give the lowest of each group over all shots, and
for enemies each picture's lowest p5 with the number of times it was measured.
"""
import argparse
import json
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from backdrop_review import face, luminance, ratio, read_blob, read_bmp, read_keys, to565  # noqa: E402
from png_pixels import read_png  # noqa: E402

HUD = [("score", 2, 4), ("Score_Rate", 4, 19)]
MISS = ("miss", 171, 183)
BOUNDS = {"HUD": 4.5, "MISS!": 4.5, "frames": 3.0, "enemies": 3.0}  # p5 contrast to keep
MATCH = 0.8  # share of an item's drawn pixels that must be on the screen unchanged
REACH = 3    # how far from the trace's position an enemy's pattern is looked for first,
FAR = 12     # and then at most (a shaking bread, a swaying missile, a dropping one)


def read_shot(path):
    """(width, height, rows of RGB565 colours as backdrop_review gives them).
    ImageMagick's convert, when installed, decodes far faster than png_pixels."""
    try:
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True,
                             check=True).stdout
        magic, width, height, _, raw = ppm.split(maxsplit=4)
        width, height = int(width), int(height)
        if magic != b"P6" or len(raw) != 3 * width * height:
            raise ValueError(path)
        px = list(zip(raw[0::3], raw[1::3], raw[2::3]))
        rows = [px[y * width:(y + 1) * width] for y in range(height)]
    except (OSError, subprocess.CalledProcessError, ValueError, IndexError):
        width, height, rows = read_png(path)
    cache = {}
    return width, height, [[cache.get(p) or cache.setdefault(p, to565(p)) for p in row]
                           for row in rows]


def ring(mask, width, height, rows, palette, outside=(), reach=2):
    out = []
    for x, y in {(x + dx, y + dy) for x, y in mask for dx in range(-reach, reach + 1)
                 for dy in range(-reach, reach + 1)} - mask:
        if 0 <= x < width and 0 <= y < height and rows[y][x] in palette and \
                not any(x0 <= x < x1 and y0 <= y < y1 for x0, y0, x1, y1 in outside):
            out.append(luminance(rows[y][x]))
    return sorted(out)


def judge(face_l, around):
    if not around:
        return None
    return ratio(face_l, around[-1]), ratio(face_l, around[int(0.95 * (len(around) - 1))])


def upper_quarter(lums):
    lums = sorted(lums)
    return lums[int(0.75 * (len(lums) - 1))]


def kind_pictures(path):
    """Enemy kind number -> catalog picture, from the rows of kind_table.h."""
    rows = re.findall(r'^\s*\{"[^"]*", "([^"]*)",', open(path, encoding="utf-8").read(), re.M)
    return dict(enumerate(rows))


def patterns(item, key):
    """The cells of a picture: lists of (dx, dy, colour as on the screen)."""
    w, h, px = item
    tr, colour, pw, ph = key
    pw, ph = pw or w, ph or h
    cells = []
    for cy in range(0, h - ph + 1, ph):
        for cx in range(0, w - pw + 1, pw):
            cells.append([(i, j, to565(px[(cy + j) * w + cx + i])) for j in range(ph)
                          for i in range(pw) if not (tr and px[(cy + j) * w + cx + i] == colour)])
    return cells


def seen(cells, x0, y0, rows, width, height, reach):
    """The drawn pixels of the best-matching cell near (x0, y0) that match the
    screen, when at least MATCH of the cell's pixels on the screen do (and at
    least a third of the cell is on it); otherwise None. Places within REACH
    are tried first, then up to `reach` away (shaking and swaying kinds)."""
    def match(dx, dy, cell):
        on = [(x0 + dx + i, y0 + dy + j, c) for i, j, c in cell
              if 0 <= x0 + dx + i < width and 0 <= y0 + dy + j < height]
        if not on or 3 * len(on) < len(cell):
            return None, 0
        probe = on[::max(1, len(on) // 16)]
        if sum(rows[y][x] == c for x, y, c in probe) < MATCH * len(probe) - 1:
            return None, 0
        hit = [(x, y) for x, y, c in on if rows[y][x] == c]
        return hit, len(hit) / len(on)
    best, best_share = None, MATCH
    for r in range(reach + 1):  # nearest places first
        for dy in range(-r, r + 1):
            for dx in range(-r, r + 1):
                if max(abs(dx), abs(dy)) != r:
                    continue
                for cell in cells:
                    hit, share = match(dx, dy, cell) if cell else (None, 0)
                    if hit and share >= best_share:
                        best, best_share = hit, share
        if best and r >= min(reach, REACH):
            return best
    return best


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--blob", required=True)
    ap.add_argument("--terrain", required=True)
    ap.add_argument("--tiles")
    ap.add_argument("--trace", required=True)
    ap.add_argument("--catalog", default=os.path.join(HERE, "..", "src", "media",
                                                      "catalog_table.cpp"))
    ap.add_argument("--kinds", default=os.path.join(HERE, "..", "src", "enemy", "kind_table.h"))
    ap.add_argument("--per-shot", action="store_true", help="print every shot's figures")
    ap.add_argument("--check", action="store_true",
                    help="exit 1 when a p5 figure is under its bound (HUD and MISS! 4.5, "
                         "frames and enemies 3)")
    ap.add_argument("shots", nargs="+")
    a = ap.parse_args()
    items, keys = read_blob(a.blob), read_keys(a.catalog)
    name = f"haikei_{a.terrain}"
    tile = items.get(name) or read_bmp(os.path.join(a.tiles or ".", name + ".bmp"))
    palette = {to565(p) for p in tile[2]}
    frame_face = min(face(items[n], keys[n]) for n in ("huti", "blue_window"))
    pictures = kind_pictures(a.kinds)
    cells = {}
    trace = {}
    for line in open(a.trace):
        d = json.loads(line)
        trace[d["frame"]] = d
    worst = {g: [99, 99, 0] for g in ("HUD", "MISS!", "frames", "enemies")}
    per_enemy = {}
    for arg in a.shots:
        frame, path = arg.split(":", 1)
        width, height, rows = read_shot(path)
        state = trace.get(int(frame), {})
        wins = [(w["cx"] - w["width"] // 2, w["cy"] - w["height"] // 2) + (w["width"], w["height"])
                for w in state.get("windows", [])]
        wins = [(x, y, x + w, y + h) for x, y, w, h in wins]
        found = []
        for item, x0, y0 in HUD:
            w, h, px = items[item]
            tr, key = keys[item][0], keys[item][1]
            mask = {(x0 + i, y0 + j) for j in range(h) for i in range(w)
                    if not (tr and px[j * w + i] == key)}
            lums = [luminance(rows[y][x]) for x, y in mask]
            got = judge(upper_quarter(lums), ring(mask, width, height, rows, palette, wins))
            if got:
                found.append(("HUD", item, got))
        item, x0, y0 = MISS
        cells.setdefault(item, patterns(items[item], keys[item]))
        hit = seen(cells[item], x0, y0, rows, width, height, 0)
        if hit:
            got = judge(upper_quarter(luminance(rows[y][x]) for x, y in hit),
                        ring(set(hit), width, height, rows, palette, wins))
            if got:
                found.append(("MISS!", item, got))
        for x, y, x1, y1 in wins:
            rect = {(i, j) for j in range(y, y1) for i in range(x, x1)}
            got = judge(frame_face, ring(rect, width, height, rows, palette))
            if got:
                found.append(("frames", "window", got))
        for e in state.get("enemies", []):
            pic = pictures.get(e["kind"], "")
            if not pic or pic not in items or e.get("state") == 100:
                continue
            cells.setdefault(pic, patterns(items[pic], keys[pic]))
            hit = seen(cells[pic], int(e["x"]), int(e["y"]), rows, width, height, FAR)
            if not hit:
                continue
            got = judge(upper_quarter(luminance(rows[y][x]) for x, y in hit),
                        ring(set(hit), width, height, rows, palette, wins))
            if got:
                found.append(("enemies", pic, got))
                low = per_enemy.setdefault(pic, [99, 0])
                low[0], low[1] = min(low[0], got[1]), low[1] + 1
        for group, what, (w, p) in found:
            worst[group][0] = min(worst[group][0], w)
            worst[group][1] = min(worst[group][1], p)
            worst[group][2] += 1
        if a.per_shot:
            print(f"{os.path.basename(path)}: " + ", ".join(
                f"{what} {w:.2f}/{p:.2f}" for _, what, (w, p) in found))
    print(f"{name}: " + "; ".join(
        f"{g} worst {v[0]:.2f} p5 {v[1]:.2f} ({v[2]})" if v[2] else f"{g} not seen"
        for g, v in worst.items()))
    print(f"{name} enemies p5: " + (", ".join(
        f"{pic} {low:.2f} ({n})" for pic, (low, n) in sorted(per_enemy.items())) or "none seen"))
    if a.check:
        low = [g for g, need in BOUNDS.items() if worst[g][2] and worst[g][1] < need]
        if low:
            sys.exit(f"FAIL: under the bound at p5: {', '.join(low)}")


if __name__ == "__main__":
    main()
