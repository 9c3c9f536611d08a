#!/usr/bin/env python3
"""Contact sheet of the game's two Latin letter faces at 10x: the 12 px pixel
font of the text (read from its table in src/media/latin_pixel_font.cpp) and
the prompt window's letters (the 10 x 14 files the picture generator wrote
into the game's abc folder). Each pixel is a 9 x 9 square on a 10 px grid so
the pixels can be counted.

    python3 docs/letters_sheet.py BUILD/game docs/letters.png
"""
import os
import re
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ZOOM = 10
PAPER = (30, 34, 52)      # the records and menu panels are dark blue
GRID = (44, 50, 72)
SHEET = (88, 92, 100)
LABEL = (235, 235, 235)
WINDOW_NAMES = [chr(c) for c in range(ord("A"), ord("Z") + 1)] + ["-", "＊"]


def pixel_font():
    """{char: 12 rows of 6 cells (0/1)} from the table's strips."""
    src = open(os.path.join(ROOT, "src/media/latin_pixel_font.cpp"), encoding="utf-8").read()
    font = {}
    for m in re.finditer(r'\{"((?:[^"\\]|\\.)+)",\s*\{((?:\s*"[.#]*",)+)\s*\}\}', src):
        codes = m.group(1).encode().decode("unicode_escape")
        rows = re.findall(r'"([.#]*)"', m.group(2))
        for k, c in enumerate(codes):
            font[c] = [[1 if r[k * 6 + x] == "#" else 0 for x in range(6)] for r in rows]
    return font


def read_bmp(path):
    """24-bit BMP -> rows[y][x] = (r, g, b), top row first."""
    data = open(path, "rb").read()
    off, = struct.unpack_from("<I", data, 10)
    w, h = struct.unpack_from("<ii", data, 18)
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(abs(h)):
        base = off + ((abs(h) - 1 - y) if h > 0 else y) * stride
        rows.append([tuple(reversed(data[base + 3 * x:base + 3 * x + 3])) for x in range(w)])
    return rows


class Sheet:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [bytearray(SHEET * w) for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][3 * x:3 * x + 3] = bytes(c)

    def rect(self, x, y, w, h, c):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, c)

    def zoomed(self, x, y, rows, colour_of, scale=ZOOM, grid=True):
        """rows[y][x] -> colour or None (paper), each pixel a scale x scale square."""
        for j, row in enumerate(rows):
            for i, v in enumerate(row):
                c = colour_of(v)
                self.rect(x + i * scale, y + j * scale, scale, scale, GRID if grid else PAPER)
                self.rect(x + i * scale, y + j * scale, scale - grid, scale - grid, c or PAPER)

    def text(self, x, y, s, font, scale=2):
        for k, ch in enumerate(s):
            if ch in font:
                self.zoomed(x + k * 6 * scale, y, font[ch], lambda v: LABEL if v else None,
                            scale, grid=False)

    def write(self, path):
        raw = b"".join(b"\0" + bytes(r) for r in self.px)
        def chunk(tag, body):
            return (struct.pack(">I", len(body)) + tag + body +
                    struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF))
        png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 2, 0, 0, 0)) +
               chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
        open(path, "wb").write(png)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    game, out = sys.argv[1], sys.argv[2]
    font = pixel_font()
    chars = [chr(c) for c in range(0x21, 0x7F)]
    missing = [c for c in chars if c not in font]
    if missing:
        sys.exit("letters_sheet: the table lacks " + "".join(missing))
    window = {n: read_bmp(os.path.join(game, "abc", n + ".bmp")) for n in WINDOW_NAMES}

    per_row, cell_w, cell_h = 16, 6 * ZOOM + 12, 12 * ZOOM + 34
    win_per_row, win_w, win_h = 14, 10 * ZOOM + 12, 14 * ZOOM + 34
    title_h = 40
    text_rows = (len(chars) + per_row - 1) // per_row
    win_rows = (len(WINDOW_NAMES) + win_per_row - 1) // win_per_row
    width = max(per_row * cell_w, win_per_row * win_w) + 24
    sample_h = 3 * 16 + 3 * 30
    height = title_h + text_rows * cell_h + 2 * title_h + win_rows * win_h + title_h + sample_h + 24
    sheet = Sheet(width, height)

    y = 12
    sheet.text(12, y, "12 px text: our pixel font (6 x 12 cells)", font)
    y += title_h
    for k, c in enumerate(chars):
        x0, y0 = 12 + (k % per_row) * cell_w, y + (k // per_row) * cell_h
        sheet.zoomed(x0, y0, font[c], lambda v: (255, 255, 255) if v else None)
        sheet.text(x0 + 3 * ZOOM - 6, y0 + 12 * ZOOM + 6, c, font)
    y += text_rows * cell_h + title_h
    sheet.text(12, y, "Window letters: the abc files (10 x 14)", font)
    y += title_h
    for k, n in enumerate(WINDOW_NAMES):
        x0, y0 = 12 + (k % win_per_row) * win_w, y + (k // win_per_row) * win_h
        sheet.zoomed(x0, y0, window[n], lambda v: None if v == (0, 0, 0) else v)
        sheet.text(x0 + 5 * ZOOM - 6, y0 + 14 * ZOOM + 6, n if n != "＊" else "*", font)
    # The letters at the sizes the game shows them: scale 1, 2 and 3.
    y += win_rows * win_h + 8
    sheet.text(12, y, "At scale 1, 2 and 3", font)
    y += title_h
    sample = "MWHN mwhn 0O1lI -~ Kyou wa ii tenki."
    for scale in (1, 2, 3):
        sheet.rect(12, y - 2, len(sample) * 6 * scale + 4, 12 * scale + 4, PAPER)
        sheet.text(14, y, sample, font, scale)
        x = 12 + len(sample) * 6 * 3 + 40
        word = "MIWAKEMASHOU-"
        sheet.rect(x - 2, y - 2, len(word) * 11 * scale + 4, 14 * scale + 4, PAPER)
        for k, n in enumerate(word):
            sheet.zoomed(x + k * 11 * scale, y, window[n],
                         lambda v: None if v == (0, 0, 0) else v, scale, grid=False)
        y += 14 * scale + 16
    sheet.write(out)
    print(f"{out}: {width} x {height}, {len(chars)} text glyphs, {len(window)} window letters")


if __name__ == "__main__":
    main()
