# Writes ../msime.tsv: the Microsoft IME's romaji table rebuilt from Microsoft's published
# romaji/kana chart, in Mozc's input/output/pending format (a rebuild, not read from the IME).
import os
R = {}
def put(keys, kana):
    for k in keys.split(): R[k] = kana
VOWELS = 'aiueo'
def row(cons, kana5):  # one consonant over the five vowels; '' skips a cell
    for v, k in zip(VOWELS, kana5.split(',')):
        if k: put(cons + v, k)
row('', 'あ,い,う,え,お')
row('l', 'ぁ,ぃ,ぅ,ぇ,ぉ'); row('x', 'ぁ,ぃ,ぅ,ぇ,ぉ')
put('lyi xyi', 'ぃ'); put('lye xye', 'ぇ'); put('yi', 'い'); put('ye', 'いぇ')
put('wu whu', 'う'); put('wha', 'うぁ'); put('wi whi', 'うぃ'); put('we whe', 'うぇ'); put('who', 'うぉ')
row('k', 'か,き,く,け,こ'); put('ca', 'か'); put('cu qu', 'く'); put('co', 'こ')
row('ky', 'きゃ,きぃ,きゅ,きぇ,きょ'); put('qya', 'くゃ'); put('qyu', 'くゅ'); put('qyo', 'くょ')
put('qa qwa kwa', 'くぁ'); put('qi qwi qyi', 'くぃ'); put('qwu', 'くぅ')
put('qe qwe qye', 'くぇ'); put('qo qwo', 'くぉ')
put('lka xka', 'ヵ'); put('lke xke', 'ヶ')
row('g', 'が,ぎ,ぐ,げ,ご'); row('gy', 'ぎゃ,ぎぃ,ぎゅ,ぎぇ,ぎょ'); row('gw', 'ぐぁ,ぐぃ,ぐぅ,ぐぇ,ぐぉ')
row('s', 'さ,し,す,せ,そ'); put('ci shi', 'し'); put('ce', 'せ')
row('sy', 'しゃ,しぃ,しゅ,しぇ,しょ'); put('sha', 'しゃ'); put('shu', 'しゅ'); put('she', 'しぇ')
put('sho', 'しょ'); row('sw', 'すぁ,すぃ,すぅ,すぇ,すぉ')
row('z', 'ざ,じ,ず,ぜ,ぞ'); put('ji', 'じ')
row('zy', 'じゃ,じぃ,じゅ,じぇ,じょ'); row('jy', 'じゃ,じぃ,じゅ,じぇ,じょ')
put('ja', 'じゃ'); put('ju', 'じゅ'); put('je', 'じぇ'); put('jo', 'じょ')
row('t', 'た,ち,つ,て,と'); put('chi', 'ち'); put('tsu', 'つ')
row('ty', 'ちゃ,ちぃ,ちゅ,ちぇ,ちょ'); row('cy', 'ちゃ,ちぃ,ちゅ,ちぇ,ちょ')
put('cha', 'ちゃ'); put('chu', 'ちゅ'); put('che', 'ちぇ'); put('cho', 'ちょ')
row('ts', 'つぁ,つぃ,,つぇ,つぉ'); row('th', 'てゃ,てぃ,てゅ,てぇ,てょ')
row('tw', 'とぁ,とぃ,とぅ,とぇ,とぉ'); put('ltu xtu ltsu', 'っ')
row('d', 'だ,ぢ,づ,で,ど'); row('dy', 'ぢゃ,ぢぃ,ぢゅ,ぢぇ,ぢょ')
row('dh', 'でゃ,でぃ,でゅ,でぇ,でょ'); row('dw', 'どぁ,どぃ,どぅ,どぇ,どぉ')
row('n', 'な,に,ぬ,ね,の'); row('ny', 'にゃ,にぃ,にゅ,にぇ,にょ')
put('n nn xn', 'ん')  # a lone n is ん before a consonant and when the input ends
row('h', 'は,ひ,ふ,へ,ほ'); put('fu', 'ふ'); row('hy', 'ひゃ,ひぃ,ひゅ,ひぇ,ひょ')
row('f', 'ふぁ,ふぃ,,ふぇ,ふぉ'); row('fw', 'ふぁ,ふぃ,ふぅ,ふぇ,ふぉ')
row('fy', 'ふゃ,ふぃ,ふゅ,ふぇ,ふょ')
row('b', 'ば,び,ぶ,べ,ぼ'); row('by', 'びゃ,びぃ,びゅ,びぇ,びょ')
row('v', 'ヴぁ,ヴぃ,ヴ,ヴぇ,ヴぉ'); row('vy', 'ヴゃ,ヴぃ,ヴゅ,ヴぇ,ヴょ')
row('p', 'ぱ,ぴ,ぷ,ぺ,ぽ'); row('py', 'ぴゃ,ぴぃ,ぴゅ,ぴぇ,ぴょ')
row('m', 'ま,み,む,め,も'); row('my', 'みゃ,みぃ,みゅ,みぇ,みょ')
put('ya', 'や'); put('yu', 'ゆ'); put('yo', 'よ')
put('lya xya', 'ゃ'); put('lyu xyu', 'ゅ'); put('lyo xyo', 'ょ')
row('r', 'ら,り,る,れ,ろ'); row('ry', 'りゃ,りぃ,りゅ,りぇ,りょ')
put('wa', 'わ'); put('wo', 'を'); put('lwa xwa', 'ゎ'); put('wyi', 'ゐ'); put('wye', 'ゑ')
put('-', 'ー')
rows = {k: (v, '') for k, v in R.items()}
for c in 'bcdfghjklmpqrstvwxyz':  # a doubled consonant is っ and the consonant again
    rows[c + c] = ('っ', c)
here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, '..', 'msime.tsv'), 'w') as f:
    f.write("# Microsoft IME romaji rows, rebuilt from Microsoft's published chart (not read from the IME)\n# input TAB output [TAB pending]; written by tools/make_msime_table.py\n")
    for k in sorted(rows):
        out, pend = rows[k]
        f.write('%s\t%s%s\n' % (k, out, '\t' + pend if pend else ''))
print(len(rows), 'rows')
