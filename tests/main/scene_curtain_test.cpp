// The curtain frame by frame: closing, holding, opening, its picture on the
// screen, "push_space", the banners, and the music it loads.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/sjis.h"
#include "main/curtain.h"
#include "main/scenes.h"
#include "scene_test_util.h"
#include "world/stage_table.h"

namespace {

constexpr uint16_t kWhite = 0xFFFF;

class CurtainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = StartedIn(dir);
    G().Stage = 1;
    G().Part = 0;
  }
  Game& G() { return t->G; }
  TSceneState& S() { return t->G.Scenes; }
  // Steps until the curtain is closed; returns the steps taken.
  int CloseFully() {
    int n = 0;
    while (S().CurtainState != 3 && n < 200) {
      StepCurtain(G());
      ++n;
    }
    return n;
  }
  TempDataDir dir;
  std::unique_ptr<TestGame> t;
};

TEST_F(CurtainTest, ClosingPositionsFrameByFrame) {
  G().Typing.KeyQueue = {1, 2, 3};
  int doors = CountPlays(G(), "door");
  CloseCurtain(G());
  EXPECT_EQ(G().Scene, 5);
  EXPECT_TRUE(G().Typing.KeyQueue.empty());
  EXPECT_EQ(CountPlays(G(), "door"), doors + 1);
  EXPECT_EQ(S().CurtainState, 1);

  const double expected[] = {9.0, 17.91, 26.73, 35.46};
  for (double e : expected) {
    StepCurtain(G());
    EXPECT_NEAR(S().CurtainPos, e, 1e-9);
  }
  // Step 5 draws both halves 35 rows high before moving on.
  FillSurface(G().Screen, kWhite);
  StepCurtain(G());
  EXPECT_EQ(G().Screen.At(200, 34), 0);
  EXPECT_EQ(G().Screen.At(200, 35), kWhite);
  EXPECT_EQ(G().Screen.At(10, 365), 0);
  EXPECT_EQ(G().Screen.At(10, 364), kWhite);

  for (int step = 6; step <= 22; ++step) StepCurtain(G());
  EXPECT_EQ(S().CurtainState, 1);
  StepCurtain(G());  // 23rd step passes 180
  EXPECT_EQ(S().CurtainState, 2);
  EXPECT_NEAR(S().CurtainPos, 184.23, 1e-9);
  EXPECT_DOUBLE_EQ(S().CurtainSpeed, 1.1);
  for (int step = 24; step <= 37; ++step) StepCurtain(G());
  EXPECT_EQ(S().CurtainState, 2);
  EXPECT_NEAR(S().CurtainPos, 184.23 + 14 * 1.1, 1e-9);
  StepCurtain(G());
  EXPECT_EQ(S().CurtainState, 3);
  EXPECT_EQ(S().CurtainPos, 200);
  EXPECT_EQ(S().CurtainSpeed, 0);
}

TEST_F(CurtainTest, ClosedCurtainIsBlackWithPushSpaceOnlyBetweenParts) {
  auto nonBlack = [&] {
    int n = 0;
    for (uint16_t p : G().Screen.Pixels) n += p != 0;
    return n;
  };
  for (int part : {0, 1, 2}) {
    G().Part = part;
    CloseCurtain(G());
    CloseFully();
    FillSurface(G().Screen, kWhite);
    StepCurtain(G());  // closed: the whole screen is filled again
    if (part == 1)
      EXPECT_GT(nonBlack(), 0) << "push_space between part 1 and 2";
    else
      EXPECT_EQ(nonBlack(), 0) << "part " << part;
  }
}

TEST_F(CurtainTest, LastPartIsMarkedWhenTheFinalPartCloses) {
  G().Part = 1;
  CloseCurtain(G());
  EXPECT_EQ(G().LastPart, 0);
  G().Part = 2;  // stage 1 has two parts
  CloseCurtain(G());
  EXPECT_EQ(G().LastPart, 1);
}

TEST_F(CurtainTest, HoldThenOpenWithBellAndPartBanner) {
  G().Part = 2;
  G().BannerPending = 1;
  size_t effects = G().Effects.EffectList.size();
  OpenCurtain(G());
  EXPECT_EQ(S().CurtainState, -10);
  for (int i = 0; i < 20; ++i) StepCurtain(G());
  EXPECT_EQ(S().CurtainState, -30);
  StepCurtain(G());
  EXPECT_EQ(S().CurtainState, -1);
  EXPECT_EQ(S().CurtainPos, 201.0);

  int bells = CountPlays(G(), "bell");
  for (int i = 0; i < 19; ++i) StepCurtain(G());
  EXPECT_EQ(S().CurtainState, -1);
  EXPECT_EQ(CountPlays(G(), "bell"), bells);
  StepCurtain(G());  // 201 - 20 x 1.1 = 179
  EXPECT_EQ(S().CurtainState, -2);
  EXPECT_NEAR(S().CurtainPos, 179.0, 1e-9);
  EXPECT_DOUBLE_EQ(S().CurtainSpeed, 3.0);
  EXPECT_EQ(CountPlays(G(), "bell"), bells + 1);
  EXPECT_EQ(G().BannerPending, 0);
  ASSERT_EQ(G().Effects.EffectList.size(), effects + 2);
  const TAlphaObject& word = *G().Effects.EffectList[effects];
  const TAlphaObject& number = *G().Effects.EffectList[effects + 1];
  EXPECT_EQ(word.PictureName, "stage");
  EXPECT_EQ(number.PictureName, "0123456789");
  EXPECT_EQ(number.StepFrame, 2);  // the part, not the stage
  EXPECT_EQ(number.PosX, 241);

  for (int i = 0; i < 16; ++i) StepCurtain(G());
  EXPECT_EQ(S().CurtainState, -2);
  EXPECT_NEAR(S().CurtainPos, 11.0, 1e-9);
  StepCurtain(G());
  EXPECT_EQ(S().CurtainState, 0);
  EXPECT_EQ(CountPlays(G(), "bell"), bells + 1);
}

