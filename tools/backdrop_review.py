#!/usr/bin/env python3
"""Contrast of what the game draws over the stage backdrops, and a review sheet.

    backdrop_review.py --blob pictures.bin --tiles DIR [--catalog catalog_table.cpp]
                       [--abc DIR] [--sheet OUT.png] [--check]

Reads the generated catalog blob (the HUD, window-frame and enemy pictures and
the classic "haikei") and the terrain backdrops "haikei_<terrain>" (from the
blob once the catalog lists them, otherwise DIR/haikei_<terrain>.bmp as
gen_pictures --backdrops writes them). Every colour goes through RGB565 as on
the game's screen. Contrast is the WCAG ratio of relative luminances.

An item's face is the luminance that its brightest quarter of drawn pixels
reaches (the 75th percentile of its non-key pixels): the gold and pink faces
of the HUD text (whose dark rims make up most of the rest), the light band of
a window frame, the lit body of an enemy. Each face is set against the
backdrop's pixels: "worst" against its brightest pixel, "p5" the 5th
percentile of the per-pixel ratios (the brightest 5 % of the tile, stars and
sparkles, left out). --check fails unless, at p5 on every terrain backdrop,
the HUD reaches 4.5:1 and the frames and enemies 3:1, and unless each terrain
tile joins itself without a seam (its colours change across the wrapped edges
no more than between any two neighbouring rows or columns inside it).
"""
import argparse
import os
import re
import struct
import sys
import zlib

TERRAINS = ["blue", "grass", "sand", "night", "brick", "sea", "snow", "lava", "metal"]
HUD = ["score", "0123456789", "Score_Rate", "green_bar", "num2_0123456789", "miss"]
FRAMES = ["huti", "blue_window"]
ENEMIES = ["enemy_1", "enemy_2", "gunman", "hae", "hane", "anpan", "tv", "missile", "kame",
           "neko", "leaf", "bou", "boss1", "boss2", "boss3", "boss4", "boss5", "boss6_1",
           "boss6_2", "boss6_3"]
GROUPS = [("HUD", HUD, 4.5), ("frames", FRAMES, 3.0), ("enemies", ENEMIES, 3.0)]


def to565(c):
    r, g, b = c[0] >> 3, c[1] >> 2, c[2] >> 3
    return ((r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2))


def luminance(c):
    def lin(v):
        v /= 255.0
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    return 0.2126 * lin(c[0]) + 0.7152 * lin(c[1]) + 0.0722 * lin(c[2])


def ratio(a, b):
    hi, lo = max(a, b), min(a, b)
    return (hi + 0.05) / (lo + 0.05)


def read_blob(path):
    data = open(path, "rb").read()
    if data[:4] != b"MRTP":
        sys.exit(f"{path}: not a picture blob")
    count, = struct.unpack_from("<I", data, 4)
    at, items = 8, {}
    for _ in range(count):
        n, = struct.unpack_from("<H", data, at)
        name = data[at + 2:at + 2 + n].decode("utf-8", "replace")
        at += 2 + n
        w, h = struct.unpack_from("<II", data, at)
        at += 8
        px = [tuple(data[at + 3 * k:at + 3 * k + 3]) for k in range(w * h)]
        at += 3 * w * h
        items[name] = (w, h, px)
    return items


def read_bmp(path):
    """24-bit BMP -> (w, h, pixels top row first)."""
    data = open(path, "rb").read()
    off, = struct.unpack_from("<I", data, 10)
    w, h = struct.unpack_from("<ii", data, 18)
    stride = (w * 3 + 3) & ~3
    px = []
    for y in range(abs(h)):
        base = off + ((abs(h) - 1 - y) if h > 0 else y) * stride
        px += [(data[base + 3 * x + 2], data[base + 3 * x + 1], data[base + 3 * x])
               for x in range(w)]
    return w, abs(h), px


