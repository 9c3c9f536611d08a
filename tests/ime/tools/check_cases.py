# Replays the known cases in the real Mozc and in ibus-anthy's composer next to the
# converter's verdicts ("ime_wordlist_driver judge"), including, for each IME, the letters
# that still live finished by the converter's Completion: those must give the reading.
# Usage: check_cases.py DRIVER
import os, re, subprocess, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import anthy_oracle, mozc_helper

CASES = [
    ('しんかんせん', 'SHNKANSEN SIINKANSEN SHINKANSEN SINKANSENN'),
    ('せんこうはなび', 'SENKOUHAHABI'), ('いぬ', 'INNU'), ('しち', 'CHITI SICHI SITI CITI'),
    ('うちわ', 'UCIWA'), ('つくえ', 'TSKUE'), ('でんわ', 'DENWWA'), ('はんかち', 'HANKACI'),
    ('きんようび', 'KINYOUBI'), ('ほんやさん', 'HONYASANN'), ('がっこう', 'GAKCOU GACKOU'),
    ('ざっし', 'ZACSHI ZASCI'), ('まっちゃ', 'MACTYA MACCHA'), ('ぼっちゃん', 'BOTCHANN BOCCHANN'),
    ('かっあ', 'KAAA'), ('かんう', 'KANWU'), ('としょかん', 'TOSHOKAXN'),
    ('っ', 'XTU LTU XTSU LTSU'), ('くぃくぇくぉ', 'KWIKWEKWO'), ('てゃてぇてょ', 'THATHETHO'),
    ('でゃでぇでょ', 'DHADHEDHO'), ('ゐゑ', 'WYIWYE'), ('ふぁ', 'HWA'), ('んん', 'NNN'),
]
FW = {chr(0xFF01 + i): chr(0x21 + i) for i in range(94)}

def main(driver):
    m = mozc_helper.Mozc()
    bad = 0
    for reading, words in CASES:
        out = subprocess.run([driver, 'judge', reading] + words.split(), capture_output=True,
                             text=True, check=True).stdout
        for line in out.splitlines():
            letters = line.split()[1].rstrip(':')
            v = dict(re.findall(r'(\w+)=(\S+)', line))
            finishes = re.findall(r'(\w+)=\S+(?: YES)? dead@\S+ finish=(\S+)', line)
            yes = {ime: (' YES' in seg) for ime, seg in
                   re.findall(r'(Mozc|Anthy|Microsoft)=(\S+(?: YES)?)', line)}
            mozc = ''.join(FW.get(c, c) for c in m.run(letters.lower(), 'f6'))
            anthy = anthy_oracle.commit(letters.lower())
            ok = (mozc == reading) == yes['Mozc'] and (anthy == reading) == yes['Anthy']
            fin = dict(finishes)
            fm = ''.join(FW.get(c, c) for c in m.run(fin['Mozc'].lower(), 'f6'))
            fa = anthy_oracle.commit(fin['Anthy'].lower())
            ok = ok and fm == reading and fa == reading
            bad += not ok
            print('%s %-14s real Mozc %s, Anthy %s | ours %s | Mozc finish %s -> %s, '
                  'Anthy finish %s -> %s %s' % (reading, letters, mozc, anthy,
                                                line.split(':', 1)[1].strip(), fin['Mozc'], fm,
                                                fin['Anthy'], fa, 'ok' if ok else 'MISMATCH'))
    print(bad, 'mismatches')
    return bad

if __name__ == '__main__':
    sys.exit(1 if main(sys.argv[1]) else 0)
