#!/usr/bin/env bash
# Records kept by a headless run with --save-dir: the built-in player clears
# stage 1, --stats lists both parts with keys per second = keys / typeable
# time, the stage's pace = keys / time in play and every word's figures, a
# cut last line is skipped with a warning while the rest still loads, and
# the records screen is reached from the title by keys.
set -euo pipefail
bin="$1"; game="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

"$bin" --headless --data "$game" --save-dir save --seed 11 --autoplay 3:3 --frames 9000 \
  --summary >run.json 2>err.txt || fail "run: exit $?"
"$bin" --data "$game" --stats --save-dir save >stats.jsonl 2>stats_err.txt || fail "--stats: exit $?"
python3 - run.json stats.jsonl <<'PY' || fail "records: $(cat stats.jsonl)"
import json, sys
run = json.loads(open(sys.argv[1]).read())
lines = [json.loads(l) for l in open(sys.argv[2])]
parts, summary = lines[:-1], lines[-1]
assert summary["summary"] is True and summary["parts"] == len(parts), summary
# The bot goes on into stage 2 after the roll; stage 1's two parts come first.
assert [(p["stage"], p["part"], p["cleared"]) for p in parts[:2]] == [(1, 1, True), (1, 2, True)], parts
for p in parts:
    assert p["frames"] > 200, p
    assert p["measure"] == 2 and 0 < p["typeable_frames"] < p["frames"], p
    assert abs(p["kps"] - p["keys"] * 20 / p["typeable_frames"]) < 0.001, p
    assert abs(p["pace"] - p["keys"] * 20 / p["frames"]) < 0.001, p
    words = p["word_log"]
    assert sum(w["finished"] for w in words) == p["words"], p
    assert sum(len(w["misses"]) for w in words) <= p["misses"], p
    for w in words:
        assert w["word"] and w["romaji"], w
        if w["finished"]:
            assert w["reaction"] is not None and w["reaction"] >= 0 and w["time"] > 0, w
        for m in w["misses"]:
            assert m["kana"] and m["kana"] in w["word"], w
    assert abs(p["accuracy"] - p["keys"] / (p["keys"] + p["misses"])) < 0.0001, p
    assert sum(p["hits"].values()) == p["keys"], p
    assert sum(p["missed"].values()) <= p["misses"], p
# The run's summary counts the same typing (and the part still being played).
assert run["keys"] >= sum(p["keys"] for p in parts), (run, parts)
assert run["misses"] >= sum(p["misses"] for p in parts), (run, parts)
assert run["streak"] >= max(p["streak"] for p in parts), run
assert 0 < run["kps"] and 0 < run["accuracy"] <= 1, run
assert isinstance(run["weak_keys"], list) and len(run["weak_keys"]) <= 3, run
PY
echo "stage 1 kept as $(($(wc -l <stats.jsonl) - 1)) parts"

# A line cut by a crash: skipped with one warning, the rest still read.
printf '20261208T000000Z part 1 1 - 9 1 50 40 2 30 4' >>save/dat/records.txt
"$bin" --data "$game" --stats --save-dir save >cut.jsonl 2>cut_err.txt || fail "--stats on a cut file: exit $?"
[ "$(wc -l <cut.jsonl)" -eq "$(wc -l <stats.jsonl)" ] || fail "cut file: $(cat cut.jsonl)"
grep -q "1 damaged line" cut_err.txt || fail "no warning about the cut line: $(cat cut_err.txt)"

# Headless runs without --save-dir leave the player's records alone.
mkdir home
HOME="$work/home" XDG_DATA_HOME="$work/home/data" "$bin" --headless --data "$game" --seed 3 \
  --autoplay 3:3 --frames 3000 >/dev/null 2>&1 || fail "run without --save-dir"
[ ! -e home/data/mirutena/records.txt ] || fail "a headless run wrote the player's records"

# The records screen from the title: Down twice, Space.
cat >keys.txt <<'K'
40 press down
45 press down
50 press space
K
"$bin" --headless --data "$game" --save-dir save --seed 1 --keys keys.txt --frames 60 \
  --trace trace.jsonl --shot 58:records.png >/dev/null 2>&1 || fail "records screen run"
python3 -c "
import json
scenes = [json.loads(l)['scene'] for l in open('trace.jsonl')]
assert scenes[-1] == 60, scenes[-12:]
" || fail "the records screen was not reached"
[ -s records.png ] || fail "no screenshot"
echo "records screen reached from the title"
