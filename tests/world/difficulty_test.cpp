// Difficulties: the world's pace per frame, shifted word levels and scaled
// time limits, a ranking file per difficulty, and the stage select's row.
#include <gtest/gtest.h>

#include <filesystem>

#include "main/form.h"
#include "main/form_keys.h"
#include "main/scene_test_util.h"
#include "main/scenes.h"
#include "world/saved_results.h"
#include "world/score.h"

namespace {

class DifficultyTest : public ::testing::Test {
 protected:
  void SetUp() override { t = StartedIn(dir); }
  Game& G() { return t->G; }
  void Press(int code) {
    drawnKeyDown(G(), code);
    RunFrame(G());
    drawnKeyUp(G(), code);
  }
  int StepsIn(int frames) {
    int n = 0;
    for (int i = 0; i < frames; ++i) n += PlayStepsThisFrame(G());
    return n;
  }
  TempDataDir dir;
  std::unique_ptr<TestGame> t;
};

TEST_F(DifficultyTest, PaceLevelsAndLimits) {
  G().Scenes.CurtainState = 0;
  EXPECT_EQ(StepsIn(200), 200);
  ChangeDifficulty(G(), TDifficulty::Easy);
  EXPECT_EQ(StepsIn(200), 110);
  EXPECT_EQ(DifficultyWordLevel(G(), 1), 1);
  EXPECT_EQ(DifficultyWordLevel(G(), 5), 4);
  EXPECT_GT(DifficultyTimeLimit(G(), 90), 90);
  EXPECT_EQ(DifficultyTimeLimit(G(), 0), 0);  // no limit stays no limit
  ChangeDifficulty(G(), TDifficulty::Hard);
  EXPECT_GT(StepsIn(200), 200);
  EXPECT_EQ(DifficultyWordLevel(G(), 8), 8);
  EXPECT_EQ(DifficultyWordLevel(G(), 5), 6);
  EXPECT_LT(DifficultyTimeLimit(G(), 90), 90);
  EXPECT_GE(DifficultyTimeLimit(G(), 1), 1);
  // A moving curtain is never left standing on an old picture.
  G().Scenes.CurtainState = -5;
  ChangeDifficulty(G(), TDifficulty::Easy);
  EXPECT_EQ(StepsIn(20), 20);
}

TEST_F(DifficultyTest, EachDifficultyKeepsItsOwnRanking) {
  namespace fs = std::filesystem;
  G().Score = 5000;
  EXPECT_EQ(InsertRanking(G()), 1);
  ChangeDifficulty(G(), TDifficulty::Easy);
  EXPECT_EQ(G().Ranking[0], 0);  // the easy ranking starts empty
  G().Score = 900;
  EXPECT_EQ(InsertRanking(G()), 1);
  EXPECT_TRUE(fs::exists(dir.File("dat/score_easy.rnk")));
  ChangeDifficulty(G(), TDifficulty::Normal);
  EXPECT_EQ(G().Ranking[0], 5000);
  EXPECT_EQ(G().Ranking[1], 0);
  ChangeDifficulty(G(), TDifficulty::Hard);
  EXPECT_EQ(G().Ranking[0], 0);
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")).size(), 20u);
  EXPECT_FALSE(fs::exists(dir.File("dat/score_hard.rnk")));
}

TEST_F(DifficultyTest, StageSelectRowOfItsOwn) {
  Press(vk::Space);
  ASSERT_EQ(G().Cursor, 11);
  Press(vk::Down);   // stage 6
  Press(vk::Right);  // stage 7
  Press(vk::Down);   // the difficulty row
  ASSERT_EQ(G().Cursor, kDifficultyRow);
  Press(vk::Left);
  EXPECT_EQ(G().Difficulty.Level, TDifficulty::Easy);
  Press(vk::Left);  // already the easiest
  EXPECT_EQ(G().Difficulty.Level, TDifficulty::Easy);
  Press(vk::Right);
  Press(vk::Right);
  Press(vk::Right);
  EXPECT_EQ(G().Difficulty.Level, TDifficulty::Hard);
  Press(vk::Up);
  EXPECT_EQ(G().Cursor, 17);
  Press(vk::Down);
  Press(vk::Space);  // from the row: the stage chosen above starts
  EXPECT_EQ(G().Stage, 7);
  EXPECT_EQ(G().Scene, 5);
}

}  // namespace
