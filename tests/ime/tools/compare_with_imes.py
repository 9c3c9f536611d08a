# Compares the C++ converter ("ime_wordlist_driver convert") with the real IMEs on many
# strings: every string mozc_explore.py recorded, every string of 1-4 keys in ibus-anthy's
# composer, and random strings of table rows with one key added or dropped in both.
# Usage: compare_with_imes.py DRIVER [mozc_obs.json]
import itertools, json, os, random, re, subprocess, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import anthy_oracle, mozc_helper

FW = {chr(0xFF01 + i): chr(0x21 + i) for i in range(94)}
FW['\u2212'] = '-'
RAW = re.compile(r'[\x21-\x7e]')
KATA = {ord('ヴ'): 'ゔ', ord('ヵ'): 'ゕ', ord('ヶ'): 'ゖ'}
KEYS = 'abcdefghijklmnopqrstuvwxyz-'
HERE = os.path.dirname(os.path.abspath(__file__))

def ours(driver, strings):
    p = subprocess.run([driver, 'convert'], input='\n'.join(strings) + '\n',
                       capture_output=True, text=True, check=True)
    return [line.split('\t') for line in p.stdout.splitlines()]

def compare(name, column, strings, truth, driver):
    bad = 0
    for row, seen in zip(ours(driver, strings), truth):
        seen = ''.join(FW.get(ch, ch) for ch in seen)
        want = '(raw)' if RAW.search(seen) else seen.translate(KATA)
        if row[column] != want:
            bad += 1
            if bad <= 10: print(name, row[0], 'IME:', seen, 'ours:', row[column])
    print('%s: %d strings, %d differ' % (name, len(strings), bad))
    return bad

def main(driver, obs_path):
    bad = 0
    if os.path.exists(obs_path):
        obs = json.load(open(obs_path))
        ss = sorted(obs)
        bad += compare('Mozc, explored strings', 1, ss, [obs[s][1] for s in ss], driver)
    ss = [''.join(t) for n in range(1, 5) for t in itertools.product(KEYS, repeat=n)]
    bad += compare('Anthy, all strings of 1-4 keys', 2, ss, [anthy_oracle.commit(s) for s in ss],
                   driver)
    rng = random.Random(7)
    rows = [l.split('\t')[0] for f in ('mozc.tsv', 'msime.tsv')
            for l in open(os.path.join(HERE, '..', f)) if not l.startswith('#')]
    ss = set()
    while len(ss) < 6000:
        s = ''.join(rng.choice(rows) for _ in range(rng.randint(2, 4)))
        i, r = rng.randrange(len(s) + 1), rng.random()
        if r < 0.3: s = s[:i] + rng.choice(KEYS) + s[i:]
        elif r < 0.5 and i < len(s): s = s[:i] + s[i + 1:]
        if s: ss.add(s)
    ss = sorted(ss)
    m = mozc_helper.Mozc()
    bad += compare('Mozc, random row strings', 1, ss, [m.run(s, 'f6') for s in ss], driver)
    bad += compare('Anthy, random row strings', 2, ss, [anthy_oracle.commit(s) for s in ss],
                   driver)
    return bad

if __name__ == '__main__':
    sys.exit(1 if main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else '/tmp/mozc_obs.json')
             else 0)
