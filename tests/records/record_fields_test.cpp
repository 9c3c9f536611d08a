// The records line's key=value fields: per-word figures and typeable time
// read back as written, lines from before them still read (as measure 1) and
// are never compared with newer plays for a best.
#include "records/record_fields.h"

#include <gtest/gtest.h>

#include "records/records.h"
#include "records/records_stats.h"
#include "type_window/typing_fixture.h"
#include "world/stage_table.h"

namespace {

bool Parses(const std::string& fields, TRecordEntry& e) {
  const std::string line = SealRecordLine(fields);
  return ParseRecordLine(line.data(), line.data() + line.size() - 1, e);
}

const char* const kOldLine = "20261208T101500Z part 3 2 - 4 1 12345 400 7 90 2500 80 a50k30-2 k7";

TEST(RecordFields, WordsAndTypeableTimeRoundTrip) {
  TRecordEntry e;
  e.Stage = 2;
  e.Part = 1;
  e.Keys = 120;
  e.Frames = 900;
  e.TypeFrames = 400;
  TWordMeasure a;
  a.Units = {"きょ", "う"};
  a.Romaji = "kyou";
  a.Reaction = 7;
  a.Time = 21;
  a.Finished = true;
  a.Misses = {{1, 21, 24}, {0, 0, 26}};  // u expected, x typed; nothing expected, z typed
  TWordMeasure b;
  // Bytes that separate fields, words, sub-fields and units are escaped.
  b.Units = {"a b", "c/d,e.f%=", ""};
  b.Romaji = "ab-c";
  TWordMeasure c;  // shown, never typed
  c.Units = {"ね"};
  c.Romaji = "ne";
  e.WordLog = {a, b, c};

  const std::string line = FormatRecordLine(e);
  EXPECT_NE(line.find(" m=2 t=400 w="), std::string::npos) << line;
  TRecordEntry back;
  ASSERT_TRUE(ParseRecordLine(line.data(), line.data() + line.size() - 1, back)) << line;
  EXPECT_EQ(back.Measure, 2);
  EXPECT_EQ(back.TypeFrames, 400);
  EXPECT_DOUBLE_EQ(EntryKps(back), 6.0);
  ASSERT_EQ(back.WordLog.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    const TWordMeasure& want = e.WordLog[i];
    const TWordMeasure& got = back.WordLog[i];
    EXPECT_EQ(got.Units, want.Units) << i;
    EXPECT_EQ(got.Romaji, want.Romaji) << i;
    EXPECT_EQ(got.Reaction, want.Reaction) << i;
    EXPECT_EQ(got.Time, want.Time) << i;
    EXPECT_EQ(got.Finished, want.Finished) << i;
    ASSERT_EQ(got.Misses.size(), want.Misses.size()) << i;
    for (size_t k = 0; k < got.Misses.size(); ++k) {
      EXPECT_EQ(got.Misses[k].Unit, want.Misses[k].Unit);
      EXPECT_EQ(got.Misses[k].Expected, want.Misses[k].Expected);
      EXPECT_EQ(got.Misses[k].Typed, want.Misses[k].Typed);
    }
  }
}

TEST(RecordFields, OldLinesReadAsTheFirstMeasure) {
  TRecordEntry e;
  ASSERT_TRUE(Parses(kOldLine, e));
  EXPECT_EQ(e.Measure, 1);
  EXPECT_EQ(e.TypeFrames, 0);
  EXPECT_TRUE(e.WordLog.empty());
  EXPECT_DOUBLE_EQ(EntryKps(e), 400 * 20.0 / 2500);  // keys per second of play, as then
}

// Fields a later version adds are skipped; a known field that is damaged
// refuses the whole line.
TEST(RecordFields, UnknownKeysSkippedDamagedKnownOnesRefused) {
  const std::string base = std::string(kOldLine) + " m=2 t=300";
  TRecordEntry e;
  ASSERT_TRUE(Parses(base + " heat=q1_2 x9=a/b", e));
  EXPECT_EQ(e.TypeFrames, 300);
  ASSERT_TRUE(Parses(base + " w=か/ka/1/2/1//later", e)) << "a word's later sub-fields are skipped";
  ASSERT_EQ(e.WordLog.size(), 1u);
  EXPECT_EQ(e.WordLog[0].Time, 2);
  const char* const bad[] = {
      " t=abc",
      " m=0",
      " m=",
      " =5",
      " T=5",
      " w=か/ka/1/2/1",
      " w=か/KA/1/2/1/",
      " w=か/ka/x/2/1/",
      " w=か/ka/1/2/2/",
      " w=か/ka/1/2/1/0",
      " w=か/ka/1/2/1/0kx.",
      " w=%4/ka/1/2/1/",
      " 9",
  };
  for (const char* tail : bad) EXPECT_FALSE(Parses(base + tail, e)) << tail;
}

using BestsTest = TypingTest;

// A faster play of the old measure does not hide a best of the new one; with
// only old plays there is nothing to compare with.
TEST_F(BestsTest, OldMeasureNeverComparedForBests) {
  TRecordEntry old;
  ASSERT_TRUE(Parses("20261208T101500Z part 1 1 - 1 1 900 900 0 90 400 80 - -", old));
  ASSERT_DOUBLE_EQ(EntryKps(old), 45.0);
  g->Stage = 1;
  g->Part = 1;
  g->Score = 10;
  g->Records.Entries = {old};
  g->Records.Path.clear();  // the plays below are compared, not kept
  auto play = [&](int64_t correct) {
    TMeasures& m = g->Records.Live;
    m = TMeasures{};
    m.Frames = 400;
    m.TypeFrames = 200;
    m.Correct = correct;
    m.LongestStreak = 1;
    RecordsPartEnded(*g, false);
    return g->Records.PartResult;
  };
  TResultView first = play(40);  // 4 keys/s
  EXPECT_FALSE(first.BestKps);
  EXPECT_FALSE(first.BestScore);

  TRecordEntry newer = MeasuresEntry("part", g->Records.Live);
  newer.Stage = 1;
  newer.Part = 1;
  newer.Keys = 30;  // 3 keys/s over its 200 typeable frames
  g->Records.Entries.push_back(newer);
  EXPECT_TRUE(play(40).BestKps);
  EXPECT_FALSE(play(20).BestKps);

  // The records screen's fastest speed comes from the new plays alone.
  std::array<TStageBest, 11> bests = StageBests(StageAttempts({old}, PartsPerStage));
  EXPECT_EQ(bests[1].Kps, 0.0);
  EXPECT_EQ(bests[1].Played, 1);
  newer.Attempt = 2;
  bests = StageBests(StageAttempts({old, newer}, PartsPerStage));
  EXPECT_DOUBLE_EQ(bests[1].Kps, 3.0);
}

}  // namespace
