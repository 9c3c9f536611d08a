#!/usr/bin/env bash
# Writes the hand-made seeds of the save and input readers' fuzz targets: the
# records file, settings.ini, romaji-learned.txt, ranking_names.txt, own word
# lists, key scripts and recordings.
# Usage: fuzz/save_seeds.sh [CORPUS_DIR]   (default fuzz/corpus)
set -euo pipefail
out="${1:-$(dirname "$0")/corpus}"
mkdir -p "$out"/{records_file,settings_file,romaji_learned,ranking_names,own_list,key_script,recording}

python3 - "$out" <<'PY'
import struct, sys
out = sys.argv[1]

def check(fields: bytes) -> int:
    """The records line check: FNV-style over 8-byte words, folded to 16 bits."""
    m = (1 << 64) - 1
    h, p = 14695981039346656037, 0
    while len(fields) - p >= 8:
        (w,) = struct.unpack_from("<Q", fields, p)
        h = ((h ^ w) * 1099511628211) & m
        h ^= h >> 29
        p += 8
    for b in fields[p:]:
        h = ((h ^ b) * 1099511628211) & m
    h ^= h >> 32
    return ((h >> 16) ^ h) & 0xFFFF

def line(fields: str) -> bytes:
    f = fields.encode()
    return f + b" *%04x\n" % check(f)

header = b"mirutena-records 1\n"
part = line("20261201T203000Z part 3 2 hard 4 1 12345 321 7 90 2400 2 a20k3-1 k2 m=2 t=2000 "
            "w=か.っ.%25/kakka/12/30/1/1kx.2ka,き/ki/-/0/0/")
old = line("20250101T000000Z part 1 1 - 1 0 500 40 2 10 800 4 a10 -")
practice = line("20261202T010203Z practice 0 0 normal 0 1 0 55 0 55 300 3 - - m=2 t=280 x=later")
files = {
    "three.txt": header + part + old + practice,
    "damaged.txt": header + part.replace(b" 321 ", b" 322 ") + old + b"\0\0\0",
    "cut_tail.txt": header + old + part[:40],
    "cut_header.txt": header[:9],
    "newer.txt": b"mirutena-records 2\n" + old,
    "not_ours.txt": b"score 100\n",
}
for name, data in files.items():
    open(f"{out}/records_file/{name}", "wb").write(data)

settings = """# Mirutena settings.
music = on
sound = off
music_volume = 80
effects_volume = 100
translucency = on
show_fps = off
window_scale = 2
full_screen = off
romaji = mine
difficulty = hard
stage_look = classic
"""
open(f"{out}/settings_file/settings.ini", "w").write(settings)
open(f"{out}/settings_file/damaged.ini", "wb").write(
    b"\xef\xbb\xbfmusic = maybe\r\nmusic_volume = +250\r\nwindow_scale = -3 ; comment\r\n"
    b"colour = red\r\nno pair here\r\nRomaji = Kunrei\r\nromaji = hepburn\r\n")

open(f"{out}/romaji_learned/learned.txt", "w").write(
    "# spellings the player typed last\nし=SI\nつ=TU\nふ=HU\nっ=double\nちゃ=CYA\nん=NN\n")
open(f"{out}/romaji_learned/damaged.txt", "wb").write(
    "[mine]\r\n  じ = ZI  \r\nか=ka\r\nabc=A\r\nっ=XTU\r\nきゃく=KYAKU\r\n=A\r\n".encode()
    + b"\x82\xa0=A\r\n")

open(f"{out}/ranking_names/names.txt", "w").write(
    "# mirutena ranking names: difficulty, score, name, date (tab-separated)\n"
    "normal\t46368\tMIRU\t2026-12-08\nnormal\t46368\tX7-Q\t2026-12-09\n"
    "hard\t70000\tABCDEFGH\t2024-02-29\neasy\t300\tNANASHI\t2026-01-01\n")
open(f"{out}/ranking_names/damaged.txt", "wb").write(
    b"normal\t500\tmiru\t2026-12-08\r\nnormal\t-4\tX\t2026-12-08\nhard\t9\tX\t2026-02-30\n"
    b"medium\t1\tA\t2026-01-01\n\x00\xff\nnormal\t400\tX\t2026-12-08\textra\nnormal\t7")

open(f"{out}/own_list/words.txt", "w").write(
    "# my words\n学校:がっこう;\n電車\tでんしゃ\n本屋さん : ほんやさん ;\nend;\n")
open(f"{out}/own_list/problems.txt", "wb").write(
    "\ufeffきって:きって;\nno reading\n:よみ;\nかな:っ;\n絵文字😀:えもじ;\n"
    "ヴァイオリン:ゔぁいおりん;\r\n".encode())
open(f"{out}/own_list/latin1.txt", "wb").write(b"caf\xe9:" + "かふぇ;\n".encode())

open(f"{out}/key_script/keys.txt", "w").write(
    "# start, type, pause\n1 press space\n40 type kanji-\n60 down left\n61 up LEFT\n"
    "70 focus-out\n75 focus-in\n80 press f1\n80 press pause\n90 press Enter\n")
open(f"{out}/key_script/bad.txt", "w").write("1 press space\n2 hold a\n")

open(f"{out}/recording/rec.txt", "w").write(
    "mirutena-record 3\nseed 4294967295\nstage 3\ntry-script /tmp/x y.lin\n"
    "difficulty easy\npractice 私の単語\n1 down space\n2 up space\n30 focus-out\n"
    "31 focus-in\n40 down a\n41 up a\nend 500\n")
# A recording that carries its try-out script and practice list.
open(f"{out}/recording/carried.txt", "w").write(
    "mirutena-record 3\nseed 7\ntry-script-text 9 my%20part.lin\ntry-script-data :1,a%0A\n"
    "try-script-data b%25c%0A\npractice-text 7 mine.txt\npractice-data a:%E3%81%82;%0A\n"
    "5 down b\n6 up b\n")
open(f"{out}/recording/older.txt", "w").write("mirutena-record 2\nseed 1\n1 down a\n")
open(f"{out}/recording/no_seed.txt", "w").write("mirutena-record 3\n# nothing\nend 3\n")
PY
echo "save seeds written to $out"
