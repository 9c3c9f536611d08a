// Scene transitions driven through the window's key handlers and whole
// frames: title menu, stage select, the first part, Pause, stage 10.
#include <gtest/gtest.h>

#include "main/form.h"
#include "main/form_keys.h"
#include "main/scenes.h"
#include "scene_test_util.h"
#include "world/saved_results.h"
#include "world/score.h"

namespace {

class SceneFlowTest : public ::testing::Test {
 protected:
  void SetUp() override { t = StartedIn(dir); }
  Game& G() { return t->G; }
  void Frame() { RunFrame(G()); }
  // A key pressed before a frame and released after it.
  void Press(int code) {
    drawnKeyDown(G(), code);
    Frame();
    drawnKeyUp(G(), code);
  }
  // Runs frames until the scene is reached; returns the frames run or -1.
  int FramesUntilScene(int scene, int limit = 400) {
    for (int n = 1; n <= limit; ++n) {
      Frame();
      if (G().Scene == scene) return n;
    }
    return -1;
  }
  TempDataDir dir;
  std::unique_ptr<TestGame> t;
};

TEST_F(SceneFlowTest, TitleMenuCursorStaysInside) {
  Frame();
  EXPECT_EQ(G().Scene, 0);
  EXPECT_EQ(G().Cursor, 1);
  Press(vk::Up);
  EXPECT_EQ(G().Cursor, 1);
  Press(vk::Down);
  EXPECT_EQ(G().Cursor, 2);
  // 3 records, 4 practice, 5 settings, 6 how to play, the last.
  Press(vk::Down);
  EXPECT_EQ(G().Cursor, 3);
  Press(vk::Down);
  EXPECT_EQ(G().Cursor, 4);
  Press(vk::Down);
  EXPECT_EQ(G().Cursor, 5);
  Press(vk::Down);
  EXPECT_EQ(G().Cursor, 6);
  Press(vk::Down);
  EXPECT_EQ(G().Cursor, 6);
  Press(vk::Up);
  EXPECT_EQ(G().Cursor, 5);
  Press(vk::Up);
  EXPECT_EQ(G().Cursor, 4);
  Press(vk::Up);
  EXPECT_EQ(G().Cursor, 3);
  Press(vk::Up);
  EXPECT_EQ(G().Cursor, 2);
  Press(vk::Space);
  EXPECT_EQ(G().Scene, 40);
  Frame();
  EXPECT_EQ(G().Scene, 40);
  Press(vk::Space);
  EXPECT_EQ(G().Scene, 0);
  // Back on the ranking entry, where the player left the menu.
  EXPECT_EQ(G().Cursor, 2);
}

TEST_F(SceneFlowTest, RankingScreenLeavesOnEscape) {
  G().Scene = 40;
  Frame();
  EXPECT_EQ(G().Scene, 40);
  G().Inputer.SetHeld(vk::Backspace, true);
  Frame();
  EXPECT_EQ(G().Scene, 0);
  EXPECT_EQ(G().Cursor, 2);  // on the ranking entry
}

TEST_F(SceneFlowTest, StageSelectGridEdges) {
  Press(vk::Space);
  ASSERT_EQ(G().Cursor, 11);
  EXPECT_EQ(G().StageCount, 9);
  Press(vk::Left);
  EXPECT_EQ(G().Cursor, 11);
  Press(vk::Up);
  EXPECT_EQ(G().Cursor, 11);
  Press(vk::Down);
  EXPECT_EQ(G().Cursor, 16);
  for (int i = 0; i < 5; ++i) Press(vk::Right);
  EXPECT_EQ(G().Cursor, 19);  // stage 9 is the last
  Press(vk::Up);
  EXPECT_EQ(G().Cursor, 14);
  Press(vk::Right);
  EXPECT_EQ(G().Cursor, 15);
  Press(vk::Down);
  EXPECT_EQ(G().Cursor, 15);  // no stage 10 yet
  Press(vk::Left);
  Press(vk::Down);
  EXPECT_EQ(G().Cursor, 19);
}

TEST_F(SceneFlowTest, EscapeHeldWinsOverSpaceInTheSameFrame) {
  Press(vk::Space);
  ASSERT_EQ(G().Cursor, 11);
  G().Inputer.SetHeld(vk::Escape, true);
  Press(vk::Space);
  EXPECT_EQ(G().Scene, 0);
  EXPECT_EQ(G().Cursor, 1);
  EXPECT_EQ(G().Scenes.CurtainState, 0);
  EXPECT_EQ(G().Stage, 0);
}

TEST_F(SceneFlowTest, TitleToStageOneFirstPart) {
  G().Score = 77;
  Press(vk::Space);
  Press(vk::Space);
  EXPECT_EQ(G().Stage, 1);
  EXPECT_EQ(G().Scene, 5);
  EXPECT_EQ(G().Score, 0);
  EXPECT_EQ(G().Part, 0);
  // Pause does nothing while the curtain moves.
  drawnKeyDown(G(), vk::Pause);
  drawnKeyUp(G(), vk::Pause);
  EXPECT_EQ(G().Scene, 5);

  // The curtain closes in 38 frames (the first with the key); the next frame
  // starts part 1 without a key.
  int frames = FramesUntilScene(10);
  EXPECT_EQ(frames, 38);
  EXPECT_EQ(G().Part, 1);
  EXPECT_EQ(G().Scenes.CurtainState, -11);
  EXPECT_EQ(G().MusicState, 0);
  // The stage's own piece and backdrop, as its script names it.
  EXPECT_NE(G().Music.FileName().find("stage1.mid"), std::string::npos);
  EXPECT_EQ(G().Scenes.Terrain, "blue");

  // Once the curtain is open, Pause opens the pause panel after the frame
  // and leaves the field as it is.
  for (int i = 0; i < 60 && G().Scenes.CurtainState != 0; ++i) Frame();
  ASSERT_EQ(G().Scenes.CurtainState, 0);
  ASSERT_EQ(G().Scene, 10);
  drawnKeyDown(G(), vk::Pause);
  drawnKeyUp(G(), vk::Pause);
  EXPECT_EQ(G().Scene, 10);
  Frame();
  size_t enemies = G().Enemies.EnemyList.size();
  EXPECT_EQ(G().Scene, kScenePausePanel);
  Frame();
  EXPECT_EQ(G().Enemies.EnemyList.size(), enemies);
}

TEST_F(SceneFlowTest, StageTenOpensOnceNineAreClearedAndGoesStraightToTheRoll) {
  for (int s = 0; s < 9; ++s) G().Cleared[s] = 1;
  Press(vk::Space);
  EXPECT_EQ(G().StageCount, 10);
  for (int i = 0; i < 4; ++i) Press(vk::Right);
  Press(vk::Down);
  ASSERT_EQ(G().Cursor, 20);
  Press(vk::Space);
  ASSERT_EQ(G().Stage, 10);
  EXPECT_GT(FramesUntilScene(30), 0);
  EXPECT_EQ(G().Scenes.DancerCount, 20);
  EXPECT_EQ(G().Cleared[9], 1);
  EXPECT_EQ(G().StagesCleared, std::vector<int>{10});
  EXPECT_NE(G().Music.FileName().find("sense.mid"), std::string::npos);
  ASSERT_TRUE(SaveCleared(G()));
  std::vector<uint8_t> bytes = ReadBytes(dir.File("dat/clear.clr"));
  ASSERT_EQ(bytes.size(), 20u);
  EXPECT_EQ(bytes[9], 1);
}

}  // namespace
