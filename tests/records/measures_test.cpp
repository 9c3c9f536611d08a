// Measures counted from typed letters and play frames, and the weakest-key
// ranking.
#include "records/measures.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "records/records.h"
#include "type_window/typing_fixture.h"
#include "world/difficulty.h"

namespace {

using MeasuresTest = TypingTest;

// A scripted part: two windows, known right letters, known misses and a
// known number of frames in play.
TEST_F(MeasuresTest, ScriptedRunGivesKnownFigures) {
  UseWords(1, {"蚊:か;"});
  UseWords(2, {"鮭:さけ;"});
  TEnemy& first = AddEnemy(50, 100);
  TEnemy& second = AddEnemy(200, 100);
  first.Life = 5;
  second.Life = 5;
  Open(first, 1);
  Open(second, 2);
  OpenFully();
  RecordsPartStarted(*g);
  TRecords& r = g->Records;

  for (int i = 0; i < 40; ++i) RecordsPlayFrame(*g);  // 2 seconds with enemies on the field
  Queue("Q");  // no window starts with q: a miss with nothing expected
  UpdateTypeWindows(*g);
  Queue("KA");  // ka: one word
  UpdateTypeWindows(*g);
  Queue("SX");  // s right, then x where a is expected
  UpdateTypeWindows(*g);
  Queue("AY");  // a right, y where k is expected
  UpdateTypeWindows(*g);
  Queue("KE");
  UpdateTypeWindows(*g);

  const TMeasures& m = r.Live;
  EXPECT_EQ(m.Frames, 40);
  EXPECT_EQ(m.Correct, 6);  // k a s a k e
  EXPECT_EQ(m.Misses, 3);
  EXPECT_EQ(m.Words, 2);
  EXPECT_EQ(m.LongestStreak, 3);  // k a s
  EXPECT_EQ(m.Streak, 2);         // k e after the last miss
  EXPECT_EQ(m.Hits[RecordLetterIndex('k')], 2u);
  EXPECT_EQ(m.Hits[RecordLetterIndex('a')], 2u);
  EXPECT_EQ(m.Missed[RecordLetterIndex('a')], 1u);
  EXPECT_EQ(m.Missed[RecordLetterIndex('k')], 1u);
  EXPECT_EQ(m.Missed[RecordLetterIndex('q')], 0u);
  ASSERT_EQ(m.MissLog.size(), 3u);
  EXPECT_EQ(m.MissLog[0].Expected, 0);
  EXPECT_EQ(m.MissLog[0].Typed, RecordLetterIndex('q'));
  EXPECT_EQ(m.MissLog[1].Expected, RecordLetterIndex('a'));
  EXPECT_EQ(m.MissLog[1].Typed, RecordLetterIndex('x'));
  EXPECT_EQ(m.MissLog[2].Expected, RecordLetterIndex('k'));
  EXPECT_EQ(m.MissLog[2].Typed, RecordLetterIndex('y'));
  EXPECT_DOUBLE_EQ(KeysPerSecond(m.Correct, m.Frames), 3.0);
  EXPECT_DOUBLE_EQ(Accuracy(m.Correct, m.Misses), 6.0 / 9.0);
  // The run's totals count the same.
  EXPECT_EQ(r.RunTotal.Correct, 6);
  EXPECT_EQ(r.RunTotal.Misses, 3);
  // The game's own counters agree with the measures.
  EXPECT_EQ(g->KeysTyped, m.Correct);
  EXPECT_EQ(g->Misses, m.Misses);
}

// "best" compares a play with earlier plays of the same part at the same
// difficulty: a fast やさしい play does not hide a ふつう best, nor the
// other way round.
TEST_F(MeasuresTest, BestsCountOnlyPlaysOfTheSameDifficulty) {
  auto earlier = [](const std::string& difficulty, int64_t keys) {
    TRecordEntry e;
    e.Stage = 1;
    e.Part = 1;
    e.Difficulty = difficulty;
    e.Keys = keys;
    e.Frames = 400;  // 20 seconds: keys / 20 keys a second
    e.TypeFrames = 400;
    e.Streak = keys;
    e.Score = 100;
    return e;
  };
  g->Stage = 1;
  g->Part = 1;
  g->Score = 50;
  g->Records.Entries = {earlier("easy", 180), earlier("", 20)};  // 9.0 and 1.0 keys/s
  auto play = [&](TDifficulty d) {
    g->Difficulty.Level = d;
    TMeasures& m = g->Records.Live;
    m = TMeasures{};
    m.Frames = 400;
    m.TypeFrames = 400;
    m.Correct = 60;  // 3.0 keys/s
    m.LongestStreak = 60;
    RecordsPartEnded(*g, false);
    return g->Records.PartResult;
  };
  TResultView normal = play(TDifficulty::Normal);
  EXPECT_TRUE(normal.BestKps);
  EXPECT_TRUE(normal.BestStreak);
  TResultView easy = play(TDifficulty::Easy);
  EXPECT_FALSE(easy.BestKps);
  EXPECT_FALSE(easy.BestStreak);
}

TEST_F(MeasuresTest, EmptyFieldIsNotTimeInPlay) {
  ClearEnemies(*g);
  ClearWindows(*g);
  RecordsPartStarted(*g);
  for (int i = 0; i < 30; ++i) RecordsPlayFrame(*g);
  EXPECT_EQ(g->Records.Live.Frames, 0);
  AddEnemy(10, 10);
  RecordsPlayFrame(*g);
  EXPECT_EQ(g->Records.Live.Frames, 1);
}

// Weak keys need evidence: a key seen fewer than ten times is not judged, and
// a rate backed by many tries outranks a higher one from a few.
TEST(WeakestKeys, RankedByTheEvidenceOfTheirMissRate) {
  TLetterCounts hits{}, missed{};
  auto at = [](char c) { return RecordLetterIndex(c); };
  hits[at('a')] = 99, missed[at('a')] = 1;   // 1 % of 100
  hits[at('k')] = 8, missed[at('k')] = 2;    // 20 % of 10
  hits[at('r')] = 1, missed[at('r')] = 1;    // 50 % of 2: too few to judge
  hits[at('t')] = 2, missed[at('t')] = 2;    // 50 % of 4: too few
  hits[at('s')] = 40, missed[at('s')] = 10;  // 20 % of 50: above k, and h's 30 % of 10
  hits[at('n')] = 4, missed[at('n')] = 1;    // 20 % of 5: too few
  hits[at('h')] = 7, missed[at('h')] = 3;    // 30 % of 10
  hits[at('m')] = 75, missed[at('m')] = 25;  // 25 % of 100: surer than h
  hits[at('e')] = 500;                       // never missed: not weak
  missed[at('-')] = 1;                       // typed once, missed once
  std::vector<int> weak = WeakestKeys(hits, missed, 10);
  std::vector<int> want = {at('m'), at('s'), at('h'), at('k'), at('a')};
  EXPECT_EQ(weak, want);
  EXPECT_EQ(LettersText(WeakestKeys(hits, missed, 3)), "M S H");
  EXPECT_TRUE(WeakestKeys(hits, TLetterCounts{}, 5).empty());
  EXPECT_GT(MissRateLowerBound(75, 25), MissRateLowerBound(7, 3));
  EXPECT_LT(MissRateLowerBound(7, 3), 0.3);
  EXPECT_EQ(MissRateLowerBound(0, 0), 0.0);

  // Once a key has come up often enough, it is judged; equal evidence ties
  // break on more misses, then the alphabet.
  hits[at('-')] = 9;
  hits[at('r')] = 18, missed[at('r')] = 2;  // 2 of 20
  hits[at('t')] = 18, missed[at('t')] = 2;
  weak = WeakestKeys(hits, missed, 10);
  EXPECT_NE(std::find(weak.begin(), weak.end(), at('-')), weak.end());
  auto r = std::find(weak.begin(), weak.end(), at('r'));
  ASSERT_NE(r, weak.end());
  ASSERT_NE(r + 1, weak.end());
  EXPECT_EQ(*(r + 1), at('t'));
}

TEST(Measures, RatesWithoutTimeOrKeys) {
  EXPECT_EQ(KeysPerSecond(10, 0), 0.0);
  EXPECT_EQ(Accuracy(0, 0), 1.0);
  EXPECT_DOUBLE_EQ(KeysPerSecond(30, 200), 3.0);
}

}  // namespace
