// The game over: bands, title timing, blood, the continue choice and the
// ranking texts.
#include <gtest/gtest.h>

#include "base/sjis.h"
#include "enemy/enemy.h"
#include "main/curtain.h"
#include "main/game_over.h"
#include "main/scenes.h"
#include "scene_test_util.h"

namespace {

constexpr uint16_t kWhite = 0xFFFF;

TEnemy EnemyAt(double x, double y, int w, int h) {
  TEnemy e;
  e.X = x;
  e.Y = y;
  e.Width = w;
  e.Height = h;
  return e;
}

class GameOverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = StartedIn(dir);
    G().Stage = 1;
    G().Part = 2;
    G().Scene = 10;
    G().MusicState = 0;
  }
  Game& G() { return t->G; }
  TSceneState& S() { return t->G.Scenes; }
  // Game over at an enemy centred on (120, 320), run to the continue screen.
  void ToContinue() {
    StartGameOver(G(), EnemyAt(100, 300, 40, 40));
    for (int i = 0; i < 50; ++i) SceneGameOverClosing(G());
    for (int i = 0; i < 70; ++i) SceneGameOverTitle(G());
  }
  TempDataDir dir;
  std::unique_ptr<TestGame> t;
};

TEST_F(GameOverTest, BandsCloseOnTheEnemyInFiftyFrames) {
  G().Score = 0;
  StartGameOver(G(), EnemyAt(100, 300, 40, 40));
  EXPECT_EQ(G().Scene, 20);
  EXPECT_EQ(S().RankPos, -1);  // 0 never enters an all-zero table
  EXPECT_TRUE(S().RankText1.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.File("dat/score.rnk")));
  EXPECT_EQ(G().GameOvers, 1);
  EXPECT_EQ(G().MusicState, 255);
  EXPECT_EQ(CountPlays(G(), "GameOver1"), 1);
  FillSurface(G().Screen, kWhite);
  for (int i = 0; i < 49; ++i) SceneGameOverClosing(G());
  EXPECT_EQ(G().Scene, 20);
  SceneGameOverClosing(G());
  EXPECT_EQ(G().Scene, 21);
  // Black above the centre line and beside the enemy's x, the column below
  // the enemy's centre left alone.
  EXPECT_EQ(G().Screen.At(120, 10), 0);
  EXPECT_EQ(G().Screen.At(429, 300), 0);
  EXPECT_EQ(G().Screen.At(0, 399), 0);
  EXPECT_EQ(G().Screen.At(110, 399), 0);
  EXPECT_EQ(G().Screen.At(130, 399), 0);
  EXPECT_EQ(G().Screen.At(120, 399), kWhite);
  EXPECT_EQ(G().Screen.At(120, 330), kWhite);
  // The title rectangle starts as the centred "GameOver" picture.
  const TPictureItem& over = G().List.FindPicture("GameOver");
  EXPECT_EQ(S().CloseLeft, (430 - over.PictureWidth()) / 2);
  EXPECT_EQ(S().CloseBottom, (400 + over.PictureHeight()) / 2);
  EXPECT_EQ(S().OverTimer, 110);
}

TEST_F(GameOverTest, TitleTimingSoundAndClearing) {
  StartGameOver(G(), EnemyAt(100, 300, 40, 40));
  NewEnemy(G(), 1);
  for (int i = 0; i < 50; ++i) SceneGameOverClosing(G());
  for (int i = 0; i < 9; ++i) SceneGameOverTitle(G());
  EXPECT_EQ(CountPlays(G(), "GameOver2"), 0);
  SceneGameOverTitle(G());  // OverTimer 100: the title shows
  EXPECT_EQ(CountPlays(G(), "GameOver2"), 1);
  EXPECT_NEAR(S().Opacity, 255 - 2.7, 1e-9);
  double left = S().CloseLeft;
  SceneGameOverTitle(G());
  EXPECT_NEAR(S().CloseLeft, left - 1.8, 1e-9);
  for (int i = 0; i < 58; ++i) SceneGameOverTitle(G());
  EXPECT_EQ(G().Scene, 21);
  EXPECT_FALSE(G().Enemies.EnemyList.empty());
  SceneGameOverTitle(G());
  EXPECT_EQ(G().Scene, 22);
  EXPECT_TRUE(G().Enemies.EnemyList.empty());
  EXPECT_TRUE(G().Typing.WindowList.empty());
  for (const auto& d : S().Drops) EXPECT_GT(d.Speed, 0);
  EXPECT_EQ(G().MusicState, 0);
  EXPECT_NE(G().Music.FileName().find("PSMAT065.mid"), std::string::npos);
}

