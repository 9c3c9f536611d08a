#!/usr/bin/env bash
# A stage's results are kept from its "STAGE CLEAR" banner on, even when the
# program is killed right after: the built-in player clears stage 1 while a
# reader follows the trace through a small pipe and kills the program
# (SIGKILL, so nothing runs at exit) a chosen number of frames after the last
# part's banner, every second of the 7.4 s to the result roll and beyond. The
# clear, the ranking entry with the final score (bonuses included, as an
# uninterrupted run ends with) and the record of the last part must be there.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
python3 - "$bin" "$game" <<'PY'
import fcntl, json, os, signal, subprocess, sys
binary, game = sys.argv[1:3]
failures = 0
# The same run uninterrupted gives the final score: its record of stage 1's
# last part holds it.
subprocess.run([binary, "--headless", "--data", game, "--save-dir", "ref", "--seed", "11",
                "--autoplay", "3:3", "--frames", "20000"], stdout=subprocess.DEVNULL, check=True)
ref_lines = [l.split() for l in open("ref/dat/records.txt").read().splitlines()[1:]]
final = int(next(f[7] for f in ref_lines if f[1:4] == ["part", "1", "2"]))
for after in (0, 3, 40, 60, 100, 120, 160, 180, 240, 300, 360, 420, 480):
    save = f"save{after}"
    os.makedirs(f"{save}/dat")
    fifo = f"trace{after}"
    os.mkfifo(fifo)
    proc = subprocess.Popen([binary, "--headless", "--data", game, "--save-dir", save,
                             "--seed", "11", "--autoplay", "3:3", "--frames", "20000",
                             "--trace", fifo], stdout=subprocess.DEVNULL)
    reader = open(fifo, "rb")
    # A one-page pipe keeps the program at most a few frames ahead of us.
    fcntl.fcntl(reader.fileno(), fcntl.F_SETPIPE_SZ, 4096)
    banner, killed_at, scene = None, None, None
    for line in reader:
        d = json.loads(line)
        if banner is None and d["part"] == 2 and d["scene"] == 10 and d["cleartimer"] >= 120:
            banner = d["frame"]
        if banner is not None and d["frame"] >= banner + after:
            proc.send_signal(signal.SIGKILL)
            killed_at, scene = d["frame"], d["scene"]
            break
    proc.wait()
    reader.close()
    if banner is None:
        print(f"FAIL: stage 1 was not cleared (kill offset {after})")
        failures += 1
        continue
    def read(name, mode="rb"):
        path = f"{save}/dat/{name}"
        return open(path, mode).read() if os.path.exists(path) else (b"" if mode == "rb" else "")
    data = read("clear.clr")
    raw = read("score.rnk")
    table = [int.from_bytes(raw[i:i + 4], "little") for i in range(0, len(raw) - 3, 4)]
    parts = [l.split()[1:4] for l in read("records.txt", "r").splitlines()[1:]]
    ok = (len(data) == 20 and data[0] == 1 and final in table and ["part", "1", "2"] in parts)
    print(f"{'ok' if ok else 'FAIL'}: killed at frame {killed_at} (scene {scene}, "
          f"banner at {banner}): clear.clr {data.hex() if data else 'missing'}, "
          f"ranking {table} (final {final}), parts {parts}")
    failures += not ok
sys.exit(1 if failures else 0)
PY
