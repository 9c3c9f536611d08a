// The kana table: reading the file, looking kana up and cutting readings.
#include "type_window/kana_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/sjis.h"

namespace {

using Strings = std::vector<std::string>;

Strings SjisLines(const Strings& utf8) {
  Strings out;
  for (const auto& l : utf8) out.push_back(Sjis(l));
  return out;
}

// A small table in the shape of the shipped one.
TKanaTable SmallTable() {
  TKanaTable t;
  std::string error;
  bool ok = ParseKanaTable(t,
                           SjisLines({"か:KA,CA;", "き:KI;", "く:KU,CU,QU;", "し:SI,SHI,CI;",
                                      "きゃ:KYA,KIXYA,KILYA;", "ゃ:XYA,LYA;", "end;"}),
                           "hiragana.txt", error);
  EXPECT_TRUE(ok) << error;
  return t;
}

Strings Units(TKanaTable& t, const std::string& utf8, bool* stalled = nullptr) {
  Strings out;
  for (const auto& u : CutReading(t, Sjis(utf8), stalled)) out.push_back(SjisToUtf8(u));
  return out;
}

TEST(KanaTableFile, LaterDuplicateWinsAndNothingAfterEndIsRead) {
  TKanaTable t;
  std::string error;
  ASSERT_TRUE(ParseKanaTable(t, SjisLines({"し:SI;", "か:KA;", "し:SHI,CI;", "end;", "ち:TI;"}),
                             "h.txt", error));
  EXPECT_EQ(t.Count, 3);
  KanaEntry* si = FindKana(t, Sjis("し"));
  ASSERT_NE(si, nullptr);
  EXPECT_EQ(*si, (KanaEntry{Sjis("し"), "SHI", "CI"}));
  EXPECT_EQ(FindKana(t, Sjis("ち")), nullptr);
  EXPECT_EQ(FindKana(t, Sjis("しか")), nullptr);
}

TEST(KanaTableFile, BrokenFilesAreRejectedWithFileAndLine) {
  struct Case {
    Strings Lines;
    std::string Expected;
  };
  const std::vector<Case> cases = {
      {{"か:KA;", "きKI;", "end;"}, "h.txt:2: a line without \":\""},
      {{"か:KA;", "", "end;"}, "h.txt:2: blank line"},
      {{"か:KA;", "き:KI;"}, "h.txt:3: the file ends without \"end;\""},
      {{"か:KA,,CA;", "end;"}, "h.txt:1: an empty romaji"},
      {{"か:KA,CA", "end;"}, "h.txt:1: a romaji without a closing \",\" or \";\""},
      {{"か:", "end;"}, "h.txt:1: a kana without romaji"},
      {{"か:ka;", "end;"}, "h.txt:1: romaji may hold only A-Z and \"-\""},
      {{":KA;", "end;"}, "h.txt:1: the key before \":\" must be one or two kana"},
  };
  for (const auto& c : cases) {
    TKanaTable t;
    std::string error;
    EXPECT_FALSE(ParseKanaTable(t, SjisLines(c.Lines), "h.txt", error));
    EXPECT_EQ(error, c.Expected);
    EXPECT_EQ(t.Count, 0);
  }
}

TEST(KanaTableFile, HoldsAtMostTwoHundredEntries) {
  Strings lines(200, Sjis("か:KA;"));
  lines.push_back("end;");
  TKanaTable t;
  std::string error;
  EXPECT_TRUE(ParseKanaTable(t, lines, "h.txt", error)) << error;
  lines.insert(lines.begin(), Sjis("き:KI;"));
  EXPECT_FALSE(ParseKanaTable(t, lines, "h.txt", error));
  EXPECT_EQ(error, "h.txt:201: more than 200 entries");
}

TEST(Letters, NumbersAndFirstLetters) {
  EXPECT_EQ(LetterNumber("A"), 1);
  EXPECT_EQ(LetterNumber("Z"), 26);
  EXPECT_EQ(LetterNumber("-"), 27);
  EXPECT_EQ(LetterNumber(Sjis("＊")), -1);
  EXPECT_EQ(LetterNumber("a"), -1);
  EXPECT_EQ(LetterName(28), Sjis("＊"));
  EXPECT_EQ(FirstLetters({"SI", "", "CI", "SHI", "TI"}), (Strings{"S", "C", "T"}));
  TKanaTable t = SmallTable();
  EXPECT_EQ(KanaFirstLetters(t, Sjis("く")), (Strings{"K", "C", "Q"}));
  EXPECT_TRUE(KanaFirstLetters(t, Sjis("ぬ")).empty());
}

TEST(CutReading, PrefersTwoKanaUnits) {
  TKanaTable t = SmallTable();
  EXPECT_EQ(Units(t, "きゃく"), (Strings{"きゃ", "く"}));
  EXPECT_EQ(Units(t, "きき"), (Strings{"き", "き"}));
  // A lone small kana still cuts when the table has it.
  EXPECT_EQ(Units(t, "ゃか"), (Strings{"ゃ", "か"}));
}

TEST(CutReading, UnknownUnitStallsAndKeepsWhatWasCut) {
  TKanaTable t = SmallTable();
  bool stalled = false;
  EXPECT_EQ(Units(t, "かぬき", &stalled), (Strings{"か"}));
  EXPECT_TRUE(stalled);
  // 98 units cut; 99 units end the cut at the step limit.
  std::string long98, long99;
  for (int i = 0; i < 98; ++i) long98 += "か";
  long99 = long98 + "き";
  EXPECT_EQ(Units(t, long98, &stalled).size(), 98u);
  EXPECT_FALSE(stalled);
  EXPECT_EQ(Units(t, long99, &stalled).size(), 99u);
  EXPECT_TRUE(stalled);
}

}  // namespace
