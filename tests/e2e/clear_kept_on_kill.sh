#!/usr/bin/env bash
# A stage cleared is kept even when the program is killed right after: the
# built-in player clears stage 1 while a reader follows the trace through a
# small pipe and kills the program (SIGKILL, so nothing runs at exit) a chosen
# number of frames after the last part's "STAGE CLEAR" banner.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
python3 - "$bin" "$game" <<'PY'
import fcntl, json, os, signal, subprocess, sys
binary, game = sys.argv[1:3]
failures = 0
for after in (0, 3, 40, 100, 160, 400):
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
    path = f"{save}/dat/clear.clr"
    data = open(path, "rb").read() if os.path.exists(path) else b""
    ok = len(data) == 20 and data[0] == 1
    print(f"{'ok' if ok else 'FAIL'}: killed at frame {killed_at} (scene {scene}, "
          f"banner at {banner}): clear.clr {data.hex() if data else 'missing'}")
    failures += not ok
sys.exit(1 if failures else 0)
PY
