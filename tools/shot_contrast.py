#!/usr/bin/env python3
"""Contrast of the HUD and the prompt-window frames against the backdrop
pixels next to them, on the game's screenshots.

    shot_contrast.py --blob pictures.bin --terrain T [--tiles DIR] --trace RUN.jsonl
                     FRAME:SHOT.png ...

For screenshots of play (--shot FRAME:PATH of the headless game, with its
--trace) over the backdrop "haikei_<T>" (from the blob, or DIR/haikei_<T>.bmp).
A pixel counts as backdrop when its colour is one of the tile's. Faces as in
backdrop_review.py: the 75th-percentile luminance of the drawn pixels. The
HUD (the SCORE label at 2,4 and the rate gauge at 4,19) is read off the
screenshot under the item's own shape; a frame's face is its picture's. Each
face is set against the backdrop pixels within two pixels around it: "p5"
against the 95th percentile of their luminance, "worst" against the brightest.
"""
import argparse
import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from backdrop_review import face, luminance, ratio, read_blob, read_bmp, read_keys, to565  # noqa: E402
from png_pixels import read_png  # noqa: E402

HUD = [("score", 2, 4), ("Score_Rate", 4, 19)]


def ring(mask, width, height, rows, palette, reach=2):
    out = []
    for x, y in {(x + dx, y + dy) for x, y in mask for dx in range(-reach, reach + 1)
                 for dy in range(-reach, reach + 1)} - mask:
        if 0 <= x < width and 0 <= y < height and rows[y][x] in palette:
            out.append(luminance(rows[y][x]))
    return sorted(out)


def judge(face_l, around):
    if not around:
        return None
    return ratio(face_l, around[-1]), ratio(face_l, around[int(0.95 * (len(around) - 1))])


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--blob", required=True)
    ap.add_argument("--terrain", required=True)
    ap.add_argument("--tiles")
    ap.add_argument("--trace", required=True)
    ap.add_argument("--catalog", default=os.path.join(HERE, "..", "src", "media",
                                                      "catalog_table.cpp"))
    ap.add_argument("shots", nargs="+")
    a = ap.parse_args()
    items, keys = read_blob(a.blob), read_keys(a.catalog)
    name = f"haikei_{a.terrain}"
    tile = items.get(name) or read_bmp(os.path.join(a.tiles or ".", name + ".bmp"))
    palette = {to565(p) for p in tile[2]}
    frame_face = min(face(items[n], keys[n]) for n in ("huti", "blue_window"))
    trace = {}
    for line in open(a.trace):
        d = json.loads(line)
        trace[d["frame"]] = d
    worst = {"HUD": [99, 99], "frames": [99, 99]}
    for arg in a.shots:
        frame, path = arg.split(":", 1)
        width, height, rows = read_png(path)
        rows = [[to565(p) for p in row] for row in rows]
        found = []
        for item, x0, y0 in HUD:
            w, h, px = items[item]
            tr, key = keys[item][0], keys[item][1]
            mask = {(x0 + i, y0 + j) for j in range(h) for i in range(w)
                    if not (tr and px[j * w + i] == key)}
            lums = sorted(luminance(rows[y][x]) for x, y in mask)
            got = judge(lums[int(0.75 * (len(lums) - 1))], ring(mask, width, height, rows, palette))
            if got:
                found.append(("HUD", item, got))
        for win in trace.get(int(frame), {}).get("windows", []):
            x0, y0 = win["cx"] - win["width"] // 2, win["cy"] - win["height"] // 2
            rect = {(x, y) for y in range(y0, y0 + win["height"]) for x in range(x0, x0 + win["width"])}
            got = judge(frame_face, ring(rect, width, height, rows, palette))
            if got:
                found.append(("frames", "window", got))
        for group, what, (w, p) in found:
            worst[group][0] = min(worst[group][0], w)
            worst[group][1] = min(worst[group][1], p)
        print(f"{os.path.basename(path)}: " + ", ".join(
            f"{what} {w:.2f}/{p:.2f}" for _, what, (w, p) in found))
    print(f"{name}: HUD worst {worst['HUD'][0]:.2f} p5 {worst['HUD'][1]:.2f}; "
          f"frames worst {worst['frames'][0]:.2f} p5 {worst['frames'][1]:.2f}")


if __name__ == "__main__":
    main()
