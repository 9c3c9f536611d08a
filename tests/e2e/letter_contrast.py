# Contrast of the target window's letters against what lies around them, on a
# screenshot, with the window's place and romaji taken from the run's trace.
import struct
import sys

from png_pixels import read_png


def luminance(rgb):
    def lin(c):
        c /= 255.0
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b)


def read_bmp(path):
    """24-bit bottom-up BMP -> rows[y][x] = (r, g, b)."""
    data = open(path, "rb").read()
    off, = struct.unpack_from("<I", data, 10)
    w, h = struct.unpack_from("<ii", data, 18)
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(abs(h)):
        src = (abs(h) - 1 - y) if h > 0 else y
        base = off + src * stride
        rows.append([tuple(reversed(data[base + 3 * x:base + 3 * x + 3])) for x in range(w)])
    return rows


def letter_contrasts(shot, window, abc, row_gap=11):
    """Worst contrast of each remaining letter of the window: the letter's own
    face colour (its brightest pixels) against the bright end of its cell and
    one-pixel ring, where the letter does not cover them."""
    _, _, rows = read_png(shot)
    romaji, pos = window["romaji"], window["position"]
    glyph = read_bmp(f"{abc}/A.bmp")
    lw, lh = len(glyph[0]), len(glyph)
    left = window["cx"] - window["width"] // 2 + 5
    top = window["cy"] - window["height"] // 2 + 5
    x0 = left + (window["width"] - 10 - len(romaji) * (lw + 1)) // 2
    y0 = top + 2 * row_gap + 12
    out = []
    for k in range(pos, len(romaji) + 1):
        ch = romaji[k - 1]
        bmp = read_bmp(f"{abc}/{'-' if ch == '-' else ch.upper()}.bmp")
        x = x0 + (k - 1) * (lw + 1)
        ink = {(x + i, y0 + j) for j in range(lh) for i in range(lw) if bmp[j][i] != (0, 0, 0)}
        if not ink:
            continue
        face = max(luminance(rows[py][px]) for px, py in ink)
        around = [luminance(rows[py][px]) for py in range(y0 - 1, y0 + lh + 1)
                  for px in range(x - 1, x + lw + 1)
                  if (px, py) not in ink and 0 <= px < 430 and 0 <= py < 400]
        around.sort()
        # The bright end of the surroundings, leaving out the top tenth: sparks
        # of a hit fly over the letters for a few frames and are not backdrop.
        bright = around[int(len(around) * 0.9) - 1] if around else 0.0
        out.append((ch, (face + 0.05) / (bright + 0.05)))
    return out
