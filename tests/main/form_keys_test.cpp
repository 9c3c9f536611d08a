// The window's key handlers: letter latch, space and arrow flags as the frames
// see them, function keys and the held-key state.
#include "main/form_keys.h"

#include <gtest/gtest.h>

#include "base/sjis.h"
#include "main/form.h"
#include "support/test_support.h"
#include "world/settings_link.h"

namespace {

void Down(Game& g, int code) {
  DeliverKeyEvent(g, {code, true});
}
void Up(Game& g, int code) {
  DeliverKeyEvent(g, {code, false});
}
void Press(Game& g, int code) {
  Down(g, code);
  Up(g, code);
}
std::vector<int> Queue(const Game& g) {
  return std::vector<int>(g.Typing.KeyQueue.begin(), g.Typing.KeyQueue.end());
}

}  // namespace

TEST(FormKeys, HeldLetterTypesOnceUntilReleased) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  Down(g, vk::A);
  Down(g, vk::A);  // auto-repeat
  Down(g, vk::A);
  EXPECT_EQ(Queue(g), (std::vector<int>{1}));
  Up(g, vk::A);
  Down(g, vk::A);
  EXPECT_EQ(Queue(g), (std::vector<int>{1, 1}));
  // Letters latch independently; minus is letter 27, Z letter 26.
  Down(g, vk::Minus);
  Down(g, vk::Z);
  Down(g, vk::Minus);
  EXPECT_EQ(Queue(g), (std::vector<int>{1, 1, 27, 26}));
  // Other keys queue nothing.
  Down(g, vk::Escape);
  Down(g, 48);  // the 0 key
  EXPECT_EQ(Queue(g).size(), 4u);
}

TEST(FormKeys, SpaceIsSeenByExactlyOneFrame) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  StepFrame(*t);
  Down(g, vk::Space);
  EXPECT_EQ(g.SpaceKey, 1);
  EXPECT_EQ(g.SpaceHeld, 1);
  ASSERT_EQ(g.Cursor, 1);
  StepFrame(*t);
  EXPECT_EQ(g.Cursor, 11);  // the title menu saw the press: stage select
  EXPECT_EQ(g.SpaceKey, 255);
  Down(g, vk::Space);  // auto-repeat while held
  StepFrame(*t);
  EXPECT_EQ(g.SpaceKey, 255);
  EXPECT_EQ(g.Scene, 0);  // no stage started by the held key
  Up(g, vk::Space);
  EXPECT_EQ(g.SpaceKey, 0);
  EXPECT_EQ(g.SpaceHeld, 0);
}

// A quick tap (down and up before the next frame, as a fast finger or
// xdotool gives) chooses once, like a longer press, and is then let go.
TEST(FormKeys, SpaceTappedBetweenFramesIsSeenByOneFrame) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  StepFrame(*t);
  Press(g, vk::Space);
  EXPECT_EQ(g.SpaceKey, 1);
  EXPECT_EQ(g.SpaceHeld, 0);
  StepFrame(*t);
  EXPECT_EQ(g.Cursor, 11);   // the title menu saw it: stage select
  EXPECT_EQ(g.SpaceKey, 0);  // released, so the next press counts again
  StepFrame(*t);
  EXPECT_EQ(g.Scene, 0);  // and only once: no stage started
  Press(g, vk::Return);   // Enter taps the same way
  StepFrame(*t);
  EXPECT_NE(g.Scene, 0);  // the stage select chose its stage
}

// Escape and Backspace are read as held states: a tap between two frames
// still reads as down for the next frame, and for that frame only.
TEST(FormKeys, HeldStateKeysTappedBetweenFramesReadAsDownOnce) {
  TKeyboard k;
  k.SetHeld(vk::Escape, true);
  k.SetHeld(vk::Escape, false);
  k.PollKeyboard();
  EXPECT_TRUE(k.IsKeyDown(vk::Escape));
  k.PollKeyboard();
  EXPECT_FALSE(k.IsKeyDown(vk::Escape));
  // A held key stays down; without the focus nothing reads as down.
  k.SetHeld(vk::Backspace, true);
  k.PollKeyboard();
  k.PollKeyboard();
  EXPECT_TRUE(k.IsKeyDown(vk::Backspace));
  k.SetHeld(vk::Escape, true);
  k.SetHeld(vk::Escape, false);
  k.SetFocus(false);
  k.PollKeyboard();
  EXPECT_FALSE(k.IsKeyDown(vk::Escape));
  EXPECT_FALSE(k.IsKeyDown(vk::Backspace));
}

