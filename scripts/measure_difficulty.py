#!/usr/bin/env python3
"""Measures how fast the built-in player must type to clear each stage.

For every difficulty, stage and seed it finds, by bisection on a ladder of
speeds, the lowest keys per second at which `mirutena --headless --autoplay
KPS:MISS --stage S --difficulty D --seed N` clears the stage's first attempt
(every part cleared, no game over on the way). Whether an attempt was cleared
is read from the records file of the run's own save folder (`--stats`): the
first attempt at the stage has no lost part and the summary lists the stage
as the first one cleared. Everything runs headless on fixed seeds, so the
figures are the same on every machine.

    scripts/measure_difficulty.py [--build build/release] [--seeds 1,2,3]
        [--stages 1-9] [--difficulties easy,normal,hard] [--miss 3] [--jobs 2]

Prints one line per search and then a Markdown table: per stage and
difficulty the speed at which every seed cleared (the highest of the seeds'
lowest speeds), the seeds' range, and the ratios to ふつう.
"""
import argparse
import concurrent.futures
import json
import os
import subprocess
import sys
import tempfile

# 0.1 .. 1.0 in tenths, then quarter steps up to 16 keys a second.
LADDER = [round(0.1 * i, 2) for i in range(1, 11)] + [1.0 + 0.25 * i for i in range(1, 61)]
# Frames of a run: enough for a stage at a slow but clearing speed; やさしい
# runs the world at 12 steps a second instead of 20, so it gets more.
FRAMES = {"easy": 40000, "normal": 24000, "hard": 24000}


def stage_cleared(binary, data, difficulty, stage, seed, kps, miss):
    """True when the run clears the stage's first attempt."""
    with tempfile.TemporaryDirectory(prefix="mirutena-measure-") as save:
        cmd = [binary, "--headless", "--data", data, "--save-dir", save, "--seed", str(seed),
               "--difficulty", difficulty, "--stage", str(stage), "--autoplay", f"{kps:g}:{miss}",
               "--frames", str(FRAMES[difficulty]), "--summary"]
        run = subprocess.run(cmd, capture_output=True, text=True, check=True)
        summary = json.loads(run.stdout.strip().splitlines()[-1])
        if summary["stages_cleared"][:1] != [stage]:
            return False
        stats = subprocess.run([binary, "--stats", "--save-dir", save], capture_output=True,
                               text=True, check=True)
        entries = [json.loads(l) for l in stats.stdout.splitlines() if l.strip()]
        parts = [e for e in entries if e.get("kind") == "part" and e.get("stage") == stage]
        if not parts:
            return False
        first = min(e["attempt"] for e in parts)
        return all(e["cleared"] for e in parts if e["attempt"] == first)


def lowest_speed(binary, data, difficulty, stage, seed, miss):
    """The lowest ladder speed that clears, or None when even the top fails."""
    lo, hi = -1, len(LADDER) - 1  # LADDER[lo] fails (or below the ladder), LADDER[hi] unknown
    if not stage_cleared(binary, data, difficulty, stage, seed, LADDER[hi], miss):
        return None
    while hi - lo > 1:
        mid = (lo + hi) // 2
        if stage_cleared(binary, data, difficulty, stage, seed, LADDER[mid], miss):
            hi = mid
        else:
            lo = mid
    return LADDER[hi]


def parse_list(text):
    out = []
    for piece in text.split(","):
        if "-" in piece:
            a, b = piece.split("-")
            out.extend(range(int(a), int(b) + 1))
        else:
            out.append(int(piece))
    return out


def fmt(v):
    return "–" if v is None else f"{v:g}"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--build", default=os.path.join(here, "..", "build", "release"))
    ap.add_argument("--seeds", default="1,2,3")
    ap.add_argument("--stages", default="1-9")
    ap.add_argument("--difficulties", default="easy,normal,hard")
    ap.add_argument("--miss", type=int, default=3)
    ap.add_argument("--jobs", type=int, default=2)
    a = ap.parse_args()
    binary = os.path.join(a.build, "mirutena")
    data = os.path.join(a.build, "game")
    seeds, stages = parse_list(a.seeds), parse_list(a.stages)
    difficulties = a.difficulties.split(",")

    jobs = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=a.jobs) as pool:
        for d in difficulties:
            for s in stages:
                for seed in seeds:
                    jobs[(d, s, seed)] = pool.submit(lowest_speed, binary, data, d, s, seed, a.miss)
        found = {}
        for key, job in jobs.items():
            found[key] = job.result()
            print(f"{key[0]} stage {key[1]} seed {key[2]}: {fmt(found[key])}", flush=True)

    def all_seeds(d, s):
        v = [found[(d, s, seed)] for seed in seeds]
        return None if any(x is None for x in v) else max(v)

    print()
    print("| stage | " + " | ".join(str(s) for s in stages) + " |")
    print("|---" * (len(stages) + 1) + "|")
    names = {"easy": "やさしい", "normal": "ふつう", "hard": "むずかしい"}
    for d in difficulties:
        row = []
        for s in stages:
            v = [found[(d, s, seed)] for seed in seeds]
            lo = None if any(x is None for x in v) else min(v)
            top = all_seeds(d, s)
            row.append(fmt(top) if lo == top else f"{fmt(top)} ({fmt(lo)}–{fmt(top)})")
        print(f"| {names.get(d, d)} | " + " | ".join(row) + " |")
    if "normal" in difficulties:
        for d in ("easy", "hard"):
            if d not in difficulties:
                continue
            ratios = []
            for s in stages:
                n, x = all_seeds("normal", s), all_seeds(d, s)
                ratios.append("–" if not n or x is None else f"{100 * x / n:.0f} %")
            print(f"| {names[d]} / ふつう | " + " | ".join(ratios) + " |")
    ok = True
    for s in stages:
        n = all_seeds("normal", s) if "normal" in difficulties else None
        if n is None:
            continue
        e = all_seeds("easy", s) if "easy" in difficulties else None
        h = all_seeds("hard", s) if "hard" in difficulties else None
        if "easy" in difficulties and (e is None or e > 0.6 * n):
            print(f"stage {s}: やさしい needs {fmt(e)}, more than 60 % of ふつう's {fmt(n)}")
            ok = False
        if "hard" in difficulties and h is not None and h <= n:
            print(f"stage {s}: むずかしい needs {fmt(h)}, not more than ふつう's {fmt(n)}")
            ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