def read_keys(path):
    """name -> (transparent, key colour, pattern width, pattern height)."""
    keys = {}
    row = re.compile(r'\{"([^"]+)",\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(true|false),'
                     r'\s*(\d+),\s*(\d+),\s*(\d+)\}')
    for m in row.finditer(open(path, encoding="utf-8").read()):
        g = m.groups()
        keys[g[0]] = (g[6] == "true", (int(g[7]), int(g[8]), int(g[9])), int(g[3]), int(g[4]))
    return keys


def face(item, key):
    w, h, px = item
    transparent, colour = key[0], key[1]
    lums = sorted(luminance(to565(p)) for p in px if not (transparent and p == colour))
    return lums[int(0.75 * (len(lums) - 1))]


def backdrops(items, tiles):
    out = []
    for t in TERRAINS:
        name = f"haikei_{t}"
        if name in items:
            out.append((name, items[name]))
        elif tiles and os.path.exists(os.path.join(tiles, name + ".bmp")):
            out.append((name, read_bmp(os.path.join(tiles, name + ".bmp"))))
    if "haikei" in items:  # the classic look's three 40 x 40 patterns, for comparison
        w, h, px = items["haikei"]
        for n in range(w // 40):
            cut = [px[y * w + n * 40 + x] for y in range(40) for x in range(40)]
            out.append((f"classic{n}", (40, 40, cut)))
    return out


def measure(faces, tile):
    lums = sorted(luminance(to565(p)) for p in tile[2])
    worst_l = lums[-1]
    p5_l = lums[int(0.95 * (len(lums) - 1))]
    return {name: (ratio(f, worst_l), ratio(f, p5_l)) for name, f in faces.items()}


def seam_ratio(tile):
    """The mean colour step between the tile's last and first row (and column)
    over the largest such step between two neighbouring rows (columns) inside
    it: above 1 the wrapped edge shows a change that the pattern never makes."""
    w, h, px = tile
    def step(a, b):
        return sum(abs(u - v) for u, v in zip(to565(a), to565(b)))
    def rows(y0, y1):
        return sum(step(px[y0 * w + x], px[y1 * w + x]) for x in range(w)) / w
    def cols(x0, x1):
        return sum(step(px[y * w + x0], px[y * w + x1]) for y in range(h)) / h
    inner_r = max(rows(y, y + 1) for y in range(h - 1))
    inner_c = max(cols(x, x + 1) for x in range(w - 1))
    return max(rows(h - 1, 0) / max(1e-9, inner_r), cols(w - 1, 0) / max(1e-9, inner_c))


def png(path, w, h, rows):
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, body):
        c = kind + body
        return struct.pack(">I", len(body)) + c + struct.pack(">I", zlib.crc32(c) & 0xFFFFFFFF)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def sheet(path, tiles, items, keys, abc):
    """Each backdrop tiled over 160 x 120 with the HUD, a prompt-window frame
    and two enemies drawn over it, at scale 1 and below it at scale 2."""
    pw, ph = 160, 120
    cols = 3
    gap = 6
    label_h = 16
    cell_w, cell_h = pw * 2 + gap, ph * 3 + label_h + gap
    W = cols * cell_w + gap
    H = ((len(tiles) + cols - 1) // cols) * cell_h + gap
    img = [[(48, 48, 56)] * W for _ in range(H)]

    def paste(panel, name, x0, y0, pattern=0):
        if name not in items:
            return
        w, h, px = items[name]
        tr, key, pwid, phei = keys.get(name, (True, (255, 0, 255), 0, 0))
        pwid, phei = pwid or w, phei or h
        cols_ = max(1, w // pwid)
        sx0, sy0 = (pattern % cols_) * pwid, (pattern // cols_) * phei
        for y in range(phei):
            for x in range(pwid):
                p = px[(sy0 + y) * w + sx0 + x]
                if tr and p == key:
                    continue
                if 0 <= y0 + y < ph and 0 <= x0 + x < pw:
                    panel[y0 + y][x0 + x] = to565(p)

    for i, (name, (tw, th, tpx)) in enumerate(tiles):
        panel = [[to565(tpx[(y % th) * tw + (x % tw)]) for x in range(pw)] for y in range(ph)]
        paste(panel, "score", 4, 6)
        paste(panel, "0123456789", 64, 4, 3)
        paste(panel, "0123456789", 75, 4, 5)
        paste(panel, "Score_Rate", 6, 21)
        for k in range(40):
            paste(panel, "green_bar", 10 + k, 25)
        paste(panel, "num2_0123456789", 81, 21, 7)
        paste(panel, "miss", 30, 92)
        for x in range(96, 150, 5):  # a prompt window's frame, top and bottom
            paste(panel, "huti", x, 36, 0)
            paste(panel, "huti", x, 66, 0)
        for y in range(41, 66, 5):
            paste(panel, "huti", 92, y, 1)
            paste(panel, "huti", 150, y, 1)
        paste(panel, "enemy_1", 20, 40, 0)
        paste(panel, "gunman", 52, 38, 0)
        ox = gap + (i % cols) * cell_w
        oy = gap + (i // cols) * cell_h
        for y in range(ph):
            for x in range(pw):
                img[oy + y][ox + x] = panel[y][x]
                for k in range(4):
                    img[oy + ph + 2 + 2 * y + k // 2][ox + 2 * x + k % 2] = panel[y][x]
        if abc:  # the name in the game's own letters
            for n, ch in enumerate(name.upper().replace("HAIKEI_", "")):
                p = os.path.join(abc, ch + ".bmp")
                if not os.path.exists(p):
                    continue
                lw, lh, lpx = read_bmp(p)
                for y in range(lh):
                    for x in range(lw):
                        if lpx[y * lw + x] != (0, 0, 0):
                            img[oy + 3 * ph + 4 + y][ox + pw + 2 + 11 * n + x] = lpx[y * lw + x]
    png(path, W, H, img)


def main():
    ap = argparse.ArgumentParser()
    here = os.path.dirname(os.path.abspath(__file__))
    ap.add_argument("--blob", required=True)
    ap.add_argument("--tiles")
    ap.add_argument("--catalog", default=os.path.join(here, "..", "src", "media",
                                                      "catalog_table.cpp"))
    ap.add_argument("--abc")
    ap.add_argument("--sheet")
    ap.add_argument("--check", action="store_true")
    a = ap.parse_args()
    items, keys = read_blob(a.blob), read_keys(a.catalog)
    tiles = backdrops(items, a.tiles)
    if sum(1 for n, _ in tiles if n.startswith("haikei_")) != len(TERRAINS):
        sys.exit("FAIL: not every terrain has a backdrop")
    faces = {n: face(items[n], keys[n]) for _, names, _ in GROUPS for n in names}
    bad = 0
    print("face = 75th-percentile luminance of the drawn pixels; "
          "ratios: worst pixel / 5th percentile")
    print(f"{'backdrop':16}" + "".join(f"{g + ' min':>22}" for g, _, _ in GROUPS) + "   L95    Lmax   seam")
    for name, tile in tiles:
        m = measure(faces, tile)
        lums = sorted(luminance(to565(p)) for p in tile[2])
        line = f"{name:16}"
        for group, names, need in GROUPS:
            w = min(names, key=lambda n: m[n][0])
            p = min(names, key=lambda n: m[n][1])
            line += f"  {m[w][0]:5.2f} / {m[p][1]:5.2f} {p:>9}"
            if name.startswith("haikei_") and m[p][1] < need:
                bad += 1
                line += " FAIL"
        line += f"  {lums[int(0.95 * (len(lums) - 1))]:.4f} {lums[-1]:.4f}"
        seam = seam_ratio(tile)
        line += f"  seam {seam:.2f}"
        if name.startswith("haikei_") and seam > 1.0:
            bad += 1
            line += " FAIL"
        print(line)
    if a.sheet:
        sheet(a.sheet, tiles, items, keys, a.abc)
    if a.check and bad:
        sys.exit(f"FAIL: {bad} measure(s) out of bounds")


if __name__ == "__main__":
    main()