TEST(FormKeys, LastArrowBeforeAFrameCounts) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  StepFrame(*t);
  Press(g, vk::Up);
  Press(g, vk::Down);
  EXPECT_EQ(g.ArrowKey, 3);
  StepFrame(*t);
  EXPECT_EQ(g.Cursor, 2);
  EXPECT_EQ(g.ArrowKey, 0);
  Press(g, vk::Right);
  EXPECT_EQ(g.ArrowKey, 2);
  Press(g, vk::Left);
  EXPECT_EQ(g.ArrowKey, 4);
  Press(g, vk::Up);
  StepFrame(*t);
  EXPECT_EQ(g.Cursor, 1);
}

TEST(FormKeys, MusicToggleFollowsTheMusicState) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  ASSERT_EQ(g.Music.MusicMode(), 2);
  Down(g, vk::F4);
  EXPECT_EQ(g.MusicOn, 0);
  EXPECT_EQ(g.MusicState, 246);
  EXPECT_EQ(g.Music.MusicMode(), 5);
  t->Platform.Advance(5000);
  Up(g, vk::F4);  // acts on key-down only
  EXPECT_EQ(g.MusicOn, 0);
  Down(g, vk::F4);
  EXPECT_EQ(g.MusicOn, 1);
  EXPECT_EQ(g.MusicState, 0);
  EXPECT_EQ(g.Music.MusicMode(), 2);
  EXPECT_EQ(t->MusicDevice.PlayedMs(), 0);  // from the start

  // Paused by the game during a curtain: off keeps it silent, on restarts it.
  t->Platform.Advance(3000);
  g.Music.PauseMusic();
  g.MusicState = 255;
  Down(g, vk::F4);
  EXPECT_EQ(g.MusicState, 246);
  EXPECT_EQ(g.Music.MusicMode(), 5);
  Down(g, vk::F4);
  EXPECT_EQ(g.MusicState, 0);
  EXPECT_EQ(g.Music.MusicMode(), 2);
  EXPECT_EQ(t->MusicDevice.PlayedMs(), 0);
}

TEST(FormKeys, FullScreenBothWaysRebuildsTheBackdrop) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  uint16_t tile = g.StockSurface[1].At(0, 0);
  LoadBackdropTile(g, "lava");
  ASSERT_NE(g.StockSurface[1].At(0, 0), tile);
  Down(g, vk::F2);
  EXPECT_FALSE(t->Platform.IsFullScreen());  // F2 acts on release
  Up(g, vk::F2);
  EXPECT_TRUE(t->Platform.IsFullScreen());
  EXPECT_EQ(g.StockSurface[1].At(0, 0), tile);
  EXPECT_EQ(g.StockSurface[0].Width, 430);
  EXPECT_EQ(g.StockSurface[0].At(200, 200), 0);
  // A second F2 returns to the window and rebuilds the surfaces again.
  FillSurface(g.StockSurface[1], 0x1234);
  Up(g, vk::F2);
  EXPECT_FALSE(t->Platform.IsFullScreen());
  EXPECT_EQ(g.StockSurface[1].At(0, 0), tile);
  // Asking for the state the platform is already in changes nothing.
  FillSurface(g.StockSurface[1], 0x1234);
  SetFullScreen(g, false);
  EXPECT_EQ(g.StockSurface[1].At(0, 0), 0x1234);
}

