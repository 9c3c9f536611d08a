// The pause panel: the music holds and goes on, the words are covered on the
// frozen field, letters typed while paused are dropped, and the Pause key
// keeps sending the other screens back to the title.
#include "main/pause.h"

#include <gtest/gtest.h>

#include <set>

#include "main/form.h"
#include "main/form_keys.h"
#include "main/scenes.h"
#include "scene_test_util.h"

namespace {

class PauseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = MakeStartedGame(3);
    G().Stage = 2;
    StartStage(G());
    // Into play with the curtain open and a few prompt windows up.
    for (int i = 0; i < 400 && !(G().Scene == 10 && G().Scenes.CurtainState == 0 && Windows() >= 1);
         ++i)
      StepFrame(*t);
    ASSERT_EQ(G().Scene, 10);
    ASSERT_GE(Windows(), 1);
  }
  Game& G() { return t->G; }
  int Windows() {
    int n = 0;
    for (const auto& w : G().Typing.WindowList) n += w && w->State == Active;
    return n;
  }
  void Key(int code) {
    DeliverKeyEvent(G(), {code, true});
    DeliverKeyEvent(G(), {code, false});
  }
  std::unique_ptr<TestGame> t;
};

TEST_F(PauseTest, MusicHoldsAndTheWordsAreCovered) {
  ASSERT_EQ(G().Music.MusicMode(), 2);
  Key(vk::Tab);
  StepFrame(*t);
  ASSERT_EQ(G().Scene, kScenePausePanel);
  EXPECT_EQ(G().Music.MusicMode(), 5);
  StepFrame(*t);
  // Every covered window shows one flat colour: no letter can be read.
  for (const auto& w : G().Typing.WindowList) {
    if (!w) continue;
    std::set<uint16_t> colours;
    for (int y = std::max(w->Top(), 0); y <= std::min(w->Bottom(), 399); ++y)
      for (int x = std::max(w->Left(), 0); x <= std::min(w->Right(), 429); ++x)
        if (x < 115 || x >= 315 || y < 115 || y >= 300) colours.insert(G().Screen.At(x, y));
    EXPECT_LE(colours.size(), 1u) << "window at " << w->CenterX << "," << w->CenterY;
  }
  Key(vk::Pause);  // resumes: the count-in, then play with the music going on
  StepFrames(*t, kCountInFrames);
  EXPECT_EQ(G().Scene, 10);
  EXPECT_EQ(G().Music.MusicMode(), 2);
}

TEST_F(PauseTest, LettersTypedWhilePausedAreDropped) {
  Key(vk::Tab);
  StepFrame(*t);
  int64_t keys = G().KeysTyped, misses = G().Misses;
  for (int code = vk::A; code <= vk::Z; ++code) Key(code);
  // "resume" is the first entry; Space must be seen down by a frame.
  DeliverKeyEvent(G(), {vk::Space, true});
  StepFrame(*t);
  DeliverKeyEvent(G(), {vk::Space, false});
  StepFrames(*t, kCountInFrames + 1);
  EXPECT_EQ(G().Scene, 10);
  EXPECT_EQ(G().KeysTyped, keys);
  EXPECT_EQ(G().Misses, misses);
}

TEST_F(PauseTest, PauseKeyElsewhereStillLeavesForTheTitle) {
  G().Scene = 40;
  Key(vk::Pause);
  StepFrame(*t);
  EXPECT_EQ(G().Scene, 0);
  // Tab outside play does nothing.
  G().Scene = 40;
  Key(vk::Tab);
  StepFrame(*t);
  EXPECT_EQ(G().Scene, 40);
}

}  // namespace
