// The trouble lists: which words count as slow or often missed (with enough
// typings), which kana units are weak, and that only the last plays count.
#include "records/word_trouble.h"

#include <gtest/gtest.h>

namespace {

// A typing of a word: its units, letters, word time in frames and the units
// a miss fell in.
TWordMeasure Typed(std::vector<std::string> units, const std::string& romaji, int64_t frames,
                   std::vector<int> missUnits = {}, bool finished = true) {
  TWordMeasure w;
  w.Units = std::move(units);
  w.Romaji = romaji;
  w.Reaction = 5;
  w.Time = frames;
  w.Finished = finished;
  for (int u : missUnits) w.Misses.push_back({u, 1, 2});
  return w;
}

TRecordEntry Play(std::vector<TWordMeasure> words) {
  TRecordEntry e;
  e.WordLog = std::move(words);
  return e;
}

TEST(WordTrouble, SlowAndMissedWordsNeedTwoTypingsAndRankByTheirRates) {
  std::vector<TRecordEntry> entries;
  // がっこう: 6 letters in 40 frames (3/s) twice; ねこ fast; しゃしん slow
  // but once only; きって missed in its っ unit on two of three typings.
  for (int i = 0; i < 2; ++i)
    entries.push_back(
        Play({Typed({"が", "っ", "こ", "う"}, "gakkou", 40), Typed({"ね", "こ"}, "neko", 8),
              Typed({"き", "っ", "て"}, "kitte", 10, {1})}));
  entries.push_back(
      Play({Typed({"しゃ", "し", "ん"}, "shashinn", 200), Typed({"き", "っ", "て"}, "kitte", 10)}));
  const TTroubleReport r = FindTroubles(entries);
  EXPECT_EQ(r.Plays, 3);
  ASSERT_EQ(r.Slowest.size(), 3u);
  EXPECT_EQ(r.Slowest[0].Reading, "がっこう");
  EXPECT_NEAR(r.Slowest[0].Speed(), 6 * 20.0 / 40, 1e-9);
  EXPECT_EQ(r.Slowest[2].Reading, "ねこ");
  ASSERT_EQ(r.MostMissed.size(), 1u);
  EXPECT_EQ(r.MostMissed[0].Reading, "きって");
  EXPECT_NEAR(r.MostMissed[0].MissesPerTyping(), 2.0 / 3, 1e-9);
  // The median of the eight finished typings' speeds (0.8, 3, 3 and five of
  // 10 letters per second).
  EXPECT_NEAR(r.MedianSpeed, 10.0, 1e-9);
}

TEST(WordTrouble, WeakUnitsNeedEvidenceAndRankByTheLowerBoundOfTheirMissRate) {
  std::vector<TRecordEntry> entries;
  // っ missed 4 times in 12 typings; ん missed once in 3 (too little evidence);
  // し missed once in 12.
  std::vector<TWordMeasure> words;
  for (int i = 0; i < 12; ++i)
    words.push_back(Typed({"き", "っ", "し"}, "kissi", 10,
                          i < 4    ? std::vector<int>{1}
                          : i == 4 ? std::vector<int>{2}
                                   : std::vector<int>{}));
  for (int i = 0; i < 3; ++i)
    words.push_back(
        Typed({"ほ", "ん"}, "honn", 10, i == 0 ? std::vector<int>{1} : std::vector<int>{}));
  entries.push_back(Play(words));
  const TTroubleReport r = FindTroubles(entries);
  ASSERT_EQ(r.WeakUnits.size(), 2u);
  EXPECT_EQ(r.WeakUnits[0].Kana, "っ");
  EXPECT_EQ(r.WeakUnits[0].Missed, 4u);
  EXPECT_EQ(r.WeakUnits[1].Kana, "し");
}

TEST(WordTrouble, OnlyTheLastPlaysWithWordsCount) {
  std::vector<TRecordEntry> entries;
  entries.push_back(Play({Typed({"あ"}, "a", 100), Typed({"あ"}, "a", 100)}));  // too old
  for (int i = 0; i < 3; ++i) entries.push_back(Play({Typed({"い"}, "i", 4)}));
  entries.push_back(TRecordEntry());  // no words: not a play that counts
  const TTroubleReport r = FindTroubles(entries, 3);
  EXPECT_EQ(r.Plays, 3);
  ASSERT_EQ(r.Slowest.size(), 1u);
  EXPECT_EQ(r.Slowest[0].Reading, "い");
  // A word shown and never typed is no evidence either way.
  TWordMeasure shown = Typed({"う"}, "u", 0, {}, false);
  shown.Reaction = -1;
  entries.push_back(Play({shown, shown}));
  EXPECT_TRUE(FindTroubles(entries, 3).MostMissed.empty());
}

}  // namespace
