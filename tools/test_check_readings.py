#!/usr/bin/env python3
# Tests of the word-list reading checker: kana handling, list shape rules and, when MeCab is
# installed, the reported disagreements and the kept-readings document.
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_readings as cr  # noqa: E402

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_readings.py")
TABLE = {k: [r] for k, r in [("あ", "A"), ("い", "I"), ("か", "KA"), ("き", "KI"), ("し", "SI"),
                             ("きゃ", "KYA"), ("っ", "XTU"), ("ん", "N"), ("ー", "-")]}
# Kana whose first romaji start with twelve different letters, for lists that must pass.
TWELVE = "あいうえおかさたなはまや"


def MakeTable(directory):
    pairs = list(zip(TWELVE, ["A", "I", "U", "E", "O", "KA", "SA", "TA", "NA", "HA", "MA", "YA"]))
    pairs += [("め", "ME"), ("こ", "KO"), ("ぬ", "NU"), ("ん", "N"), ("っ", "XTU")]
    lines = ["%s:%s;" % pair for pair in pairs] + ["end;"]
    with open(os.path.join(directory, "hiragana.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


class KanaTests(unittest.TestCase):
    def test_katakana_becomes_hiragana_but_marks_stay(self):
        self.assertEqual(cr.ToHiragana("コーヒー"), "こーひー")
        self.assertEqual(cr.ToHiragana("ジュース雨"), "じゅーす雨")
        self.assertEqual(cr.ToHiragana("ヴァ"), "ヴぁ")

    def test_two_kana_units_win_and_unknown_kana_fail(self):
        self.assertEqual(cr.CutUnits("きゃっか", TABLE), ["きゃ", "っ", "か"])
        self.assertEqual(cr.CutUnits("きき", TABLE), ["き", "き"])
        self.assertIsNone(cr.CutUnits("かゐ", TABLE))


class ShapeTests(unittest.TestCase):
    def Entries(self, readings):
        return [(i + 1, "w%d" % i, r) for i, r in enumerate(readings)]

    def Messages(self, readings, level=2, limits=(1, 200, 1)):
        return [m for _, m in cr.CheckShape("x", self.Entries(readings), TABLE, level, limits)]

    def test_clean_list_has_no_problem(self):
        self.assertEqual(self.Messages(["あか", "きゃっか", "しんか"]), [])

    def test_each_reading_fault_is_named(self):
        messages = self.Messages(["あかっ", "かゐ", "あ"], level=1)
        self.assertTrue(any("ends with っ" in m for m in messages))
        self.assertTrue(any("missing from the table" in m for m in messages))
        self.assertTrue(any("level-1 reading あ " in m for m in messages))
        self.assertEqual(len(messages), 3)

    def test_level_one_counts_kana_not_units(self):
        self.assertEqual(self.Messages(["きゃか", "しー"], level=1), [])
        self.assertEqual(len(self.Messages(["きゃかし"], level=1)), 1)

    def test_size_letters_and_repeats(self):
        messages = self.Messages(["あか", "いか"], limits=(3, 200, 3))
        self.assertIn("2 words, expected 3 to 200", messages)
        self.assertIn("only 2 first letters (AI)", messages)
        entries = [(1, "赤", "あか"), (2, "赤", "あか")]
        found = cr.CheckShape("x", entries, TABLE, 2, (1, 200, 1))
        self.assertEqual(found, [(2, "赤 repeats line 1")])


class FileTests(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp()

    def tearDown(self):
        shutil.rmtree(self.directory)

    def Write(self, name, text):
        path = os.path.join(self.directory, name)
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        return path

    def test_reading_is_after_the_last_colon(self):
        entries, problems, saw_end = cr.ReadWordList(self.Write("a.lin", "a:b:あか;\nend;\n"))
        self.assertEqual((entries, problems, saw_end), ([(1, "a:b", "あか")], [], True))

    def test_bad_lines_are_reported(self):
        text = "雨:あめ\n☃:ゆき;\n%s:あ;\nno colon\r\n" % ("長" * 130)
        _, problems, saw_end = cr.ReadWordList(self.Write("a.lin", text))
        self.assertFalse(saw_end)
        lines = {(n, m.split(":")[0].split(" ")[0]) for n, m in problems}
        self.assertIn((1, "reading"), lines)
        self.assertIn((2, "not"), lines)
        self.assertIn((3, "longer"), lines)
        self.assertIn((4, "not"), lines)
        self.assertIn((0, "has"), lines)
        self.assertIn((0, "no"), lines)

    def test_kept_rows_are_read_from_tables_only(self):
        path = self.Write("k.md", "| dat2.lin | 米 | こめ | べい | why |\n| list | a | b |\n"
                                  "dat3.lin | 茄子 | なす |\n")
        self.assertEqual(cr.ReadKept(path), {("dat2.lin", "米", "こめ")})


@unittest.skipUnless(shutil.which("mecab"), "MeCab is not installed")
class DictionaryTests(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.mkdtemp()
        MakeTable(self.directory)
        words = ["雨:あめ;", "米:こめ;", "猫:いぬ;"] + ["%s:%s;" % (k, k) for k in TWELVE]
        with open(os.path.join(self.directory, "dat2.lin"), "w", encoding="utf-8") as f:
            f.write("\n".join(words + ["end;"]) + "\n")

    def tearDown(self):
        shutil.rmtree(self.directory)

    def Run(self, *extra):
        command = [sys.executable, SCRIPT, "--data", self.directory, "--min-words", "1"]
        result = subprocess.run(command + list(extra) + ["2"], capture_output=True, text=True)
        return result.returncode, result.stdout.splitlines()

    def test_disagreements_are_printed(self):
        code, lines = self.Run()
        self.assertEqual(code, 1)
        self.assertEqual(lines, ["dat2.lin:2: 米 こめ べい", "dat2.lin:3: 猫 いぬ ねこ"])

    def test_kept_rows_silence_and_stale_rows_show(self):
        kept = os.path.join(self.directory, "kept.md")
        with open(kept, "w", encoding="utf-8") as f:
            f.write("| dat2.lin | 米 | こめ | べい | x |\n| dat2.lin | 雨 | あめ | あめ | x |\n")
        code, lines = self.Run("--kept", kept)
        self.assertEqual(code, 1)
        self.assertEqual(lines, ["dat2.lin:3: 猫 いぬ ねこ",
                                 "dat2.lin: kept entry 雨 あめ no longer disagrees or is gone"])


if __name__ == "__main__":
    unittest.main()
