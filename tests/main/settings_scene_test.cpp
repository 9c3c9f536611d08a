// The settings screen reached from the title menu with Enter: each row
// changes the game and the platform at once and is kept in settings.ini.
#include "main/settings_scene.h"

#include <gtest/gtest.h>

#include "main/form.h"
#include "main/form_keys.h"
#include "support/test_support.h"
#include "world/stage_table.h"

namespace {

class SettingsSceneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = MakeStartedGame();
    path = t->SaveDir + "/settings.ini";
    std::string message;
    ASSERT_TRUE(G().Settings.Open(path, message));
    StepFrame(*t);
  }
  Game& G() { return t->G; }
  void Press(int code) {
    DeliverKeyEvent(G(), {code, true});
    StepFrame(*t);
    DeliverKeyEvent(G(), {code, false});
  }
  void Presses(int code, int n) {
    for (int i = 0; i < n; ++i) Press(code);
  }
  TSettings Saved() {
    TSettings s;
    std::string message;
    LoadSettingsFile(path, s, message);
    return s;
  }
  std::unique_ptr<TestGame> t;
  std::string path;
};

}  // namespace

TEST_F(SettingsSceneTest, EnterOpensTheScreenAndEveryRowTakesEffect) {
  Presses(vk::Down, 4);  // ranking, records, practice, settings
  ASSERT_EQ(G().Cursor, 5);
  Press(vk::Return);
  ASSERT_EQ(G().Scene, 70);
  // Music volume: Left twice from 100.
  Presses(vk::Left, 2);
  EXPECT_EQ(t->Platform.MusicVolume(), 80);
  EXPECT_EQ(Saved().MusicVolume, 80);
  // Effects volume: down to 0 and no lower.
  Press(vk::Down);
  Presses(vk::Left, 12);
  EXPECT_EQ(t->Platform.EffectsVolume(), 0);
  EXPECT_EQ(Saved().EffectsVolume, 0);
  // Translucency and the frame rate flip with Space or Enter.
  Press(vk::Down);
  Press(vk::Space);
  EXPECT_EQ(G().AlphaOn, 0);
  Press(vk::Down);
  Press(vk::Return);
  EXPECT_EQ(G().FpsShow, 1);
  // Window scale: automatic, then 2.
  Press(vk::Down);
  Presses(vk::Right, 2);
  EXPECT_EQ(t->Platform.WindowScale(), 2);
  // Full screen on, romaji one step back (wraps to "mine"), difficulty up.
  Press(vk::Down);
  Press(vk::Right);
  EXPECT_TRUE(t->Platform.IsFullScreen());
  Press(vk::Down);
  Press(vk::Left);
  Press(vk::Down);
  Press(vk::Right);
  TSettings s = Saved();
  EXPECT_FALSE(s.Translucency);
  EXPECT_TRUE(s.ShowFps);
  EXPECT_EQ(s.WindowScale, 2);
  EXPECT_TRUE(s.FullScreen);
  EXPECT_EQ(s.RomajiStyle, TRomajiStyle::Mine);
  EXPECT_EQ(s.Difficulty, TDifficulty::Hard);
  EXPECT_EQ(s, G().Settings.Values());
  // The stage look: from each stage's own to the classic one and back.
  Press(vk::Down);
  Press(vk::Space);
  EXPECT_EQ(Saved().StageLook, TStageLook::Classic);
  Press(vk::Left);
  EXPECT_EQ(Saved().StageLook, TStageLook::Stages);
  // The prompt windows' rows: the reading line on, the romaji display
  // stepped on to off and back to the hint, typed letters kept.
  Press(vk::Down);
  Press(vk::Space);
  EXPECT_TRUE(Saved().ReadingLine);
  Press(vk::Down);
  Presses(vk::Right, 2);
  EXPECT_EQ(Saved().RomajiDisplay, TRomajiDisplay::Off);
  Press(vk::Left);
  EXPECT_EQ(Saved().RomajiDisplay, TRomajiDisplay::Hint);
  Press(vk::Down);
  Press(vk::Return);
  EXPECT_EQ(Saved().TypedLetters, TTypedLetters::Keep);
  // The last row goes back to the title with the cursor on 設定.
  Presses(vk::Down, 3);
  Press(vk::Return);
  EXPECT_EQ(G().Scene, 0);
  EXPECT_EQ(G().Cursor, 5);
  EXPECT_TRUE(t->Platform.Errors().empty());
}

TEST_F(SettingsSceneTest, EscapeLeavesAndSpaceDoesNotMoveAVolume) {
  OpenSettingsScreen(G());
  Press(vk::Space);  // on the music volume row
  EXPECT_EQ(G().Settings.Values().MusicVolume, 100);
  Press(vk::Up);  // already on the first row
  Press(vk::Left);
  EXPECT_EQ(G().Settings.Values().MusicVolume, 90);
  G().Inputer.SetHeld(vk::Escape, true);
  StepFrame(*t);
  EXPECT_EQ(G().Scene, 0);
}

TEST_F(SettingsSceneTest, TheStageLookRowShowsAndReplacesTheRunsFlag) {
  // --stage-look classic for this run: the row starts from it, and the
  // player's change is kept and replaces the flag.
  G().Scenes.StageLookGiven = true;
  G().Scenes.StageLookFlag = TStageLook::Classic;
  OpenSettingsScreen(G());
  Presses(vk::Down, 8);
  Press(vk::Right);
  EXPECT_FALSE(G().Scenes.StageLookGiven);
  EXPECT_EQ(G().Settings.Values().StageLook, TStageLook::Stages);
  EXPECT_EQ(Saved().StageLook, TStageLook::Stages);
  Press(vk::Return);
  EXPECT_EQ(StageLookOf(G()), TStageLook::Classic);
  EXPECT_EQ(G().Scene, 70);
}
