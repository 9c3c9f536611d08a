// The play scene's stage-end sequence and its bottom check.
#include <gtest/gtest.h>

#include "enemy/enemy.h"
#include "main/play_scene.h"
#include "main/scenes.h"
#include "scene_test_util.h"

namespace {

class PlaySceneTest : public ::testing::Test {
 protected:
  // Part 1 of stage 2 under way, with a script that spawns nothing more.
  void SetUp() override {
    t = StartedIn(dir);
    G().Stage = 2;
    G().Part = 0;
    StartNextPart(G());
    G().Script.Finished = true;
    G().Scenes.CurtainState = 0;
    ClearPlayObjects(G());
  }
  Game& G() { return t->G; }
  int Stageclears() {
    int n = 0;
    for (const auto& e : G().Effects.EffectList) n += e->PictureName == "stageclear";
    return n;
  }
  TempDataDir dir;
  std::unique_ptr<TestGame> t;
};

TEST_F(PlaySceneTest, StageEndRunsOnAnEmptyField) {
  ASSERT_EQ(G().Scene, 10);
  G().ClearTimer = 1;
  G().Score = 1000;
  ScenePlay(G());
  EXPECT_EQ(G().ClearTimer, 101);
  for (int i = 0; i < 18; ++i) ScenePlay(G());
  EXPECT_EQ(G().ClearTimer, 119);
  EXPECT_EQ(Stageclears(), 0);
  ScenePlay(G());
  EXPECT_EQ(Stageclears(), 1);
  int guwawan = CountPlays(G(), "guwawan");
  ScenePlay(G());
  EXPECT_EQ(CountPlays(G(), "guwawan"), guwawan + 1);

  G().Enemies.Bombs[2].Present = 0;  // one bomb used up
  int present = 0;
  for (int i = 1; i <= 6; ++i) present += G().Enemies.Bombs[i].Present == 1;
  for (int i = 0; i < 108; ++i) ScenePlay(G());
  EXPECT_EQ(G().ClearTimer, 229);
  EXPECT_EQ(G().Scene, 10);
  ScenePlay(G());
  EXPECT_EQ(G().Scene, 5);
  EXPECT_EQ(G().Scenes.CurtainState, 1);
  EXPECT_EQ(G().Score, 1000 + present * 1200);
  EXPECT_EQ(present, 5);
}

TEST_F(PlaySceneTest, StageEndWaitsWhileEnemiesRemain) {
  TEnemy* e = NewEnemy(G(), 1);
  e->X = 100;
  e->Y = 50;
  G().ClearTimer = 1;
  for (int i = 0; i < 5; ++i) ScenePlay(G());
  EXPECT_EQ(G().ClearTimer, 100);
  ClearPlayObjects(G());
  ScenePlay(G());
  EXPECT_EQ(G().ClearTimer, 101);
}

TEST_F(PlaySceneTest, BottomCheckTakesTheFirstEnemyInTheList) {
  G().Score = 0;
  TEnemy* first = NewEnemy(G(), 1);
  TEnemy* second = NewEnemy(G(), 1);
  first->X = 40;
  second->X = 300;
  first->Y = 400 - first->Height + 8;
  second->Y = 400 - second->Height + 20;
  ScenePlay(G());
  ASSERT_EQ(G().Scene, 20);
  EXPECT_EQ(G().GameOvers, 1);
  ASSERT_GE(G().Enemies.EnemyList.size(), 2u);
  const TEnemy& got = *G().Enemies.EnemyList[0];
  EXPECT_DOUBLE_EQ(G().Scenes.StepLeft, EnemyCenterX(got) / 50.0);
  EXPECT_DOUBLE_EQ(G().Scenes.StepTop, EnemyCenterY(got) / 50.0);
  EXPECT_LT(EnemyCenterX(got), 200);
}

TEST_F(PlaySceneTest, EnemyAboveTheLineDoesNotEndTheGame) {
  TEnemy* e = NewEnemy(G(), 1);
  e->X = 200;
  e->Y = 400 - e->Height + 6;  // 2 pixels short of the line
  ScenePlay(G());
  EXPECT_EQ(G().Scene, 10);
  EXPECT_EQ(G().GameOvers, 0);
}

// The field is drawn the same way each time (same scroll, nothing moving), so
// only the "miss" picture can make a difference.
TEST_F(PlaySceneTest, MissPictureBlinksAndTheCounterStopsAtZero) {
  auto render = [&](int missBlink) {
    G().Scenes.BgScroll = 10;
    G().MissBlink = missBlink;
    ScenePlay(G());
    std::vector<uint16_t> area;
    for (int y = 183; y < 207; ++y)
      for (int x = 171; x < 278; ++x) area.push_back(G().Screen.At(x, y));
    return area;
  };
  std::vector<uint16_t> none = render(0);
  EXPECT_NE(render(13), none);  // 12 left: shown
  EXPECT_EQ(render(14), none);  // 13 left: hidden
  EXPECT_NE(render(3), none);   // 2 left: shown
  G().MissBlink = 2;
  for (int i = 0; i < 5; ++i) ScenePlay(G());
  EXPECT_EQ(G().MissBlink, 0);
}

}  // namespace
