# Replays letter strings in the real Mozc (through mozc_emacs_helper) and in ibus-anthy's own
# composer, writing ../observed_mozc.tsv and ../observed_anthy.tsv (letters TAB kana given).
# Input: the output of "ime_wordlist_driver list data/dat" (reading, spelling, typos).
import os, random, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import anthy_oracle, mozc_helper

CASES = '''shnkansen siinkansen shinkansen sinkansenn senkouhahabi senkouhanabi innu inu chiti
shichi citi uciwa uchiwa tskue tsukue denwwa denwa hankaci hankachi kinyoubi kinnyoubi
honyasann honnyasann gakcou gackou gakkou gaccou zacshi zasci zasshi zacci mactya maccha mattya
botchann bocchann bottyan kaaa kaxtua kanwu toshokaxn toshokan xtu ltu xtsu ltsu kwi kwe kwo
kwa qa tha the tho dha dhe dho wyi wye n nn nnn nna nya nyk kan kanna kannna ww wwa www xn
ka- a-i tcha tchi ccha xx lltu vu va ye yi whu wu zh z- hwyu nw nwa n- kk kka sichi siti
kwikwekwo thathetho dhadhedho wyiwye hwa kaltsua'''.split()

FW = {chr(0xFF01 + i): chr(0x21 + i) for i in range(94)}
FW['\u2212'] = '-'
def ascii_(s): return ''.join(FW.get(ch, ch) for ch in s)

def main(listing):
    strings = list(CASES)
    typos = []
    for line in open(listing, encoding='utf-8'):
        reading, spelling, rest = line.rstrip('\n').split('\t')
        strings.append(spelling)
        typos += rest.split()
    rng = random.Random(2028)
    strings += rng.sample(sorted(set(typos)), 2500)
    keys = 'abcdefghijklmnopqrstuvwxyz-'
    strings += [''.join(rng.choice(keys) for _ in range(rng.randint(1, 6))) for _ in range(500)]
    strings = list(dict.fromkeys(strings))
    here = os.path.dirname(os.path.abspath(__file__))
    m = mozc_helper.Mozc()
    with open(os.path.join(here, '..', 'observed_mozc.tsv'), 'w', encoding='utf-8') as f:
        f.write('# letters, then what Mozc 2.28 gives after F6 (hiragana conversion) and Enter\n')
        for s in strings: f.write('%s\t%s\n' % (s, ascii_(m.run(s, 'f6'))))
    with open(os.path.join(here, '..', 'observed_anthy.tsv'), 'w', encoding='utf-8') as f:
        f.write('# letters, then what ibus-anthy 1.5.14 commits (jastring, gsettings table)\n')
        for s in strings: f.write('%s\t%s\n' % (s, anthy_oracle.commit(s)))
    print(len(strings), 'strings')

if __name__ == '__main__':
    main(sys.argv[1])
