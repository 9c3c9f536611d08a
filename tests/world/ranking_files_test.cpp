// The ranking insertion and the two save files: layout, round trips, damaged
// or missing files, merging with what another game wrote, and failed writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "main/scene_test_util.h"
#include "saves/save_file.h"
#include "world/saved_results.h"

namespace {

std::vector<uint8_t> RankBytes(std::initializer_list<int32_t> values) {
  std::vector<uint8_t> out;
  for (int32_t v : values)
    for (int b = 0; b < 4; ++b)
      out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * b)));
  return out;
}

class RankingTest : public ::testing::Test {
 protected:
  void SetUp() override { t = StartedIn(dir); }
  Game& G() { return t->G; }
  TempDataDir dir;
  std::unique_ptr<TestGame> t;
};

TEST_F(RankingTest, EqualScoreGoesBelowAndIsSaved) {
  G().Ranking = {900, 500, 300, 0, 0};
  G().Score = 500;
  EXPECT_EQ(InsertRanking(G()), 3);
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{900, 500, 500, 300, 0}));
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), RankBytes({900, 500, 500, 300, 0}));
  G().Score = 1000;
  EXPECT_EQ(InsertRanking(G()), 1);
  G().Score = 301;
  EXPECT_EQ(InsertRanking(G()), 5);
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{1000, 900, 500, 500, 301}));
}

TEST_F(RankingTest, ScoreNotGoodEnoughLeavesTableAndFileAlone) {
  std::vector<uint8_t> sentinel = RankBytes({900, 800, 700, 600, 200});
  WriteBytes(dir.File("dat/score.rnk"), sentinel);
  G().Ranking = {1, 1, 1, 1, 1};  // older than the file: the file counts
  G().Score = 100;
  EXPECT_EQ(InsertRanking(G()), -1);
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{900, 800, 700, 600, 200}));
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), sentinel);

  std::filesystem::remove(dir.File("dat/score.rnk"));
  G().Ranking.fill(0);
  G().Score = 0;
  EXPECT_EQ(InsertRanking(G()), -1);
  EXPECT_FALSE(std::filesystem::exists(dir.File("dat/score.rnk")));
}

TEST_F(RankingTest, RoundTripIsLittleEndian) {
  G().Ranking = {0x01020304, 70000, -5, 0, INT32_MIN};
  ASSERT_TRUE(SaveRanking(G()));
  std::vector<uint8_t> bytes = ReadBytes(dir.File("dat/score.rnk"));
  ASSERT_EQ(bytes.size(), 20u);
  EXPECT_EQ(bytes[0], 0x04);
  EXPECT_EQ(bytes[3], 0x01);
  // Negative scores are never written by play: they are dropped as damage.
  auto other = StartedIn(dir);
  LoadRanking(other->G);
  EXPECT_EQ(other->G.Ranking, (std::array<int32_t, 5>{0x01020304, 70000, 0, 0, 0}));
  G().Ranking = {0x01020304, 70000, 5, 5, 0};
  ASSERT_TRUE(SaveRanking(G()));
  LoadRanking(other->G);
  EXPECT_EQ(other->G.Ranking, (std::array<int32_t, 5>{0x01020304, 70000, 5, 5, 0}));
}

// A damaged table shows what could be read from it (its whole entries of 0
// or more, best first) and is left as it is until a score enters; then the
// score is merged into what could be read.
TEST_F(RankingTest, DamagedTableShowsWhatCanBeReadAndIsKeptUntilANewScore) {
  WriteBytes(dir.File("dat/score.rnk"), RankBytes({10, 20, 5, 0, 0}));
  LoadRanking(G());
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{20, 10, 5, 0, 0}));
  WriteBytes(dir.File("dat/score.rnk"), RankBytes({100, 50, -3, -4, -5}));
  LoadRanking(G());
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{100, 50, 0, 0, 0}));
  G().Score = 0;
  EXPECT_EQ(InsertRanking(G()), -1);
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), RankBytes({100, 50, -3, -4, -5}));
  G().Score = 70;
  EXPECT_EQ(InsertRanking(G()), 2);
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), RankBytes({100, 70, 50, 0, 0}));

  // A short file: its whole entries count, the cut one does not.
  std::vector<uint8_t> shortFile = RankBytes({900, 800});
  shortFile.push_back(7);
  WriteBytes(dir.File("dat/score.rnk"), shortFile);
  LoadRanking(G());
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{900, 800, 0, 0, 0}));
  G().Score = 850;
  EXPECT_EQ(InsertRanking(G()), 2);
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), RankBytes({900, 850, 800, 0, 0}));
}