TEST_F(GameOverTest, BloodDrawsInOrderAndDropsFall) {
  G().Rng.Seed(12345);
  TRandom copy = G().Rng;
  InitBlood(G());
  for (const auto& sp : S().Splashes) {
    EXPECT_EQ(sp.X, copy.Random(379));
    EXPECT_EQ(sp.Y, copy.Random(355));
    EXPECT_EQ(sp.Pattern, copy.Random(2));
  }
  EXPECT_EQ(G().Rng.State(), copy.State());
  const TPictureItem& over2 = G().List.FindPicture("GameOver2");
  int w0 = (430 - over2.PictureWidth()) / 2, h0 = (400 - over2.PictureHeight()) / 2;
  EXPECT_EQ(S().Drops[0].X, w0 + 2);
  EXPECT_EQ(S().Drops[0].StartY, h0 + 34);
  EXPECT_EQ(S().Drops[8].X, w0 + 184);
  EXPECT_EQ(S().Drops[9].StartY, -160);
  EXPECT_EQ(S().Drops[12].X, -2);
  for (const auto& d : S().Drops) EXPECT_EQ(d.Speed, 0);

  DrawBlood(G());
  EXPECT_EQ(S().Drops[0].CurrentY, h0 + 34);  // inactive drops stay
  S().Drops[0].Speed = 10;
  S().Drops[0].CurrentY = 438;
  DrawBlood(G());
  EXPECT_EQ(S().Drops[0].CurrentY, 439);
  DrawBlood(G());
  DrawBlood(G());
  EXPECT_EQ(S().Drops[0].CurrentY, 440);
}

TEST_F(GameOverTest, ContinueYesReplaysThePartAfterSpace) {
  G().Score = 5000;
  G().Rate = 40;
  ToContinue();
  ASSERT_EQ(G().Scene, 22);
  G().SpaceKey = 1;
  SceneContinue(G());
  EXPECT_EQ(G().Scene, 5);
  EXPECT_EQ(G().Part, 1);
  EXPECT_EQ(G().Score, 0);
  EXPECT_EQ(G().Rate, 0);
  EXPECT_EQ(S().CurtainState, 1);
  G().SpaceKey = 0;
  for (int i = 0; i < 38; ++i) StepCurtain(G());
  ASSERT_EQ(S().CurtainState, 3);
  SceneCurtain(G());
  EXPECT_EQ(G().Scene, 5);  // part 2 waits for the space bar
  G().SpaceKey = 1;
  SceneCurtain(G());
  EXPECT_EQ(G().Scene, 10);
  EXPECT_EQ(G().Part, 2);
  EXPECT_EQ(G().Score, 0);
}

TEST_F(GameOverTest, ContinueNoReturnsToTheTitle) {
  ToContinue();
  G().ArrowKey = 3;
  SceneContinue(G());
  EXPECT_EQ(G().ContinueChoice, 1);
  G().ArrowKey = 1;
  SceneContinue(G());
  EXPECT_EQ(G().ContinueChoice, 0);
  G().ArrowKey = 4;
  SceneContinue(G());
  G().ArrowKey = 0;
  G().SpaceKey = 1;
  SceneContinue(G());
  EXPECT_EQ(G().Scene, 0);
  EXPECT_EQ(G().Cursor, 1);
}

TEST_F(GameOverTest, RankingTextsOnlyWhenPlaced) {
  G().Ranking = {900, 500, 300, 0, 0};
  G().Score = 500;
  ToContinue();
  EXPECT_EQ(S().RankPos, 3);
  EXPECT_EQ(S().RankText1, Sjis("得点500pt"));
  EXPECT_EQ(S().RankText2, Sjis("3位にランクイン！"));
  EXPECT_EQ(ReadBytes(dir.File("dat/score.rnk")).size(), 20u);  // written at once

  // The same frame drawn without a ranking place differs where the text is.
  auto area = [&] {
    std::vector<uint16_t> a;
    for (int y = 90; y < 134; ++y)
      for (int x = 170; x < 300; ++x) a.push_back(G().Screen.At(x, y));
    return a;
  };
  FillSurface(G().Screen, 0);
  SceneContinue(G());
  std::vector<uint16_t> placed = area();
  S().RankPos = -1;
  FillSurface(G().Screen, 0);
  SceneContinue(G());
  EXPECT_NE(area(), placed);
}

}  // namespace
