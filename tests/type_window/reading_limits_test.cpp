// The word-reading check on lines at the edges: empty readings, readings the
// engine cannot type, and readings whose spelling counts or widths pass the
// range of the integer types.
#include <gtest/gtest.h>

#include "base/sjis.h"
#include "type_window/type_window.h"

namespace {

using Strings = std::vector<std::string>;

TKanaTable TableOf(const Strings& lines) {
  TKanaTable t;
  std::string error;
  EXPECT_TRUE(ParseKanaTable(t, lines, "hiragana.txt", error)) << error;
  return t;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(WordReadingLimits, EmptyReadingIsAnErrorNotACrash) {
  const TKanaTable t = TableOf({Sjis("あ:A;"), "end;"});
  Strings errors, warnings;
  CheckWordReadings(t, {"x:;", Sjis("y:あ;")}, "dat1", 10, errors, warnings);
  ASSERT_EQ(errors, (Strings{"dat1:1: no reading after \":\""}));
  EXPECT_TRUE(warnings.empty());
}

TEST(WordReadingLimits, ReadingsOfAnyLengthAreTypedUnitByUnit) {
  // 98 kana of three spellings each: 3^98 whole-word spellings, far beyond 64
  // bits. Nothing is listed, so the reading is accepted and a mix of the
  // spellings is matched whole.
  const TKanaTable t = TableOf({Sjis("し:SI,SHI,CI;"), "end;"});
  Strings errors, warnings;
  const std::string reading = Repeat(Sjis("し"), 98);
  CheckWordReadings(t, {"x:" + reading + ";"}, "dat1", 10, errors, warnings);
  EXPECT_TRUE(errors.empty()) << errors.front();
  std::vector<std::string> units;
  ASSERT_EQ(ReadingError(t, reading, &units), "");
  const TRomajiWord word = MakeRomajiWord(t, units);
  EXPECT_GT(SpellingCount(word), 1e46);
  std::string mix;
  for (int i = 0; i < 98; ++i) mix += i % 3 == 0 ? "SI" : i % 3 == 1 ? "SHI" : "CI";
  TRomajiPath path;
  EXPECT_TRUE(WholePath(word, mix, GuidePath(word, TGuideStyle{}), path));
  EXPECT_EQ(PathRomaji(word, path), mix);
  EXPECT_FALSE(WholePath(word, mix + "S", path, path));
}

TEST(WordReadingLimits, ReadingsTheEngineCannotTypeAreNamed) {
  const TKanaTable t = TableOf({Sjis("ね:NE;"), Sjis("こ:KO;"), Sjis("っ:XTU;"), "end;"});
  // A trailing byte that is not a kana, a kana the table lacks, a final っ.
  EXPECT_EQ(ReadingError(t, Sjis("ねこ") + "\x82"),
            "the reading ends in a byte that is not a kana (0x82)");
  EXPECT_EQ(ReadingError(t, Sjis("ねこX")), "the reading has \"X\", which the kana table lacks");
  EXPECT_EQ(ReadingError(t, Sjis("ねっ")), "a reading must not end in \"っ\"");
  EXPECT_EQ(ReadingError(t, Sjis("ねっこ")), "");
}

TEST(WordReadingLimits, WindowWidthOfVeryLongRomajiDoesNotWrap) {
  // 90 x 1000 letters of the widest picture the bitmap reader allows: in
  // 32-bit arithmetic the width wraps negative and the window reads as narrow.
  const TKanaTable t = TableOf({Sjis("あ:") + std::string(1000, 'A') + ";", "end;"});
  Strings errors, warnings;
  CheckWordReadings(t, {"x:" + Repeat(Sjis("あ"), 90) + ";"}, "dat1", 32768, errors, warnings);
  EXPECT_TRUE(errors.empty());
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("is wider than the field"), std::string::npos) << warnings[0];
}

}  // namespace

// The check the game makes at start leaves out the windows' widths: the same
// errors, no width warnings.
TEST(WordReadingLimits, StartCheckFindsTheSameErrorsWithoutWidths) {
  const TKanaTable t = TableOf({Sjis("し:SI,SHI,CI;"), "end;"});
  const Strings words = {"wide:" + Repeat(Sjis("し"), 60) + ";", Sjis("bad:しX;"), "x:;"};
  Strings errors, warnings, startErrors, startWarnings;
  CheckWordReadings(t, words, "dat1", 10, errors, warnings);
  CheckWordReadings(t, words, "dat1", 10, startErrors, startWarnings, false);
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(startErrors, errors);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("wider than the field"), std::string::npos) << warnings[0];
  EXPECT_TRUE(startWarnings.empty());
}
