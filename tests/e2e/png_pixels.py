# Reads the game's 8-bit RGB screenshots (PNG) without third-party modules.
import struct
import zlib


def read_png(path):
    """Returns (width, height, rows) with rows[y][x] = (r, g, b)."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    pos, idat, width, height, channels = 8, b"", 0, 0, 3
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and colour in (2, 6), (depth, colour)
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev = [], bytearray(stride)
    for y in range(height):
        f = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = prev[i]
            c = prev[i - channels] if i >= channels else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else b if pb <= pc else c
                line[i] = (line[i] + pred) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        prev = line
    return width, height, rows


def picture_in_window(rows, w, h, pw=430, ph=400):
    """Where a window of w x h shows the game's pw x ph picture, laid out at
    the largest whole scale that fits and centred, and how the shot keeps to
    that: the scale, the picture's corner, the pixels around it that are not
    black, the rectangle of the picture (left, top, right, bottom) and the
    factor x factor blocks that are not one colour."""
    f = max(1, min(w // pw, h // ph))
    left, top = (w - pw * f) // 2, (h - ph * f) // 2
    right, bottom = left + pw * f, top + ph * f
    black = (0, 0, 0)
    outside = sum(1 for y in range(h) for x in range(w)
                  if not (left <= x < right and top <= y < bottom) and rows[y][x] != black)
    mixed = 0
    for by in range(ph):
        for bx in range(pw):
            c = rows[top + by * f][left + bx * f]
            if any(rows[top + by * f + j][left + bx * f + i] != c for j in range(f) for i in range(f)):
                mixed += 1
    return {"scale": f, "left": left, "top": top, "right": right, "bottom": bottom,
            "outside": outside, "mixed": mixed}
