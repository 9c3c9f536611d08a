#!/usr/bin/env python3
"""Numbers of the background pieces as the game plays them.

    measure_music.py BGM_DIR [NAME ...] [--check]

Renders each BGM_DIR/NAME.mid with FluidSynth at the gain that
scripts/render_music.sh gives it (same soundfont and options, but 32-bit float
raw output so nothing is lost to the encoder) and prints:
  loop    the MIDI file's length under its tempo map: where the game's player
          restarts the piece (the rendering's reverb tail after it is cut);
  rms     whole-rendering RMS over every sample of both channels, in dBFS, the
          measure render_music.sh balances the pieces by;
  peak    the largest sample, in dBFS (above 0 is left to the game's limiter);
  end/start  RMS of the last and the first two seconds around the loop point,
          in dB under the piece's RMS, and their step: a clean loop joins
          passages of like loudness.
--check fails when the pieces' loudness spans more than 3 dB, or a loop
joins passages more than 6 dB apart. Without NAMEs every .mid of BGM_DIR.
"""
import array
import glob
import math
import os
import struct
import subprocess
import sys
import tempfile

RATE = 32000  # the rate render_music.sh renders at and the game plays at
FONTS = ["/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"]
HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, "..", "scripts", "render_music.sh")


def midi_seconds(path):
    """Length of a MIDI file: its last end-of-track tick under the tempo map."""
    data = open(path, "rb").read()
    division = struct.unpack_from(">H", data, 12)[0]
    at, tempos, end = 14, [], 0
    while at + 8 <= len(data):
        kind, size = data[at:at + 4], struct.unpack_from(">I", data, at + 4)[0]
        track, at = data[at + 8:at + 8 + size], at + 8 + size
        if kind != b"MTrk":
            continue
        i, tick, status = 0, 0, 0
        while i < len(track):
            delta = 0
            while True:
                b = track[i]
                i += 1
                delta = (delta << 7) | (b & 0x7F)
                if b < 0x80:
                    break
            tick += delta
            if track[i] & 0x80:
                status = track[i]
                i += 1
            if status == 0xFF:
                meta, n = track[i], track[i + 1]
                i += 2
                if meta == 0x51:
                    tempos.append((tick, int.from_bytes(track[i:i + 3], "big")))
                if meta == 0x2F:
                    end = max(end, tick)
                i += n
            elif status in (0xF0, 0xF7):
                n = track[i]
                i += 1 + n
            else:
                i += 1 if (status & 0xF0) in (0xC0, 0xD0) else 2
    tempos.sort()
    seconds, last_tick, us = 0.0, 0, 500000
    for tick, value in tempos:
        if tick >= end:
            break
        seconds += (tick - last_tick) * us / division / 1e6
        last_tick, us = tick, value
    return seconds + (end - last_tick) * us / division / 1e6


def gain_of(name):
    text = open(SCRIPT).read()
    body = text[text.index("gain_of() {"):]
    body = body[:body.index("\n}\n") + 3]
    out = subprocess.run(["bash", "-c", body + f'\ngain_of "{name}"'], capture_output=True,
                         text=True, check=True)
    return float(out.stdout.strip())


def render(mid, gain):
    font = next((f for f in FONTS if os.access(f, os.R_OK)), None)
    if not font:
        sys.exit("no General MIDI soundfont")
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "out.raw")
        subprocess.run(["fluidsynth", "-ni", "-q", "-g", str(gain), "-r", str(RATE), "-O", "float",
                        "-T", "raw", "-F", raw, font, mid], check=True, capture_output=True)
        x = array.array("f")
        x.frombytes(open(raw, "rb").read())
    return x


def rms(x, a=0, b=None):
    b = len(x) if b is None else b
    n = max(1, b - a)
    return math.sqrt(sum(v * v for v in x[a:b]) / n)


def db(v):
    return 20 * math.log10(max(v, 1e-12))


def main():
    args = [a for a in sys.argv[1:] if a != "--check"]
    check = "--check" in sys.argv
    if not args:
        sys.exit(__doc__)
    bgm, names = args[0], args[1:]
    if not names:
        names = sorted(os.path.basename(p)[:-4] for p in glob.glob(os.path.join(bgm, "*.mid")))
    rows, bad = [], 0
    print(f"{'piece':9} {'loop s':>7} {'gain':>6} {'rms dBFS':>9} {'peak':>6} {'end':>6} "
          f"{'start':>6} {'step':>5}")
    for name in names:
        mid = os.path.join(bgm, name + ".mid")
        loop, gain = midi_seconds(mid), gain_of(name)
        x = render(mid, gain)
        cut = min(len(x), int(loop * RATE) * 2)  # interleaved stereo
        whole = db(rms(x))
        end = db(rms(x, cut - 4 * RATE, cut)) - whole
        start = db(rms(x, 0, 4 * RATE)) - whole
        peak = db(max(abs(v) for v in x))
        rows.append((name, whole))
        step = abs(end - start)
        flag = " FAIL" if step > 6 else ""
        bad += bool(flag)
        print(f"{name:9} {loop:7.1f} {gain:6.3f} {whole:9.2f} {peak:6.1f} {end:6.1f} {start:6.1f} "
              f"{step:5.1f}{flag}")
    louds = [r[1] for r in rows]
    span = max(louds) - min(louds)
    print(f"loudness from {min(louds):.2f} to {max(louds):.2f} dBFS: a span of {span:.2f} dB")
    if span > 3:
        bad += 1
        print("FAIL: the loudness spans more than 3 dB")
    if check and bad:
        sys.exit(1)


if __name__ == "__main__":
    main()
