#!/usr/bin/env python3
# Compares the readings of the word lists data/dat/dat1..8.lin with MeCab (IPADIC) and KAKASI,
# and checks the lists' shape: size, CP932 text, kana the typing table knows, first letters.
"""Check the readings of the typing game's word lists.

Prints one line per disagreement, "file:line: display reading dictionary-reading", where the
dictionary reading is MeCab's best analysis turned into hiragana, and one line per shape
problem, "file:line: message". Disagreements listed in a kept-readings document (--kept) are
not printed; kept entries that no longer disagree are reported as stale. Exits 1 when anything
was printed, 0 otherwise, 2 when a tool or file is missing.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys

KATAKANA_FIRST, KATAKANA_LAST = 0x30A1, 0x30F6  # ァ .. ヶ
KANA_SHIFT = 0x60  # ア - あ
MAX_LINE_BYTES = 255  # the game keeps only this much of a line


def ToHiragana(text):
    """Katakana to hiragana; the long-vowel mark and everything else stay as they are.

    ヴ, ヵ and ヶ are kept in katakana because the typing table knows ヴ but not ゔ."""
    out = []
    for ch in text:
        code = ord(ch)
        if KATAKANA_FIRST <= code <= KATAKANA_LAST and ch not in "ヴヵヶ":
            out.append(chr(code - KANA_SHIFT))
        else:
            out.append(ch)
    return "".join(out)


def ReadKanaTable(path):
    """Returns {kana unit: [romaji, ...]} from the kana table (UTF-8 source)."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if line == "end;":
                break
            if ":" not in line:
                continue
            kana, rest = line.split(":", 1)
            rest = rest[:-1] if rest.endswith(";") else rest
            table[kana] = rest.split(",")
    return table


def CutUnits(reading, table):
    """Cuts a reading into table units, preferring two-kana units; None if a kana is unknown."""
    units, p = [], 0
    while p < len(reading):
        if reading[p : p + 2] in table and len(reading[p : p + 2]) == 2:
            units.append(reading[p : p + 2])
            p += 2
        elif reading[p] in table:
            units.append(reading[p])
            p += 1
        else:
            return None
    return units


def ReadWordList(path):
    """Returns ([(line number, display, reading)], problems, saw_end) of a UTF-8 word list."""
    entries, problems, saw_end = [], [], False
    with open(path, encoding="utf-8", newline="") as f:
        text = f.read()
    if "\r" in text:
        problems.append((0, "has CR characters; sources are LF only"))
    for number, line in enumerate(text.split("\n"), start=1):
        line = line.rstrip("\r")
        if line == "end;":
            saw_end = True
            break
        if ":" not in line or len(line) < 3:
            problems.append((number, "not a 'display:reading;' line: %r" % line))
            continue
        display, rest = line.rsplit(":", 1)
        if not rest.endswith(";"):
            problems.append((number, "reading does not end with ';'"))
        entries.append((number, display, rest[:-1]))
        try:
            if len(line.encode("cp932")) > MAX_LINE_BYTES:
                problems.append((number, "longer than %d bytes in CP932" % MAX_LINE_BYTES))
        except UnicodeEncodeError as error:
            problems.append((number, "not CP932: %r" % line[error.start : error.end]))
    if not saw_end:
        problems.append((0, "no 'end;' line"))
    return entries, problems, saw_end


def RunTool(command, lines):
    """Feeds lines to a dictionary tool on stdin and returns its UTF-8 output."""
    result = subprocess.run(
        command, input="\n".join(lines) + "\n", capture_output=True, text=True, check=True
    )
    return result.stdout


def ParseMecab(output):
    """Splits MeCab's default output into one list of (surface, reading or None) per sentence."""
    sentences, tokens = [], []
    for line in output.split("\n"):
        if line == "EOS":
            sentences.append(tokens)
            tokens = []
        elif "\t" in line:
            surface, features = line.split("\t", 1)
            fields = features.split(",")
            reading = fields[7] if len(fields) > 7 and fields[7] != "*" else None
            tokens.append((surface, reading))
    return sentences


def TokensToReading(tokens):
    """Joins token readings in hiragana; a token without a reading keeps its surface."""
    return "".join(ToHiragana(reading if reading else surface) for surface, reading in tokens)


def MecabReadings(displays, mecab):
    """MeCab's best reading of every display text, in order."""
    sentences = ParseMecab(RunTool([mecab], displays))
    if len(sentences) != len(displays):
        raise RuntimeError("MeCab gave %d analyses for %d lines" % (len(sentences), len(displays)))
    return [TokensToReading(tokens) for tokens in sentences]


def MecabAlternatives(display, mecab, count):
    """The readings of MeCab's `count` best analyses of one display text."""
    sentences = ParseMecab(RunTool([mecab, "-N", str(count)], [display]))
    return [TokensToReading(tokens) for tokens in sentences if tokens]


