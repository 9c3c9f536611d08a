# Counts, in a trace, the play frames in which open prompt windows overlap one
# another and those in which a window covers the score and rate band.
import json


def hud_rect(score):
    # Score digits (12 px a digit) from x 62, the rate row below them to y 29.
    digits = len(str(max(score, 0)))
    return (0, 0, max(62 + 12 * digits, 115) + 2, 30)


def rect(w):
    return (w["cx"] - w["width"] // 2, w["cy"] - w["height"] // 2,
            w["cx"] + w["width"] // 2, w["cy"] + w["height"] // 2)


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def count(trace):
    """(play frames, frames with overlapping open windows, frames with a window over the HUD)"""
    play = both = hud = 0
    for line in open(trace):
        d = json.loads(line)
        if d["scene"] != 10:
            continue
        play += 1
        wins = [rect(w) for w in d["windows"] if w["state"] == 10]
        if any(overlap(wins[i], wins[j]) for i in range(len(wins)) for j in range(i)):
            both += 1
        band = hud_rect(d["score"])
        if any(overlap(rect(w), band) for w in d["windows"] if w["state"] != 30):
            hud += 1
    return play, both, hud
