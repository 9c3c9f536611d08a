# Turns the observations of explore_mozc.py into Mozc-format rows (input, output, pending),
# adding a row only where the rows so far do not already explain what Mozc showed.
import json, os, re, sys
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'mozc.tsv')
from mozc_model import Table, mozc_display, mozc_flush
obs = json.load(open(sys.argv[1] if len(sys.argv) > 1 else '/tmp/mozc_obs.json'))
FIX = {'\u2212': '-'}
obs = {s: tuple(''.join(FIX.get(ch, ch) for ch in v) for v in vals) for s, vals in obs.items()}
A = 'abcdefghijklmnopqrstuvwxyz-'
def split(d):
    m = re.match(r'^(.*?)([\x21-\x7e]*)$', d); return m.group(1), m.group(2)
live = {''}
for s in sorted(obs, key=len):
    if obs[s][0] == s and s[:-1] in live and any(
            (s + c) in obs and not obs[s + c][0].startswith(s[0]) for c in A):
        live.add(s)
rows = {}
order = sorted(obs, key=lambda x: (len(x), x))
for s in order:  # rows that complete at once
    if s in live: continue
    p = s[:-1]
    if p not in live: continue
    tab = Table(rows)
    if mozc_display(tab, s) == obs[s][0]: continue
    k, t = split(obs[s][0])
    if k and s != t: rows[s] = (k, t)
rows['www'] = ('w', 'ww')  # shown all raw yet not live: Mozc's row for typing web addresses
for s in sorted(live - {''}, key=lambda x: (len(x), x)):  # live prefixes that are rows too
    k, t = split(obs[s][1])
    if not k or re.search(r'[\x21-\x7e]', k): continue
    for pend in [''] + [s[i:] for i in range(len(s) - 1, 0, -1)]:
        trial = dict(rows); trial[s] = (k, pend); tab = Table(trial)
        if all(mozc_display(tab, s + c) == obs[s + c][0] for c in A if s + c in obs):
            rows[s] = (k, pend); break
    else:
        print('no pending fits', s, k, file=sys.stderr)
# rows whose output is raw letters (Mozc keeps "www" for web addresses)
tab = Table(rows)
for s in order:
    if mozc_display(tab, s) != obs[s][0] and obs[s][0] == s and s[:-1] in rows:
        rows[s] = (s[0], s[1:]); tab = Table(rows)
tab = Table(rows)
def kana_head(d): return RAWRE.split(d)[0]
def same(s):
    d, f = mozc_display(tab, s), mozc_flush(tab, s)
    if kana_head(d) != kana_head(obs[s][0]): return False
    if RAWRE.search(obs[s][1]): return bool(RAWRE.search(f)) and kana_head(f) == kana_head(obs[s][1])
    return f == obs[s][1]
RAWRE = re.compile(r'[\x21-\x7e]')
bad = [(s, obs[s], mozc_display(tab, s), mozc_flush(tab, s)) for s in order if not same(s)]
print(len(rows), 'rows;', len(live) - 1, 'live prefixes;', len(bad), 'observations unexplained')
for b in bad[:40]: print(b)
# Mozc's ww row keeps one w pending, like kk; the one-row-per-string rows above stand in for it.
rows['ww'] = ('っ', 'w')
# Drop rows that the others already explain, longest first.
for key in sorted(list(rows), key=lambda x: (-len(x), x)):
    if len(key) < 2: continue
    trial = dict(rows); del trial[key]; tab = Table(trial)
    if all(same(s) for s in order if key[:2] in s):
        rows = trial
tab = Table(rows)
print(len(rows), 'rows after pruning;', sum(not same(s) for s in order), 'unexplained')
with open(OUT, 'w') as f:
    f.write('# Mozc 2.28.4715 romaji rows, derived by typing into the real Mozc (mozc_emacs_helper)\n# input TAB output [TAB pending]; written by tools/mozc_derive.py\n')
    for s, (k, t) in sorted(rows.items()):
        f.write('%s\t%s%s\n' % (s, k, '\t' + t if t else ''))