TEST(FormKeys, TogglesAndPause) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  Up(g, vk::F3);
  EXPECT_EQ(g.AlphaOn, 0);
  Up(g, vk::F3);
  EXPECT_EQ(g.AlphaOn, 1);
  Down(g, vk::F5);
  EXPECT_EQ(g.SoundOn, 0);
  Down(g, vk::F5);
  EXPECT_EQ(g.SoundOn, 1);

  g.Scene = 40;
  g.Cursor = 3;
  Down(g, vk::Pause);
  EXPECT_EQ(g.Scene, 40);  // Pause acts on release
  Up(g, vk::Pause);
  EXPECT_EQ(g.Scene, 0);
  EXPECT_EQ(g.Cursor, 1);
}

TEST(FormKeys, HeldKeysReadThroughTheKeyboardDevice) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  Down(g, vk::Escape);
  EXPECT_FALSE(g.Inputer.IsKeyDown(vk::Escape));  // until the next poll
  StepFrame(*t);
  EXPECT_TRUE(g.Inputer.IsKeyDown(vk::Escape));
  StepFrame(*t);
  EXPECT_TRUE(g.Inputer.IsKeyDown(vk::Escape));  // a state, not an event
  g.Inputer.SetFocus(false);
  StepFrame(*t);
  EXPECT_FALSE(g.Inputer.IsKeyDown(vk::Escape));
  g.Inputer.SetFocus(true);
  Up(g, vk::Escape);
  StepFrame(*t);
  EXPECT_FALSE(g.Inputer.IsKeyDown(vk::Escape));
}

// The function keys' toggles are kept in the player's settings, and the next
// start takes them back; F4 and F5 leave a short note on the screen.
TEST(FormKeys, FunctionKeyTogglesPersistAcrossStarts) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  std::string path = t->SaveDir + "/settings.ini", message;
  ASSERT_TRUE(g.Settings.Open(path, message));
  Press(g, vk::F3);
  Press(g, vk::F1);
  Press(g, vk::F5);
  Press(g, vk::F4);
  Press(g, vk::F2);
  auto next = MakeTestGame();
  ASSERT_TRUE(next->G.Settings.Open(path, message));
  EXPECT_EQ(message, "");
  const TSettings& s = next->G.Settings.Values();
  EXPECT_FALSE(s.Translucency);
  EXPECT_TRUE(s.ShowFps);
  EXPECT_FALSE(s.SoundOn);
  EXPECT_FALSE(s.MusicOn);
  EXPECT_TRUE(s.FullScreen);
  RunFrame(next->G);  // the first frame takes the settings
  EXPECT_EQ(next->G.AlphaOn, 0);
  EXPECT_EQ(next->G.FpsShow, 1);
  EXPECT_EQ(next->G.SoundOn, 0);
  EXPECT_EQ(next->G.MusicOn, 0);
  EXPECT_EQ(next->G.MusicState, 246);
  EXPECT_FALSE(next->G.Music.IsOpen());  // no title music with music off
  // Toggled back, the file says so too.
  Press(g, vk::F3);
  TSettings back;
  LoadSettingsFile(path, back, message);
  EXPECT_TRUE(back.Translucency);
}

TEST(FormKeys, MusicAndSoundKeysShowANoteThatLeavesNoTrace) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  StepFrame(*t);
  Press(g, vk::F4);
  EXPECT_EQ(g.Scenes.Note, Sjis("音楽 オフ"));
  std::vector<uint16_t> before = g.Screen.Pixels;
  DrawNote(g);
  // Black box with white text in the top-left corner.
  EXPECT_EQ(g.Screen.At(5, 5), 0);
  int white = 0;
  for (int y = 4; y < 22; ++y)
    for (int x = 4; x < 80; ++x) white += g.Screen.At(x, y) == 0xFFFF;
  EXPECT_GT(white, 20);
  RestoreUnderNote(g);
  EXPECT_TRUE(g.Screen.Pixels == before);
  Press(g, vk::F5);
  EXPECT_EQ(g.Scenes.Note, Sjis("効果音 オフ"));
  StepFrames(*t, 40);
  EXPECT_EQ(g.Scenes.NoteFrames, 0);
  EXPECT_EQ(g.Scenes.Note, "");
}
