// The weakest-keys practice list: built from the records file of the save
// folder, its words are rich in the letters missed most; without records, or
// without misses, it says why it cannot be chosen.
#include <gtest/gtest.h>

#include <string>

#include "practice/practice.h"
#include "records/records.h"
#include "support/test_support.h"

namespace {

// Share of the given letters among the guide romaji letters of the words.
double LetterShare(Game& g, const std::vector<std::string>& words, const std::string& letters) {
  TTypingEngine& t = g.Typing;
  size_t hit = 0, all = 0;
  for (const std::string& line : words) {
    const size_t colon = line.rfind(':');
    const std::string reading = line.substr(colon + 1, line.size() - colon - 2);
    const TRomajiWord word = MakeRomajiWord(t.KanaTable, CutReading(t.KanaTable, reading));
    for (char c : PathRomaji(word, GuidePath(word, t.Style))) {
      ++all;
      if (letters.find(static_cast<char>(std::tolower(c))) != std::string::npos) ++hit;
    }
  }
  return all ? static_cast<double>(hit) / static_cast<double>(all) : 0;
}

const TPracticeList& WeakestList(Game& g) {
  LoadPracticeLists(g);
  for (const TPracticeList& l : g.Practice.Lists)
    if (l.Kind == TPracticeList::TKind::Weakest) return l;
  ADD_FAILURE() << "no weakest-keys entry on the menu";
  return g.Practice.Lists.front();
}

// Writes a records file with one part where every letter came up 200 times
// and the given letters were missed `misses` times each, then loads it.
void WriteRecords(Game& g, const std::string& weak, uint32_t misses) {
  TRecordEntry e;
  e.Stage = 3;
  e.Part = 1;
  e.Attempt = 1;
  e.Frames = 4000;
  for (int n = 1; n <= 26; ++n) {
    e.Hits[n] = 200;
    e.Keys += 200;
  }
  for (char c : weak) {
    e.Missed[RecordLetterIndex(c)] = misses;
    e.Misses += misses;
  }
  std::string error;
  ASSERT_TRUE(AppendRecordLine(PlayerRecordsPath(g), e, error)) << error;
  LoadPlayerRecords(g);
  ASSERT_EQ(g.Records.Entries.size(), 1u);
}

TEST(WeakestKeysPractice, WordsRichInTheLettersMissedMost) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  WriteRecords(g, "yf", 60);
  const TPracticeList& weak = WeakestList(g);
  ASSERT_TRUE(weak.Refusal.empty()) << weak.Refusal;
  ASSERT_GE(weak.Words.size(), 20u);

  std::vector<std::string> plain;
  for (const TPracticeList& l : g.Practice.Lists)
    if (l.Kind == TPracticeList::TKind::Level)
      plain.insert(plain.end(), l.Words.begin(), l.Words.end());
  const double chosen = LetterShare(g, weak.Words, "yf");
  const double usual = LetterShare(g, plain, "yf");
  EXPECT_GT(usual, 0.0);
  EXPECT_GT(chosen, 4 * usual) << "weak words " << chosen << ", all lists " << usual;
  for (const std::string& w : weak.Words) EXPECT_GT(LetterShare(g, {w}, "yf"), 0.0) << w;
}

TEST(WeakestKeysPractice, SaysWhyWithoutRecordsOrMisses) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  LoadPlayerRecords(g);
  ASSERT_TRUE(g.Records.Entries.empty());
  const TPracticeList& none = WeakestList(g);
  EXPECT_TRUE(none.Words.empty());
  EXPECT_NE(none.Refusal.find("まだ記録がありません"), std::string::npos) << none.Refusal;

  WriteRecords(g, "", 0);
  const TPracticeList& clean = WeakestList(g);
  EXPECT_TRUE(clean.Words.empty());
  EXPECT_NE(clean.Refusal.find("苦手なキーはありません"), std::string::npos) << clean.Refusal;
}

TEST(WeakestKeysPractice, RatesOnlyForTheWeakestLetters) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  WriteRecords(g, "kstnhmy", 20);  // seven letters missed alike: five are taken
  std::vector<double> rates = WeakKeyRates(g);
  ASSERT_EQ(rates.size(), static_cast<size_t>(kRecordLetters));
  int taken = 0;
  for (int n = 1; n < kRecordLetters; ++n) {
    if (rates[n] == 0) continue;
    ++taken;
    EXPECT_NE(std::string("kstnhmy").find(RecordLetterChar(n)), std::string::npos);
    EXPECT_NEAR(rates[n], 20.0 / 220.0, 1e-9);
  }
  EXPECT_EQ(taken, 5);
}

// A key typed once and missed once is no weak key; the list is built from
// keys whose misses many tries back up, and says when no key has enough.
TEST(WeakestKeysPractice, OneMissInOneTryIsNoEvidence) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  TRecordEntry e;
  e.Stage = 1;
  e.Part = 1;
  e.Attempt = 1;
  e.Frames = 4000;
  e.Missed[RecordLetterIndex('q')] = 1;  // once, missed
  e.Misses = 1;
  std::string error;
  ASSERT_TRUE(AppendRecordLine(PlayerRecordsPath(g), e, error)) << error;
  LoadPlayerRecords(g);
  const TPracticeList& unsure = WeakestList(g);
  EXPECT_TRUE(unsure.Words.empty());
  EXPECT_NE(unsure.Refusal.find("まだ分かりません"), std::string::npos) << unsure.Refusal;

  e.Attempt = 2;
  for (int n = 1; n <= 26; ++n) e.Hits[n] = 200;
  e.Missed[RecordLetterIndex('y')] = 60;
  e.Misses = 61;
  ASSERT_TRUE(AppendRecordLine(PlayerRecordsPath(g), e, error)) << error;
  LoadPlayerRecords(g);
  const TPracticeList& weak = WeakestList(g);
  ASSERT_TRUE(weak.Refusal.empty()) << weak.Refusal;
  // q: 2 misses in 202; y: 60 in 260.
  EXPECT_NE(weak.Name.find("（Y"), std::string::npos) << weak.Name;
  const std::vector<double> rates = WeakKeyRates(g);
  ASSERT_EQ(rates.size(), static_cast<size_t>(kRecordLetters));
  EXPECT_GT(rates[RecordLetterIndex('y')], rates[RecordLetterIndex('q')]);
}

}  // namespace