TEST_F(CurtainTest, EndingBannerAfterTheFinalPart) {
  G().Stage = 10;
  G().LastPart = 1;
  G().BannerPending = 1;
  size_t effects = G().Effects.EffectList.size();
  OpenCurtain(G());
  for (int i = 0; i < 41; ++i) StepCurtain(G());
  ASSERT_EQ(G().Effects.EffectList.size(), effects + 1);
  EXPECT_EQ(G().Effects.EffectList.back()->PictureName, "ending");
  EXPECT_EQ(G().Effects.EffectList.back()->Opacity, 150);
}

// The roll after stages 1 to 9 is no ending: it opens with its own banner
// (drawn by the roll), never with "ENDING".
TEST_F(CurtainTest, NoEndingBannerAfterTheOtherStages) {
  G().Stage = 3;
  G().LastPart = 1;
  G().BannerPending = 1;
  size_t effects = G().Effects.EffectList.size();
  OpenCurtain(G());
  for (int i = 0; i < 41; ++i) StepCurtain(G());
  EXPECT_EQ(G().Effects.EffectList.size(), effects);
  for (const auto& e : G().Effects.EffectList) EXPECT_NE(e->PictureName, "ending");
}

TEST_F(CurtainTest, OpeningLoadsThePieceOfThePartOrTheRoll) {
  // Each stage's parts play its own piece by default...
  G().MusicState = 255;
  G().Stage = 3;
  G().Part = 3;
  OpenCurtain(G());
  EXPECT_EQ(G().MusicState, 0);
  EXPECT_NE(G().Music.FileName().find("stage3.mid"), std::string::npos);
  // ...and the classic look plays the pieces every stage shared.
  G().MusicState = 255;  // as a closing curtain leaves it
  G().Scenes.StageLookGiven = true;
  G().Scenes.StageLookFlag = TStageLook::Classic;
  OpenCurtain(G());
  EXPECT_NE(G().Music.FileName().find("event9.mid"), std::string::npos);
  G().MusicState = 255;
  G().Stage = 1;
  G().Part = 2;
  OpenCurtain(G());
  EXPECT_EQ(G().MusicState, 0);
  EXPECT_NE(G().Music.FileName().find("city3.mid"), std::string::npos);
  CloseCurtain(G());
  EXPECT_EQ(G().MusicState, 255);
  G().LastPart = 1;
  OpenCurtain(G());
  EXPECT_NE(G().Music.FileName().find("A_082GMW.mid"), std::string::npos);
  // Music switched off by the player: nothing is paused or loaded.
  G().MusicState = 246;
  CloseCurtain(G());
  EXPECT_EQ(G().MusicState, 246);
  G().Part = 1;
  G().LastPart = 0;
  OpenCurtain(G());
  EXPECT_EQ(G().MusicState, 246);
  EXPECT_NE(G().Music.FileName().find("A_082GMW.mid"), std::string::npos);
}

TEST_F(CurtainTest, MissingMusicLeavesSilenceAndCompletesTheChange) {
  std::filesystem::remove(dir.File("bgm"));
  // The classic look, where the two parts of stage 1 play different pieces.
  G().Scenes.StageLookGiven = true;
  G().Scenes.StageLookFlag = TStageLook::Classic;
  G().Part = 1;
  CloseCurtain(G());
  EXPECT_EQ(G().MusicState, 255);
  OpenCurtain(G());
  EXPECT_EQ(S().CurtainState, -10);
  EXPECT_EQ(G().MusicState, 255);
  OpenCurtain(G());
  EXPECT_EQ(CountErrorsContaining(*t, "PSMAT526"), 1);
  G().Part = 2;
  OpenCurtain(G());
  EXPECT_EQ(CountErrorsContaining(*t, "city3"), 1);
  EXPECT_EQ(G().MusicState, 255);
}

TEST(StageTables, NotesKeepTheirIdeographicSpaces) {
  EXPECT_EQ(StageNote(9), Sjis("\u3000ラストステージ！"));
  EXPECT_EQ(StageNote(10).substr(0, 9), "\x81\x40\x81\x40\x81\x40\x81\x40 ");
  EXPECT_NE(StageNote(10).find(Sjis("<-\u3000\u3000\u3000\u3000  全面制覇の証。")),
            std::string::npos);
  EXPECT_TRUE(StageNote(0).empty());
}

}  // namespace
