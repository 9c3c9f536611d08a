# Explores Mozc's romaji composer from an empty composition. A string whose display is still
# all raw letters is "live" when some one-key extension consumes its first letter into kana;
# only live strings are extended (keys a-z and '-', up to length 5).
import json, sys, mozc_helper
A = 'abcdefghijklmnopqrstuvwxyz-'
FW = {chr(0xFF01 + i): chr(0x21 + i) for i in range(94)}
def ascii_(s): return ''.join(FW.get(ch, ch) for ch in s)
m = mozc_helper.Mozc()
obs = {}
def probe(s):
    if s not in obs:
        obs[s] = (ascii_(m.preedit(s)), ascii_(m.run(s, 'f6')), ascii_(m.run(s, 'enter')))
    return obs[s]
live = ['']
for depth in range(1, 6):
    cand = []
    for p in live:
        for c in A:
            if probe(p + c)[0] == p + c: cand.append(p + c)
    live = []
    for s in cand:
        if any(not probe(s + c)[0].startswith(s[0]) for c in A): live.append(s)
    print(depth, len(cand), len(live), live if depth > 1 else '', flush=True)
    if not live: break
json.dump(obs, open(sys.argv[1] if len(sys.argv) > 1 else "/tmp/mozc_obs.json", "w"), ensure_ascii=False, indent=0)
