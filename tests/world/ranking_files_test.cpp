// The ranking insertion and the two save files: layout, round trips, damaged
// or missing files and failed writes.
#include <gtest/gtest.h>

#include <filesystem>

#include "main/scene_test_util.h"
#include "world/score.h"

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
  std::vector<uint8_t> sentinel = RankBytes({1, 2, 3, 4, 5});
  WriteBytes(dir.File("dat/score.rnk"), sentinel);
  G().Ranking = {900, 800, 700, 600, 200};
  G().Score = 100;
  EXPECT_EQ(InsertRanking(G()), -1);
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{900, 800, 700, 600, 200}));
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), sentinel);

  G().Ranking.fill(0);
  G().Score = 0;
  EXPECT_EQ(InsertRanking(G()), -1);
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), sentinel);
}

TEST_F(RankingTest, RoundTripIsLittleEndian) {
  G().Ranking = {0x01020304, 70000, -5, 0, INT32_MIN};
  ASSERT_TRUE(SaveRanking(G()));
  std::vector<uint8_t> bytes = ReadBytes(dir.File("dat/score.rnk"));
  ASSERT_EQ(bytes.size(), 20u);
  EXPECT_EQ(bytes[0], 0x04);
  EXPECT_EQ(bytes[3], 0x01);
  // Negative scores are never written by play: such a table reads as damaged.
  auto other = StartedIn(dir);
  LoadRanking(other->G);
  EXPECT_EQ(other->G.Ranking, (std::array<int32_t, 5>{}));
  G().Ranking = {0x01020304, 70000, 5, 5, 0};
  ASSERT_TRUE(SaveRanking(G()));
  LoadRanking(other->G);
  EXPECT_EQ(other->G.Ranking, (std::array<int32_t, 5>{0x01020304, 70000, 5, 5, 0}));
}

// A damaged table (unsorted or negative entries) shows empty, and the file is
// left as it is until a new score is entered; then it is written whole.
TEST_F(RankingTest, DamagedTableShowsEmptyAndIsKeptUntilANewScore) {
  for (auto damaged : {RankBytes({10, 20, 5, 0, 0}), RankBytes({100, 50, -3, -4, -5}),
                       RankBytes({-1, -2, -3, -4, -5})}) {
    WriteBytes(dir.File("dat/score.rnk"), damaged);
    G().Ranking = {9, 9, 9, 9, 9};
    LoadRanking(G());
    EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{}));
    EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), damaged);
  }
  G().Score = 0;
  EXPECT_EQ(InsertRanking(G()), -1);
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), RankBytes({-1, -2, -3, -4, -5}));
  G().Score = 300;
  EXPECT_EQ(InsertRanking(G()), 1);
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")), RankBytes({300, 0, 0, 0, 0}));
}

TEST_F(RankingTest, DamagedFilesCountAsAbsent) {
  G().Ranking = {9, 9, 9, 9, 9};
  WriteBytes(dir.File("dat/score.rnk"), std::vector<uint8_t>(19, 0x11));
  LoadRanking(G());
  EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{}));

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
  std::filesystem::create_directories(d.File("dat/score.rnk.tmp"));
  g.Ranking = {1, 1, 1, 1, 1};
  EXPECT_FALSE(SaveRanking(g));
  g.Score = 500;
  EXPECT_EQ(InsertRanking(g), 1);  // the table still changes in memory
  EXPECT_EQ(ReadBytes(d.File("dat/score.rnk")), old);
  EXPECT_EQ(CountErrorsContaining(*t, "score.rnk"), 1);

  // Once the obstacle is gone the table is written whole.
  std::filesystem::remove(d.File("dat/score.rnk.tmp"));
  EXPECT_TRUE(SaveRanking(g));
  EXPECT_EQ(ReadBytes(d.File("dat/score.rnk")), RankBytes({500, 1, 1, 1, 1}));
  EXPECT_FALSE(std::filesystem::exists(d.File("dat/score.rnk.tmp")));
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

  WriteBytes(dir.File("dat/clear.clr"), std::vector<uint8_t>(12, 1));  // short
  LoadCleared(G());
  EXPECT_EQ(G().Cleared, (std::array<uint8_t, 20>{}));
}

}  // namespace
