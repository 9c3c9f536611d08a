// The word-reading check on lines at the edges: empty readings and readings
// whose candidate counts or widths pass the range of the integer types.
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

TEST(WordReadingLimits, HugeCandidateCountIsWrittenInFull) {
  // 98 kana of three spellings each: 3^98 candidates, far beyond 64 bits.
  const TKanaTable t = TableOf({Sjis("し:SI,SHI,CI;"), "end;"});
  Strings errors, warnings;
  CheckWordReadings(t, {"x:" + Repeat(Sjis("し"), 98) + ";"}, "dat1", 10, errors, warnings);
  // Far too many to build when a window opens: refused, the count in full.
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(warnings.empty());
  EXPECT_NE(errors[0].find("has 57264168970223" /* leading digits of 3^98 */), std::string::npos)
      << errors[0];
  EXPECT_NE(errors[0].find(" romaji candidates (at most 100000"), std::string::npos);
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
