// The kana table: reading the file, looking kana up, cutting readings and
// building the whole-word romaji candidates.
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
  bool ok =
      ParseKanaTable(t,
                     SjisLines({"か:KA,CA;", "き:KI;", "く:KU,CU,QU;", "こ:KO,CO;", "し:SI,SHI,CI;",
                                "ち:TI,CHI;", "て:TE;", "に:NI;", "は:HA;", "あ:A;", "い:I;",
                                "ん:N,NN,XN;", "っ:XTU,LTU,XTSU,LTSU;", "きゃ:KYA,KIXYA,KILYA;",
                                "ちゃ:TYA,CHA;", "ゃ:XYA,LYA;", "ま:MA;", "end;"}),
                     "hiragana.txt", error);
  EXPECT_TRUE(ok) << error;
  return t;
}

Strings Units(TKanaTable& t, const std::string& utf8, bool* stalled = nullptr) {
  Strings out;
  for (const auto& u : CutReading(t, Sjis(utf8), stalled)) out.push_back(SjisToUtf8(u));
  return out;
}

Strings Candidates(TKanaTable& t, const std::string& utf8) {
  return RomajiCandidates(t, Sjis(utf8));
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

TEST(Candidates, OrderFollowsTheTableAndSwitchesPerUnit) {
  TKanaTable t = SmallTable();
  EXPECT_EQ(Candidates(t, "しち"), (Strings{"SITI", "SHITI", "CITI", "SICHI", "SHICHI", "CICHI"}));
  EXPECT_EQ(Candidates(t, "きゃ"), (Strings{"KYA", "KIXYA", "KILYA"}));
  EXPECT_EQ(Candidates(t, "まきゃ"), (Strings{"MAKYA", "MAKIXYA", "MAKILYA"}));
}

TEST(Candidates, NBeforeNaRowAndVowelsIsDoubledThenRestoredAsNAndNN) {
  TKanaTable t = SmallTable();
  // Word-final ん with the file's romaji.
  EXPECT_EQ(Candidates(t, "まん"), (Strings{"MAN", "MANN", "MAXN"}));
  EXPECT_EQ(Candidates(t, "こんにちは").front(), "KONNNITIHA");
  for (const auto& c : Candidates(t, "こんにちは")) EXPECT_NE(c.find("NNNI"), std::string::npos);
  // From now on the entry holds N, NN: a final ん can be finished by one N.
  EXPECT_EQ(*FindKana(t, Sjis("ん")), (KanaEntry{Sjis("ん"), "N", "NN"}));
  EXPECT_EQ(Candidates(t, "まん"), (Strings{"MAN", "MANN"}));
  EXPECT_EQ(Candidates(t, "かんい"), (Strings{"KANNI", "CANNI"}));
  // ん before a consonant keeps both ways.
  EXPECT_EQ(Candidates(t, "まんま"), (Strings{"MANMA", "MANNMA"}));
}

TEST(Candidates, SmallTsuDoublesAnyFirstLetterOfTheNextUnit) {
  TKanaTable t = SmallTable();
  // First use: the file's spellings follow the doubled letter.
  EXPECT_EQ(Candidates(t, "きって"),
            (Strings{"KITTE", "KIXTUTE", "KILTUTE", "KIXTSUTE", "KILTSUTE"}));
  // Restored to XTU, LTU from then on.
  EXPECT_EQ(*FindKana(t, Sjis("っ")), (KanaEntry{Sjis("っ"), "XTU", "LTU"}));
  EXPECT_EQ(Candidates(t, "きって"), (Strings{"KITTE", "KIXTUTE", "KILTUTE"}));
  // Several first letters are inserted in reverse order: the last one leads.
  EXPECT_EQ(Candidates(t, "まっこ"), (Strings{"MACKO", "MAKKO", "MAXTUKO", "MALTUKO", "MACCO",
                                              "MAKCO", "MAXTUCO", "MALTUCO"}));
  // A two-kana unit after っ contributes the first letters of all its romaji.
  Strings matcha = Candidates(t, "まっちゃ");
  EXPECT_EQ(matcha.front(), "MACTYA");
  EXPECT_NE(std::find(matcha.begin(), matcha.end(), "MATTYA"), matcha.end());
  EXPECT_NE(std::find(matcha.begin(), matcha.end(), "MACCHA"), matcha.end());
  EXPECT_EQ(matcha.size(), 4u * 2u);
}

TEST(Candidates, FirstUnitUsesTheTableUnchanged) {
  TKanaTable t = SmallTable();
  EXPECT_EQ(Candidates(t, "っか"),
            (Strings{"XTUKA", "LTUKA", "XTSUKA", "LTSUKA", "XTUCA", "LTUCA", "XTSUCA", "LTSUCA"}));
  EXPECT_EQ(Candidates(t, "んに").front(), "NNI");
  EXPECT_EQ(Candidates(t, "んに").size(), 3u);
  // No rewrite happened: the entries are still the file's.
  EXPECT_EQ(FindKana(t, Sjis("っ"))->size(), 5u);
  EXPECT_EQ(FindKana(t, Sjis("ん"))->size(), 4u);
}

TEST(Candidates, MeasureAgreesWithTheBuilder) {
  for (const char* reading : {"しち", "こんにちは", "きって", "まっちゃ", "まんま", "しきゃく"}) {
    TKanaTable a = SmallTable(), b = SmallTable();
    const Strings built = RomajiCandidates(a, Sjis(reading));
    const TCandidateMeasure m = MeasureCandidates(b, CutReading(b, Sjis(reading)));
    EXPECT_EQ(m.Count, static_cast<double>(built.size())) << reading;
    EXPECT_EQ(m.FirstRomaji, built.front()) << reading;
    EXPECT_EQ(*FindKana(a, Sjis("ん")), *FindKana(b, Sjis("ん")));
    EXPECT_EQ(*FindKana(a, Sjis("っ")), *FindKana(b, Sjis("っ")));
  }
}

}  // namespace