// The score goes into the ranking as the file holds it now: another game's
// scores written since this one started are kept.
TEST_F(RankingTest, ScoreIsMergedIntoTheFileAsItIsNow) {
  G().Ranking = {0, 0, 0, 0, 0};
  WriteBytes(dir.File("dat/score.rnk"), RankBytes({5000, 3000, 1000, 0, 0}));
  G().Score = 2000;
  EXPECT_EQ(InsertRanking(G()), 3);
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), RankBytes({5000, 3000, 2000, 1000, 0}));
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{5000, 3000, 2000, 1000, 0}));
  // Pushed out by the other game's scores: not entered, the table refreshed.
  WriteBytes(dir.File("dat/score.rnk"), RankBytes({9, 8, 7, 6, 5}));
  G().Score = 4;
  EXPECT_EQ(InsertRanking(G()), -1);
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{9, 8, 7, 6, 5}));
  // No file: the table this game holds.
  std::filesystem::remove(dir.File("dat/score.rnk"));
  G().Score = 10;
  EXPECT_EQ(InsertRanking(G()), 1);
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), RankBytes({10, 9, 8, 7, 6}));
}

// A file that cannot be read at all (a folder, a named pipe) is reported once
// and never replaced; the score still counts in memory.
TEST_F(RankingTest, UnreadableFileIsLeftAloneWithOneMessage) {
  std::filesystem::create_directories(dir.File("dat/score.rnk"));
  LoadRanking(G());
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{}));
  G().Score = 300;
  EXPECT_EQ(InsertRanking(G()), 1);
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("dat/score.rnk")));
  EXPECT_EQ(CountErrorsContaining(*t, "score.rnk"), 1);
  std::filesystem::remove(dir.File("dat/score.rnk"));

  ASSERT_EQ(mkfifo(dir.File("dat/clear.clr").c_str(), 0600), 0);
  LoadCleared(G());  // returns at once: a pipe is refused by type
  EXPECT_FALSE(KeepStageCleared(G(), 2));
  EXPECT_EQ(G().Cleared[1], 1);  // kept in memory
  EXPECT_EQ(CountErrorsContaining(*t, "clear.clr"), 1);
}

TEST_F(RankingTest, ShortLongMissingAndUnreadableFiles) {
  G().Ranking = {9, 9, 9, 9, 9};
  WriteBytes(dir.File("dat/score.rnk"), std::vector<uint8_t>(19, 0x11));
  LoadRanking(G());
  constexpr int32_t k = 0x11111111;
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{k, k, k, k, 0}));

  // A longer file: the first 20 bytes count, and the next save writes 20.
  std::vector<uint8_t> longer = RankBytes({50, 40, 30, 20, 10});
  longer.insert(longer.end(), {7, 7, 7, 7, 7, 7});
  WriteBytes(dir.File("dat/score.rnk"), longer);
  LoadRanking(G());
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{50, 40, 30, 20, 10}));
  ASSERT_TRUE(SaveRanking(G()));
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), RankBytes({50, 40, 30, 20, 10}));

  std::filesystem::remove(dir.File("dat/score.rnk"));
  G().Ranking = {9, 9, 9, 9, 9};
  LoadRanking(G());
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{}));

  // Unreadable: a folder where the file should be.
  std::filesystem::create_directories(dir.File("dat/score.rnk"));
  G().Ranking = {9, 9, 9, 9, 9};
  LoadRanking(G());
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{}));
}

TEST(RankingFolder, MissingDatFolderIsCreated) {
  TempDataDir empty(false);
  auto t = StartedIn(empty);
  t->G.Ranking = {5, 4, 3, 2, 1};
  ASSERT_TRUE(SaveRanking(t->G));
  EXPECT_EQ(ReadBytes(empty.File("dat/score.rnk")), RankBytes({5, 4, 3, 2, 1}));
  t->G.Cleared[3] = 1;
  ASSERT_TRUE(SaveCleared(t->G));
  EXPECT_EQ(ReadBytes(empty.File("dat/clear.clr")).size(), 20u);
}

