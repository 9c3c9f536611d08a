// Words as units of romaji: what each unit accepts in its place, the guide of
// each style, fitting a spelling to typed letters, whole spellings, and the
// learned spellings of "mine".
#include "type_window/romaji_word.h"

#include <gtest/gtest.h>

#include "base/sjis.h"
#include "support/test_support.h"

namespace {

using Strings = std::vector<std::string>;

TKanaTable Shipped() {
  TKanaTable t;
  std::string error;
  EXPECT_TRUE(LoadKanaTable(t, GameDataPath("dat/hiragana.txt"), error)) << error;
  return t;
}

TKanaTable Small() {
  Strings lines;
  for (const char* l : {"か:KA,CA;", "こ:KO,CO;", "し:SI,SHI,CI;", "ち:TI,CHI;", "て:TE;", "に:NI;",
                        "あ:A;", "ま:MA;", "ん:N,NN,XN;", "っ:XTU,LTU,XTSU,LTSU;"})
    lines.push_back(Sjis(l));
  lines.push_back("end;");
  TKanaTable t;
  std::string error;
  EXPECT_TRUE(ParseKanaTable(t, lines, "h.txt", error)) << error;
  return t;
}

TRomajiWord WordOf(const TKanaTable& t, const std::string& utf8) {
  return MakeRomajiWord(t, CutReading(t, Sjis(utf8)));
}

Strings All(const TRomajiWord& w) {
  Strings out;
  ForEachSpelling(w, [&](const std::string& s) {
    out.push_back(s);
    return true;
  });
  return out;
}

std::string Guide(const TKanaTable& t, const std::string& utf8,
                  TRomajiStyle kind = TRomajiStyle::Hepburn) {
  const TRomajiWord w = WordOf(t, utf8);
  TGuideStyle style;
  style.Kind = kind;
  return PathRomaji(w, GuidePath(w, style));
}

// The spelling shown after the letters typed so far, switching as the game
// does: the letter at the position if it fits, else a fitted path.
std::string After(const TRomajiWord& w, const std::string& typed, const TGuideStyle& style = {}) {
  TRomajiPath path = GuidePath(w, style);
  for (size_t i = 0; i < typed.size(); ++i) {
    const std::string shown = PathRomaji(w, path);
    if (i < shown.size() && shown[i] == typed[i]) continue;
    EXPECT_TRUE(FitPath(w, typed.substr(0, i + 1), path, style, path)) << typed << " at " << i;
  }
  return PathRomaji(w, path);
}

TEST(RomajiWord, UnitsAcceptTheTableInTheGamesOrder) {
  const TKanaTable t = Small();
  EXPECT_EQ(All(WordOf(t, "しち")), (Strings{"SITI", "SHITI", "CITI", "SICHI", "SHICHI", "CICHI"}));
  // A single N is ん only before a consonant other than N and Y: before the
  // n-row or a vowel it takes NN or XN.
  EXPECT_EQ(All(WordOf(t, "かんに")), (Strings{"KANNNI", "CANNNI", "KAXNNI", "CAXNNI"}));
  EXPECT_EQ(All(WordOf(t, "かんあ")), (Strings{"KANNA", "CANNA", "KAXNA", "CAXNA"}));
  EXPECT_EQ(All(WordOf(t, "まんま")), (Strings{"MANMA", "MANNMA", "MAXNMA"}));
  // っ: the next unit's first letters (the last-listed first), then its own;
  // a doubled letter only before the spelling it doubles (never MACKO).
  EXPECT_EQ(All(WordOf(t, "まっこ")),
            (Strings{"MAKKO", "MAXTUKO", "MALTUKO", "MAXTSUKO", "MALTSUKO", "MACCO", "MAXTUCO",
                     "MALTUCO", "MAXTSUCO", "MALTSUCO"}));
  EXPECT_EQ(SpellingCount(WordOf(t, "まっこ")), 10);
  EXPECT_EQ(SpellingCount(WordOf(t, "かんに")), 4);
}

TEST(RomajiWord, TheTableIsNeverRewritten) {
  // Every word accepts the file's spellings of っ and ん, however many words
  // came before (once, the first use rewrote them to XTU, LTU and N, NN).
  TKanaTable t = Small();
  for (int round = 0; round < 2; ++round) {
    const Strings kitte = All(WordOf(t, "かって"));
    EXPECT_NE(std::find(kitte.begin(), kitte.end(), "KAXTSUTE"), kitte.end()) << round;
    const Strings manma = All(WordOf(t, "まんま"));
    EXPECT_NE(std::find(manma.begin(), manma.end(), "MAXNMA"), manma.end()) << round;
    WordOf(t, "こんにちは");
  }
  EXPECT_EQ(FindKana(t, Sjis("っ"))->size(), 5u);
  EXPECT_EQ(FindKana(t, Sjis("ん"))->size(), 4u);
}

TEST(RomajiWord, GuideShowsWhatAnInputMethodConverts) {
  const TKanaTable t = Shipped();
  // っ doubles the consonant that follows (T before CH), never a Q or a
  // letter of another spelling of the next kana.
  EXPECT_EQ(Guide(t, "がっこう"), "GAKKOU");
  EXPECT_EQ(Guide(t, "ぴくにっく"), "PIKUNIKKU");
  EXPECT_EQ(Guide(t, "りゅっくさっく"), "RYUKKUSAKKU");
  EXPECT_EQ(Guide(t, "ぼっちゃん"), "BOCCHANN");
  EXPECT_EQ(Guide(t, "わっふる"), "WAFFURU");
  // ん: NN before vowels, the y-row, the n-row and at the end; N elsewhere.
  EXPECT_EQ(Guide(t, "きんようび"), "KINNYOUBI");
  EXPECT_EQ(Guide(t, "ほんやさん"), "HONNYASANN");
  EXPECT_EQ(Guide(t, "こんにちは"), "KONNNICHIHA");
  EXPECT_EQ(Guide(t, "こんにゃく"), "KONNNYAKU");
  EXPECT_EQ(Guide(t, "げんいん"), "GENNINN");
  EXPECT_EQ(Guide(t, "しんかんせん"), "SHINKANSENN");
  // Hepburn is the default; Kunrei has its own.
  EXPECT_EQ(Guide(t, "ちゅうしゃじょう"), "CHUUSHAJOU");
  EXPECT_EQ(Guide(t, "ちゅうしゃじょう", TRomajiStyle::Kunrei), "TYUUSYAZYOU");
  EXPECT_EQ(Guide(t, "つくふじ", TRomajiStyle::Kunrei), "TUKUHUZI");
  EXPECT_EQ(Guide(t, "ぼっちゃん", TRomajiStyle::Kunrei), "BOTTYANN");
  EXPECT_EQ(Guide(t, "づつみ"), "DUTSUMI");  // ZU would give ず
}

TEST(RomajiWord, TheGuideFollowsThePlayerAndThenHoldsStill) {
  const TKanaTable t = Shipped();
  const TRomajiWord kappa = WordOf(t, "しゃしんちょう");
  ASSERT_EQ(After(kappa, ""), "SHASHINCHOU");
  // Typed SY: the rest of SYA, the units after it as they were shown.
  EXPECT_EQ(After(kappa, "SY"), "SYASHINCHOU");
  EXPECT_EQ(After(kappa, "SYASI"), "SYASINCHOU");
  // A doubled consonant typed: the next kana is shown starting with it.
  const TRomajiWord botchan = WordOf(t, "ぼっちゃん");
  EXPECT_EQ(After(botchan, "BOC"), "BOCCHANN");
  EXPECT_EQ(After(botchan, "BOTT"), "BOTTYANN");
  EXPECT_EQ(After(botchan, "BOX"), "BOXTUCHANN");
  // A ん typed NN where N would do.
  EXPECT_EQ(After(WordOf(t, "しんかんせん"), "SHINN"), "SHINNKANSENN");
  // Nothing fits: the spelling stays as it was.
  TRomajiPath path = GuidePath(kappa, {});
  EXPECT_FALSE(FitPath(kappa, "SHAX", path, {}, path));
  EXPECT_EQ(PathRomaji(kappa, path), "SHASHINCHOU");
}

TEST(RomajiWord, WholeSpellingsEndExactlyAtTheLastUnit) {
  const TKanaTable t = Shipped();
  const TRomajiWord pan = WordOf(t, "ぱん");
  TRomajiPath path;
  EXPECT_TRUE(WholePath(pan, "PAN", {}, path));
  EXPECT_EQ(PathRomaji(pan, path), "PAN");
  EXPECT_TRUE(WholePath(pan, "PANN", {}, path));
  EXPECT_FALSE(WholePath(pan, "PA", {}, path));
  EXPECT_FALSE(WholePath(pan, "PANNN", {}, path));
  const TRomajiWord shinkansen = WordOf(t, "しんかんせん");
  EXPECT_FALSE(WholePath(shinkansen, "SHINNKANN", {}, path));
  EXPECT_TRUE(WholePath(shinkansen, "SHINNKANNSENN", {}, path));
  EXPECT_TRUE(WholePath(shinkansen, "SINKANNSEN", {}, path));
}

TEST(RomajiWord, BriefestRestIsWhatAFastTypistTypes) {
  const TKanaTable t = Shipped();
  const TRomajiWord w = WordOf(t, "しゃしんちょう");
  const TRomajiPath guide = GuidePath(w, {});
  EXPECT_EQ(ShortestRest(w, guide, 0), "SYASINTYOU");
  // Inside a begun unit: its briefest spelling that goes on from there.
  EXPECT_EQ(ShortestRest(w, guide, 1), "HASINTYOU");
  // SHA then S of the guide's SHI typed: SI is briefer.
  EXPECT_EQ(ShortestRest(w, guide, 4), "INTYOU");
  const TRomajiWord pikunikku = WordOf(t, "ぴくにっく");
  EXPECT_EQ(ShortestRest(pikunikku, GuidePath(pikunikku, {}), 0), "PIKUNIKKU");
  // Briefest as an input method still reads it: one N only before a
  // consonant other than Y or at the end, a doubled letter only before itself.
  const TRomajiWord honyasan = WordOf(t, "ほんやさん");
  EXPECT_EQ(ShortestRest(honyasan, GuidePath(honyasan, {}), 0), "HONNYASAN");
  const TRomajiWord gakkou = WordOf(t, "がっこう");
  TRomajiPath typed;
  ASSERT_TRUE(FitPath(gakkou, "GAC", GuidePath(gakkou, {}), {}, typed));
  EXPECT_EQ(ShortestRest(gakkou, typed, 3), "COU");
}

TEST(RomajiStyle, MineLearnsEachKanaAndKeepsItAsText) {
  const TKanaTable t = Shipped();
  TGuideStyle mine;
  mine.Kind = TRomajiStyle::Mine;
  // Before anything is learned, mine shows Hepburn.
  EXPECT_EQ(Guide(t, "しっち", TRomajiStyle::Mine), "SHICCHI");
  const TRomajiWord w = WordOf(t, "しちゃっか");
  TRomajiPath path;
  ASSERT_TRUE(WholePath(w, "SITYALTUKA", {}, path));
  EXPECT_TRUE(LearnSpellings(w, path, mine));
  EXPECT_FALSE(LearnSpellings(w, path, mine));  // nothing new
  const TRomajiWord other = WordOf(t, "しっち");
  EXPECT_EQ(PathRomaji(other, GuidePath(other, mine)), "SILTUCHI");
  // NN where N would do is learned; a word's last ん says nothing.
  const TRomajiWord kanji = WordOf(t, "かんじ");
  ASSERT_TRUE(WholePath(kanji, "KANNJI", {}, path));
  LearnSpellings(kanji, path, mine);
  EXPECT_EQ(PathRomaji(WordOf(t, "せんせい"), GuidePath(WordOf(t, "せんせい"), mine)), "SENNSEI");

  TGuideStyle back;
  const std::string text = FormatLearnedSpellings(mine);
  EXPECT_NE(text.find("っ=LTU\n"), std::string::npos) << text;
  EXPECT_EQ(ParseLearnedSpellings(text + "# note\nbroken line\nか=ka\n", back), 2);
  EXPECT_EQ(back.Learned, mine.Learned);
  ASSERT_TRUE(WholePath(other, "SITTI", {}, path));
  LearnSpellings(other, path, back);
  EXPECT_EQ(back.Learned[Sjis("っ")], kDoubledConsonant);
  EXPECT_EQ(ParseLearnedSpellings(FormatLearnedSpellings(back), mine), 0);
  EXPECT_EQ(mine.Learned, back.Learned);
}

}  // namespace

// A learned line's kana is one or two double-byte characters; a kana followed
// by ASCII is not a unit and the line is skipped.
TEST(LearnedSpellings, AKanaWithAsciiAfterItIsSkipped) {
  TGuideStyle style;
  EXPECT_EQ(ParseLearnedSpellings("ち{{=N\nちゃ=CYA\nし=SI\n", style), 1);
  EXPECT_EQ(style.Learned.size(), 2u);
  EXPECT_EQ(style.Learned.count(Sjis("ちゃ")), 1u);
}
