#!/usr/bin/env bash
# Rebuilds the seed corpora under fuzz/corpus/ from a generated runtime folder
# (the data as the game reads it: CP932, CR LF) and the generated catalog
# blobs, plus a few hand-made bitmaps and save files in the other layouts the
# readers accept.  Usage: fuzz/make_corpus.sh [BUILD_DIR]   (default build/fuzz)
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
build="${1:-build/fuzz}"
game="$build/game"
gen="$build/generated"
out=fuzz/corpus
for f in "$game/dat/hiragana.txt" "$game/abc/A.bmp" "$game/bgm/event8.mid" \
  "$gen/pictures.bin" "$gen/sounds.bin"; do
  [ -f "$f" ] || { echo "missing $f: build the game data of $build first" >&2; exit 1; }
done

rm -rf "$out"
mkdir -p "$out"/{kana_table,word_list,stage_script,bmp,midi_length,score_files,catalog_blobs}
mkdir -p "$out"/{records_file,settings_file,romaji_learned,own_list,key_script,recording,ending_text}

# Kana table, alone and followed by readings (the lines after "end;" are
# readings for the candidate expansion); the readings come from the word lists.
cp "$game/dat/hiragana.txt" "$out/kana_table/hiragana.txt"
for n in 1 4 8; do
  { cat "$game/dat/hiragana.txt"
    head -n 12 "$game/dat/dat$n.lin" | sed -n 's/^.*:\(.*\);\r$/\1\r/p'
  } > "$out/kana_table/hiragana_readings$n.txt"
done

for n in 1 2 3 4 5 6 7 8; do cp "$game/dat/dat$n.lin" "$out/word_list/dat$n.lin"; done

for f in "$game"/dat/*_stage*.lin; do cp "$f" "$out/stage_script/"; done

# Letters and tiles as generated (the "＊" letter under a plain name).
cp "$game/abc/A.bmp" "$game/abc/Z.bmp" "$game/abc/-.bmp" "$out/bmp/"
cp "$game/abc/＊.bmp" "$out/bmp/star.bmp"
for t in blue brick sea; do cp "$game/abc/$t.bmp" "$out/bmp/"; done

# Ending texts as shipped (the roll of stage 10 is the longest).
for n in 1 5 10; do cp "$game/dat/ending$n.lin" "$out/ending_text/"; done

for f in "$game"/bgm/*.mid; do cp "$f" "$out/midi_length/"; done

# The catalog blobs are megabytes long: their first 60 KiB (whole items and a
# cut one) keep the seeds within the run's length limit.
head -c 61440 "$gen/pictures.bin" > "$out/catalog_blobs/pictures_head.bin"
head -c 61440 "$gen/sounds.bin" > "$out/catalog_blobs/sounds_head.bin"
head -c 8 "$gen/pictures.bin" > "$out/catalog_blobs/pictures_header.bin"

python3 - "$out" <<'PY'
import struct, sys
out = sys.argv[1]

# Save files: five little-endian scores; twenty cleared-stage bytes.
with open(f"{out}/score_files/score.rnk", "wb") as f:
    f.write(struct.pack("<5i", 98760, 54320, 12340, 5000, 10))
with open(f"{out}/score_files/clear.clr", "wb") as f:
    f.write(bytes([1, 1, 1, 0, 1, 0, 0, 0, 0, 0] + [0] * 10))
with open(f"{out}/score_files/short.rnk", "wb") as f:
    f.write(struct.pack("<3i", 1, 2, 3))

# Bitmaps in the other layouts: paletted 1/4/8 bits, 16 bits with and without
# bit fields, 32 bits, top-down rows and the old core header.
def bmp(name, w, h, bits, rows, palette=b"", core=False, masks=None, topdown=False):
    stride = ((w * bits + 31) // 32) * 4
    data = b"".join(r.ljust(stride, b"\0") for r in rows)
    if core:
        dib = struct.pack("<IHHHH", 12, w, h, 1, bits)
    else:
        comp = 3 if masks else 0
        dib = struct.pack("<IiiHHIIiiII", 40, w, -h if topdown else h, 1, bits, comp,
                          len(data), 2835, 2835, len(palette) // 4, 0)
        if masks:
            dib += struct.pack("<3I", *masks)
    off = 14 + len(dib) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", off + len(data), 0, 0, off)
    with open(f"{out}/bmp/{name}", "wb") as f:
        f.write(head + dib + palette + data)

pal2 = bytes([0, 0, 0, 0, 255, 255, 255, 0])
pal16 = b"".join(bytes([i * 16, 255 - i * 16, i * 8, 0]) for i in range(16))
pal256 = b"".join(bytes([i, i // 2, 255 - i, 0]) for i in range(256))
bmp("mono.bmp", 10, 4, 1, [bytes([0b10101010, 0b01000000])] * 4, pal2)
bmp("nibble.bmp", 5, 3, 4, [bytes([0x01, 0x23, 0x40])] * 3, pal16)
bmp("byte.bmp", 4, 2, 8, [bytes([0, 64, 128, 255])] * 2, pal256, topdown=True)
bmp("rgb555.bmp", 3, 2, 16, [struct.pack("<3H", 0x7C00, 0x03E0, 0x001F)] * 2)
bmp("rgb565.bmp", 3, 2, 16, [struct.pack("<3H", 0xF800, 0x07E0, 0x001F)] * 2,
    masks=(0xF800, 0x07E0, 0x001F))
bmp("argb.bmp", 2, 2, 32, [struct.pack("<2I", 0xFF112233, 0x80445566)] * 2)
bmp("core.bmp", 3, 2, 24, [bytes([1, 2, 3, 4, 5, 6, 7, 8, 9])] * 2, core=True)
PY
# The player's files, written by hand (see fuzz/README.md).
bash fuzz/save_seeds.sh "$out"
echo "seeds written to $out"