TEST(RankingFolder, FailedWriteIsReportedOnceAndKeepsTheOldFile) {
  TempDataDir d(false);
  auto t = StartedIn(d);
  Game& g = t->G;
  std::vector<uint8_t> old = RankBytes({77, 66, 55, 44, 33});
  WriteBytes(d.File("dat/score.rnk"), old);
  // The temporary file cannot be made: a folder has its name.
  const std::string temp = SaveTempName(d.File("dat/score.rnk"));
  std::filesystem::create_directories(temp);
  g.Ranking = {1, 1, 1, 1, 1};
  EXPECT_FALSE(SaveRanking(g));
  g.Score = 500;
  EXPECT_EQ(InsertRanking(g), 1);  // the table still changes in memory
  EXPECT_EQ(ReadBytes(d.File("dat/score.rnk")), old);
  EXPECT_EQ(CountErrorsContaining(*t, "score.rnk"), 1);

  // Once the obstacle is gone the table is written whole.
  std::filesystem::remove(temp);
  EXPECT_TRUE(SaveRanking(g));
  EXPECT_EQ(ReadBytes(d.File("dat/score.rnk")), RankBytes({500, 77, 66, 55, 44}));
  EXPECT_FALSE(std::filesystem::exists(temp));
}

TEST(RankingFolder, UnwritableFolderFailsWithoutThrowing) {
  TempDataDir d(false);
  auto t = StartedIn(d);
  // "dat" is a plain file, so no folder can be made there.
  WriteBytes(d.File("dat"), {1, 2, 3});
  t->G.Cleared[0] = 1;
  EXPECT_FALSE(SaveCleared(t->G));
  EXPECT_FALSE(SaveCleared(t->G));
  EXPECT_EQ(CountErrorsContaining(*t, "clear.clr"), 1);
  EXPECT_EQ(ReadBytes(d.File("dat")), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(RankingTest, ClearedFileKeepsTheUpperBytes) {
  std::vector<uint8_t> bytes(20, 0);
  bytes[0] = 1;
  bytes[4] = 2;  // not 1: not cleared, but kept
  for (int i = 10; i < 20; ++i) bytes[i] = static_cast<uint8_t>(0xA0 + i);
  WriteBytes(dir.File("dat/clear.clr"), bytes);
  LoadCleared(G());
  EXPECT_EQ(G().Cleared[0], 1);
  EXPECT_EQ(G().Cleared[4], 2);
  G().Cleared[9] = 1;
  ASSERT_TRUE(SaveCleared(G()));
  std::vector<uint8_t> saved = ReadBytes(dir.File("dat/clear.clr"));
  bytes[9] = 1;
  EXPECT_EQ(saved, bytes);

  // A short file keeps the flags it holds, also when a clear is added.
  WriteBytes(dir.File("dat/clear.clr"), std::vector<uint8_t>(10, 1));
  LoadCleared(G());
  EXPECT_EQ(G().Cleared[9], 1);
  EXPECT_EQ(G().Cleared[10], 0);
  ASSERT_TRUE(KeepStageCleared(G(), 3));  // already set: nothing to add
  EXPECT_EQ(ReadBytes(dir.File("dat/clear.clr")).size(), 10u);
}

// A clear is merged into clear.clr as it is now: another game's clears made
// since this one started stay, and a run that clears nothing writes nothing.
TEST_F(RankingTest, ClearIsMergedIntoTheFileAsItIsNow) {
  std::vector<uint8_t> other(20, 0);
  other[0] = 1;
  WriteBytes(dir.File("dat/clear.clr"), other);  // written after this game started
  ASSERT_TRUE(KeepStageCleared(G(), 5));
  other[4] = 1;
  EXPECT_EQ(ReadBytes(dir.File("dat/clear.clr")), other);
  EXPECT_EQ(G().Cleared[0], 1);  // the other game's clear shows here too
  // Removed by the player meanwhile: only this run's clears come back.
  std::filesystem::remove(dir.File("dat/clear.clr"));
  ASSERT_TRUE(KeepStageCleared(G(), 2));
  std::vector<uint8_t> mine(20, 0);
  mine[1] = mine[4] = 1;
  EXPECT_EQ(ReadBytes(dir.File("dat/clear.clr")), mine);
}

}  // namespace
