// Tests of the reference converter: replays recorded from the real Mozc and ibus-anthy, the
// known spellings and misspellings with their dying letter, and the typo generator.
#include "ime_reference.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ime_typos.h"

namespace ime_ref {
namespace {

constexpr size_t kAlive = std::string::npos;

std::string TableDir() {
  std::string here = __FILE__;
  return here.substr(0, here.find_last_of('/'));
}

// Each line "letters TAB kana" recorded from the IME must convert the same way here; a result
// holding latin letters must come out as no kana at all.
void ExpectReplayMatches(Ime ime, const std::string& file) {
  std::ifstream in(TableDir() + "/" + file);
  ASSERT_TRUE(in) << file;
  const ImeReference& ref = DefaultReference();
  std::string line;
  int lines = 0, wrong = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    size_t tab = line.find('\t');
    std::string letters = line.substr(0, tab), seen = line.substr(tab + 1);
    bool raw = seen.find_first_of("abcdefghijklmnopqrstuvwxyz-") != std::string::npos;
    std::optional<std::string> kana = ref.Convert(ime, letters);
    bool ok = raw ? !kana.has_value() : (kana && *kana == ToHiragana(seen));
    if (!ok && ++wrong <= 10)
      ADD_FAILURE() << ImeName(ime) << " " << letters << ": IME gave " << seen << ", we give "
                    << (kana ? *kana : "(raw letters)");
    ++lines;
  }
  EXPECT_GT(lines, 4000);
  EXPECT_EQ(wrong, 0);
}

TEST(ImeReplay, MatchesRealMozc) {
  ExpectReplayMatches(Ime::kMozc, "observed_mozc.tsv");
}
TEST(ImeReplay, MatchesIbusAnthyComposer) {
  ExpectReplayMatches(Ime::kAnthy, "observed_anthy.tsv");
}

struct Case {
  const char* reading;
  const char* letters;
  bool mozc, anthy, microsoft;  // which IMEs convert the letters into the reading
  size_t dead;                  // first letter after which no IME can reach the reading
};

const Case kMisspellings[] = {
    {"しんかんせん", "SHNKANSEN", false, false, false, 2},
    {"しんかんせん", "SIINKANSEN", false, false, false, 2},
    {"せんこうはなび", "SENKOUHAHABI", false, false, false, 8},
    {"いぬ", "INNU", false, false, false, 2},
    {"しち", "CHITI", false, false, false, 1},
    {"うちわ", "UCIWA", false, false, false, 2},
    {"つくえ", "TSKUE", false, false, false, 2},
    {"でんわ", "DENWWA", false, false, false, 4},
    {"はんかち", "HANKACI", false, false, false, 6},
    {"きんようび", "KINYOUBI", false, false, false, 3},
    {"ほんやさん", "HONYASANN", false, false, false, 3},
    {"がっこう", "GAKCOU", false, false, false, 3},
    {"がっこう", "GACKOU", false, false, false, 3},
    {"ざっし", "ZACSHI", false, false, false, 3},
    {"ざっし", "ZASCI", false, false, false, 3},
    {"まっちゃ", "MACTYA", false, false, false, 3},
    {"ぼっちゃん", "BOTCHANN", false, false, false, 3},
    {"かっあ", "KAAA", false, false, false, 2},
};

const Case kSpellings[] = {
    {"かんう", "KANWU", true, true, true, kAlive},
    {"としょかん", "TOSHOKAXN", true, false, true, kAlive},
    {"ぼっちゃん", "BOCCHANN", true, true, true, kAlive},
    {"まっちゃ", "MACCHA", true, true, true, kAlive},
    {"しんかんせん", "SHINKANSEN", true, true, true, kAlive},
    {"しんかんせん", "SINKANSENN", true, true, true, kAlive},
    {"しち", "SICHI", true, true, true, kAlive},
    {"しち", "SITI", true, true, true, kAlive},
    {"しち", "CITI", true, false, true, kAlive},
    {"ちち", "CHITI", true, true, true, kAlive},
    {"がっこう", "GACCOU", true, false, true, kAlive},
    {"っ", "XTU", true, true, true, kAlive},
    {"っ", "LTU", true, true, true, kAlive},
    {"っ", "XTSU", true, true, false, kAlive},
    {"っ", "LTSU", true, true, true, kAlive},
    {"くぃくぇくぉ", "KWIKWEKWO", true, true, false, kAlive},
    {"てゃてぇてょ", "THATHETHO", true, true, true, kAlive},
    {"でゃでぇでょ", "DHADHEDHO", true, true, true, kAlive},
    {"ゐゑ", "WYIWYE", true, true, true, kAlive},
    {"きんようび", "KINNYOUBI", true, true, true, kAlive},
    {"ほん", "HON", true, true, true, kAlive},  // a final n is ん at conversion
    {"んん", "NNN", true, true, true, kAlive},  // nn, then a last n flushed
    {"ふぁ", "HWA", true, false, false, kAlive},
};

void ExpectCase(const Case& c) {
  SCOPED_TRACE(std::string(c.reading) + " " + c.letters);
  const ImeReference& ref = DefaultReference();
  EXPECT_EQ(ref.IsSpelling(Ime::kMozc, c.reading, c.letters), c.mozc);
  EXPECT_EQ(ref.IsSpelling(Ime::kAnthy, c.reading, c.letters), c.anthy);
  EXPECT_EQ(ref.IsSpelling(Ime::kMicrosoft, c.reading, c.letters), c.microsoft);
  EXPECT_EQ(IsImeSpelling(c.reading, c.letters), c.mozc || c.anthy || c.microsoft);
  EXPECT_EQ(FirstDeadLetter(c.reading, c.letters), c.dead);
  EXPECT_EQ(IsImePrefix(c.reading, c.letters), c.dead == kAlive);
  if (c.dead != kAlive) {
    // The letters before the dying one are still a prefix; with it they are not.
    std::string letters = c.letters;
    EXPECT_TRUE(IsImePrefix(c.reading, letters.substr(0, c.dead)));
    EXPECT_FALSE(IsImePrefix(c.reading, letters.substr(0, c.dead + 1)));
  }
}

TEST(ImeCases, MisspellingsDieAtTheStatedLetter) {
  for (const Case& c : kMisspellings) ExpectCase(c);
}

TEST(ImeCases, SpellingsAreAcceptedByTheRightImes) {
  for (const Case& c : kSpellings) ExpectCase(c);
}

TEST(ImeCases, KatakanaReadingsAndLongVowel) {
  EXPECT_TRUE(IsImeSpelling("シンカンセン", "shinkansen"));
  EXPECT_TRUE(IsImeSpelling("ケーキ", "KE-KI"));
  EXPECT_FALSE(IsImeSpelling("ケーキ", "KEEKI"));
  EXPECT_EQ(FirstDeadLetter("ケーキ", "KEEKI"), 2u);
  EXPECT_TRUE(IsImeSpelling(Ime::kMozc, "ヴ", "VU"));
  EXPECT_TRUE(IsImeSpelling(Ime::kAnthy, "ゔ", "VU"));
  EXPECT_EQ(ToHiragana("ヴァヵヶーン"), "ゔぁゕゖーん");
}

TEST(ImeCases, PrefixesFollowTheImesNotOneIme) {
  // CITI reaches しち only outside Anthy; Anthy's own verdict dies at the C.
  EXPECT_EQ(FirstDeadLetter(Ime::kAnthy, "しち", "CITI"), 0u);
  EXPECT_TRUE(IsImePrefix("しち", "CI"));
  // A pending N is a live prefix of both ん and な readings.
  EXPECT_TRUE(IsImePrefix("かん", "KAN"));
  EXPECT_TRUE(IsImePrefix("かな", "KAN"));
  EXPECT_FALSE(IsImeSpelling("かな", "KAN"));
  // Readings no IME can type leave nothing alive.
  EXPECT_FALSE(IsImePrefix("漢", ""));
  EXPECT_EQ(FirstDeadLetter("漢", "KAN"), 0u);
}

// Whatever the search calls a live prefix, the keys it offers to finish must, replayed through
// the composer, give exactly the reading; and a dead prefix gets no such keys.
TEST(ImeSearch, CompletionsOfPrefixesAndTyposAreSpellings) {
  const ImeReference& ref = DefaultReference();
  const std::pair<const char*, const char*> kWords[] = {{"しんかんせん", "SHINKANSEN"},
                                                        {"きんようび", "KINNYOUBI"},
                                                        {"ぼっちゃん", "BOCCHANN"},
                                                        {"すぱげってぃ", "SUPAGETTHI"},
                                                        {"ゆーふぉーをみた", "YU-FO-WOMITA"},
                                                        {"じぇっとこーすたー", "JETTOKO-SUTA-"},
                                                        {"でんわ", "DENWA"},
                                                        {"かっあ", "KAXTUA"},
                                                        {"ほんやさん", "HONNYASAN"},
                                                        {"ちぢみ", "CHIDIMI"},
                                                        {"つづく", "TSUDUKU"}};
  int live = 0, dead = 0;
  for (const auto& [reading, spelling] : kWords) {
    std::vector<std::string> tries;
    for (size_t n = 0; n <= std::string(spelling).size(); ++n)
      tries.push_back(std::string(spelling).substr(0, n));
    for (const Typo& t : OneLetterTypos(spelling)) tries.push_back(t.letters);
    for (const std::string& letters : tries) {
      for (Ime ime : kAllImes) {
        SCOPED_TRACE(std::string(ImeName(ime)) + " " + reading + " " + letters);
        std::optional<std::string> more = ref.Completion(ime, reading, letters);
        ASSERT_EQ(more.has_value(), ref.IsPrefix(ime, reading, letters));
        if (!more) {
          ++dead;
          continue;
        }
        ++live;
        EXPECT_EQ(ref.Convert(ime, letters + *more), std::optional<std::string>(reading));
      }
    }
  }
  EXPECT_GT(live, 100);
  EXPECT_GT(dead, 100);
}

TEST(ImeTypos, NeighboursOnUsQwerty) {
  auto set = [](const std::string& s) { return std::set<char>(s.begin(), s.end()); };
  EXPECT_EQ(set(QwertyNeighbours('g')), set("tyfhvb"));
  EXPECT_EQ(set(QwertyNeighbours('Q')), set("wa"));
  EXPECT_EQ(set(QwertyNeighbours('p')), set("-ol"));
  EXPECT_EQ(set(QwertyNeighbours('-')), set("p"));
  EXPECT_EQ(set(QwertyNeighbours('m')), set("njk"));
}

TEST(ImeTypos, KindsPositionsAndCase) {
  std::vector<Typo> typos = OneLetterTypos("KA");
  std::set<std::string> dropped, doubled, neighbour;
  for (const Typo& t : typos) {
    ASSERT_LT(t.pos, 2u);
    if (t.kind == TypoKind::kDropped) dropped.insert(std::to_string(t.pos) + t.letters);
    if (t.kind == TypoKind::kDoubled) doubled.insert(std::to_string(t.pos) + t.letters);
    if (t.kind == TypoKind::kNeighbour) neighbour.insert(std::to_string(t.pos) + t.letters);
  }
  EXPECT_EQ(dropped, (std::set<std::string>{"0A", "1K"}));
  EXPECT_EQ(doubled, (std::set<std::string>{"0KKA", "1KAA"}));
  EXPECT_EQ(neighbour,
            (std::set<std::string>{"0IA", "0OA", "0JA", "0LA", "0MA", "1KQ", "1KW", "1KS", "1KZ"}));
}

}  // namespace
}  // namespace ime_ref
