# Writes ../anthy.tsv: ibus-anthy 1.5.14's romaji rows as the engine uses them, in Mozc's
# input/output/pending format, restricted to rows typed with the game's keys (a-z and '-').
import os, sys
sys.path.insert(0, os.path.dirname(__file__))
import anthy_oracle
import tables  # ibus-anthy's own tables.py, put on the path by anthy_oracle

KEYS = 'abcdefghijklmnopqrstuvwxyz-'
rows = {}
for key, out in anthy_oracle.Prefs().keymap.items():
    letters = ''.join('-' if t == 'minus' else t for t in key.split('-'))
    if all(c in KEYS for c in letters): rows[letters] = (out, '')
for key, (out, pend) in tables.romaji_double_consonat_typing_rule.items():
    rows[key] = (out, pend)
# romaji.romaji_correction_rule_get: n before anything but "aiueony'" is ん, the key stays
for c in KEYS:
    if c not in "aiueony'": rows.setdefault('n' + c, ('ん', c))
here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, '..', 'anthy.tsv'), 'w') as f:
    f.write('# IBus-Anthy 1.5.14 romaji rows (GSettings default table, tables.py doubling, romaji.py n rule)\n# input TAB output [TAB pending]; written by tools/make_anthy_table.py\n')
    for k in sorted(rows):
        out, pend = rows[k]
        f.write('%s\t%s%s\n' % (k, out, '\t' + pend if pend else ''))
print(len(rows), 'rows')
