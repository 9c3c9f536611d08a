# Python model of the Mozc composer over a row table, used to derive and check the rows.
import re
RAW = re.compile(r'[\x21-\x7e]')
class Table:
    def __init__(self, rows):
        self.rows = dict(rows)  # key -> (out, pend)
        self.pre = set()
        for k in self.rows:
            for i in range(1, len(k)): self.pre.add(k[:i])
def mozc_feed(tab, s):
    """Returns (committed, pending) after typing s; raw letters appear in committed."""
    out, p = '', ''
    for c in s:
        while True:
            t = p + c
            if t in tab.pre: p = t; break
            if t in tab.rows: o, p = tab.rows[t]; out += o; break
            if p and p in tab.rows: o, p = tab.rows[p]; out += o; continue
            if p: out += p; p = ''; continue
            out += c; break
    return out, p
def mozc_display(tab, s):
    o, p = mozc_feed(tab, s); return o + p
def mozc_flush(tab, s):
    o, p = mozc_feed(tab, s)
    if p in tab.rows: return o + tab.rows[p][0]
    # a pending without a row of its own: Mozc flushes its longest leading row, rest raw
    for i in range(len(p) - 1, 0, -1):
        if p[:i] in tab.rows: return o + tab.rows[p[:i]][0] + p[i:]
    return o + p