def KakasiReadings(displays, kakasi):
    """KAKASI's hiragana reading of every display text, in order."""
    command = [kakasi, "-JH", "-KH", "-i", "utf8", "-o", "utf8"]
    lines = RunTool(command, displays).split("\n")
    return [line.strip() for line in lines[: len(displays)]]


def ReadKept(path):
    """Reads the kept disagreements: table rows "| file | display | reading | ... |"."""
    kept = set()
    row = re.compile(r"^\|\s*(dat\d+\.lin)\s*\|\s*([^|]+?)\s*\|\s*([^|]+?)\s*\|")
    with open(path, encoding="utf-8") as f:
        for line in f:
            match = row.match(line)
            if match:
                kept.add((match.group(1), match.group(2), match.group(3)))
    return kept


def CheckShape(name, entries, table, level, limits):
    """Shape problems of one list: size, kana, ending, first letters, level-1 length."""
    problems = []
    low, high, letters_needed = limits
    if not low <= len(entries) <= high:
        problems.append((0, "%d words, expected %d to %d" % (len(entries), low, high)))
    first_letters, seen = set(), {}
    for number, display, reading in entries:
        if display in seen:
            problems.append((number, "%s repeats line %d" % (display, seen[display])))
        seen.setdefault(display, number)
        units = CutUnits(reading, table)
        if not reading or units is None:
            problems.append((number, "reading %r has kana missing from the table" % reading))
            continue
        if reading.endswith("っ"):
            problems.append((number, "reading %s ends with っ" % reading))
        if any(not table[unit] or not table[unit][0] for unit in units):
            problems.append((number, "reading %s has a unit without romaji" % reading))
            continue
        first_letters.add(table[units[0]][0][0])
        if level == 1 and not 2 <= len(reading) <= 3:
            problems.append((number, "level-1 reading %s is not 2 or 3 kana long" % reading))
    if len(first_letters) < letters_needed:
        problems.append(
            (0, "only %d first letters (%s)" % (len(first_letters), "".join(sorted(first_letters))))
        )
    return problems


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--data", default=os.path.join(here, "..", "data", "dat"))
    parser.add_argument("--kept", help="document whose table lists accepted disagreements")
    parser.add_argument("--explain", action="store_true", help="add n-best and KAKASI hints")
    parser.add_argument("--min-words", type=int, default=150)
    parser.add_argument("--max-words", type=int, default=200)
    parser.add_argument("--min-letters", type=int, default=12)
    parser.add_argument("--summary", action="store_true", help="print counts on stderr")
    parser.add_argument("lists", nargs="*", type=int, default=list(range(1, 9)))
    args = parser.parse_args()

    mecab = shutil.which("mecab")
    if not mecab:
        print("mecab not found (apt-get install mecab mecab-ipadic-utf8)", file=sys.stderr)
        return 2
    kakasi = shutil.which("kakasi") if args.explain else None
    table = ReadKanaTable(os.path.join(args.data, "hiragana.txt"))
    kept = ReadKept(args.kept) if args.kept else set()
    limits = (args.min_words, args.max_words, args.min_letters)

    printed, checked, agreed, kept_used = 0, 0, 0, set()
    for level in args.lists:
        name = "dat%d.lin" % level
        path = os.path.join(args.data, name)
        if not os.path.exists(path):
            print("%s: missing" % path, file=sys.stderr)
            return 2
        entries, problems, _ = ReadWordList(path)
        problems += CheckShape(name, entries, table, level, limits)
        for number, message in sorted(problems):
            print("%s:%d: %s" % (name, number, message))
            printed += 1
        displays = [display for _, display, _ in entries]
        found = MecabReadings(displays, mecab) if displays else []
        hints = KakasiReadings(displays, kakasi) if kakasi and displays else [None] * len(found)
        for (number, display, reading), dictionary, hint in zip(entries, found, hints):
            checked += 1
            if reading == dictionary:
                agreed += 1
                continue
            if (name, display, reading) in kept:
                kept_used.add((name, display, reading))
                continue
            line = "%s:%d: %s %s %s" % (name, number, display, reading, dictionary)
            if args.explain:
                rank = MecabAlternatives(display, mecab, 10)
                if reading in rank:
                    line += "  [MeCab choice %d]" % (rank.index(reading) + 1)
                if hint == reading:
                    line += "  [KAKASI agrees]"
            print(line)
            printed += 1
    for name, display, reading in sorted(kept - kept_used):
        if int(re.sub(r"\D", "", name)) in args.lists:
            print("%s: kept entry %s %s no longer disagrees or is gone" % (name, display, reading))
            printed += 1
    if args.summary:
        print(
            "checked %d, agreed %d, kept %d, printed %d"
            % (checked, agreed, len(kept_used), printed),
            file=sys.stderr,
        )
    return 1 if printed else 0


if __name__ == "__main__":
    sys.exit(main())
