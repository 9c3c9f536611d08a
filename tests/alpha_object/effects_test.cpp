// Effect objects: sequences, spark bursts, the fading of banners and sparks,
// where and how they are drawn, and when they end.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "alpha_object/alpha_object.h"
#include "world/game.h"

namespace {

const TRgb kColours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};

// A catalog picture of `patterns` solid cells of 4 x 3 pixels, one colour each.
void AddPicture(Game& g, const std::string& name, int patterns, int patternWidth = 4) {
  TPictureItem item;
  item.Name = name;
  const int w = patternWidth * patterns, h = 3;
  std::vector<TRgb> pixels(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      pixels[static_cast<size_t>(y) * w + x] = kColours[(x / patternWidth) % 4];
  SetPicturePixels(item, w, h, pixels);
  item.PatternWidth = patternWidth;
  item.PatternHeight = h;
  item.Transparent = false;
  RestorePicture(item);
  g.List.Items.push_back(std::move(item));
}

struct EffectsTest : ::testing::Test {
  Game g;
  void SetUp() override {
    ResizeSurface(g.Screen, 430, 400);
    FillSurface(g.Screen, 0);
    g.Rng.Seed(7);
    StartEffects(g);
    AddPicture(g, "tips", 4);
  }
  std::vector<TAlphaObject*> Effects() {
    std::vector<TAlphaObject*> out;
    for (auto& a : g.Effects.EffectList) out.push_back(a.get());
    return out;
  }
  // Opacities at which the only effect is drawn, until it is removed.
  std::vector<double> DrawnOpacities(bool translucent, int limit = 400) {
    std::vector<double> seen;
    while (!g.Effects.EffectList.empty() && limit-- > 0) {
      seen.push_back(g.Effects.EffectList.front()->Opacity);
      UpdateEffects(g, translucent);
    }
    return seen;
  }
};

TEST_F(EffectsTest, SequencesOfSparksAndExplosions) {
  const auto spark = SparkSequence();
  const std::vector<int> sparkHead = {1, 2, 3, 0, 1, 2, 3, 0};
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(spark[i], sparkHead[i - 1]) << i;
  EXPECT_EQ(spark[29], 1);
  EXPECT_EQ(spark[30], 2);

  const auto boom = ExplosionSequence();
  for (int p = 0; p <= 12; ++p) {
    EXPECT_EQ(boom[2 * p + 1], p);
    EXPECT_EQ(boom[2 * p + 2], p);
  }
  for (int i = 27; i <= 30; ++i) EXPECT_EQ(boom[i], 13);
}

TEST_F(EffectsTest, SparkBurstDrawsAngleBeforeRadius) {
  SparkBurst(g, "tips", 100, 50, 3);
  ASSERT_EQ(g.Effects.EffectList.size(), 3u);
  TRandom twin;
  twin.Seed(7);
  for (TAlphaObject* a : Effects()) {
    const int theta = twin.Random(360);
    const double r = twin.Random(6) + 0.5;
    EXPECT_NEAR(a->SpeedX, std::cos(theta * M_PI / 180) * r, 1e-12);
    EXPECT_NEAR(a->SpeedY, std::sin(theta * M_PI / 180) * r, 1e-12);
    EXPECT_EQ(a->PosX, 99);
    EXPECT_EQ(a->PosY, 49);
    EXPECT_EQ(a->EffectType, 1);
    EXPECT_EQ(a->EndMode, 1);
    EXPECT_EQ(a->FramesLeft, 10);
    EXPECT_EQ(a->FramesPerStep, 3);
    EXPECT_EQ(a->StepIndex, 1);
    EXPECT_EQ(a->PictureName, "tips");
  }
}

TEST_F(EffectsTest, SparkFadesBy23AndEndsAfterTenFrames) {
  SparkBurst(g, "tips", 100, 50, 1);
  std::vector<double> opacities = DrawnOpacities(true);
  ASSERT_EQ(opacities.size(), 10u);
  for (int k = 0; k < 10; ++k) EXPECT_DOUBLE_EQ(opacities[k], 255 - 23 * k) << k;
  EXPECT_DOUBLE_EQ(opacities.back(), 48);
}

TEST_F(EffectsTest, SparkFirstFrameIsAnOpaqueCopyOfPatternOneAtItsCorner) {
  SparkBurst(g, "tips", 100, 50, 1);
  UpdateEffects(g, true);
  const uint16_t green = RgbTo565(kColours[1]);
  EXPECT_EQ(g.Screen.At(99, 49), green);
  EXPECT_EQ(g.Screen.At(102, 51), green);
  EXPECT_EQ(g.Screen.At(98, 49), 0);
  EXPECT_EQ(g.Screen.At(103, 49), 0);
  EXPECT_EQ(g.Screen.At(99, 48), 0);
  // The second frame blends at 232: no longer the plain colour.
  FillSurface(g.Screen, 0);
  TAlphaObject* a = g.Effects.EffectList.front().get();
  const int x = static_cast<int>(a->PosX), y = static_cast<int>(a->PosY);
  UpdateEffects(g, true);
  EXPECT_NE(g.Screen.At(x, y), 0);
  EXPECT_NE(g.Screen.At(x, y), green);
}

TEST_F(EffectsTest, StageClearBannerIsDrawn76TimesAndSinks) {
  AddPicture(g, "stageclear", 1, 40);
  SpawnStillEffect(g, 0, 195, 66, "stageclear", 0, 0, 11.5, -0.3, 0, 0, 2.5, 0, 200);
  TAlphaObject* banner = g.Effects.EffectList.front().get();
  UpdateEffects(g, true);
  EXPECT_DOUBLE_EQ(banner->PosY, 68.5);
  EXPECT_NEAR(banner->Opacity, 11.2, 1e-9);
  std::vector<double> opacities = DrawnOpacities(true);
  ASSERT_EQ(opacities.size() + 1, 76u);
  EXPECT_NEAR(opacities[0], 11.2, 1e-9);
  EXPECT_NEAR(opacities[1], 22.1, 1e-9);
  EXPECT_NEAR(opacities[2], 32.7, 1e-9);
  double highest = 0;
  for (double o : opacities) highest = std::max(highest, o);
  EXPECT_NEAR(highest, 214.7, 1e-6);
  EXPECT_GE(opacities.back(), 0);
}

TEST_F(EffectsTest, EndingBannerPassesOpaqueAndEndsAfter85Frames) {
  AddPicture(g, "ending", 1, 8);
  SpawnStillEffect(g, 0, 172, 187, "ending", 0, 150, 11, -0.3, 0, 0, 0, 0, 100);
  const uint16_t red = RgbTo565(kColours[0]);
  int frames = 0, opaque = 0, blended = 0;
  while (!g.Effects.EffectList.empty() && frames < 200) {
    const double drawnAt = g.Effects.EffectList.front()->Opacity;
    FillSurface(g.Screen, 0);
    UpdateEffects(g, true);
    ++frames;
    if (drawnAt >= 255) {
      EXPECT_EQ(g.Screen.At(172, 187), red) << frames;
      ++opaque;
    } else if (drawnAt >= 16 && drawnAt < 200) {
      EXPECT_NE(g.Screen.At(172, 187), red) << frames;
      ++blended;
    }
  }
  EXPECT_EQ(frames, 85);
  // Without translucency it is opaque throughout and ends in the same frame.
  SpawnStillEffect(g, 0, 172, 187, "ending", 0, 150, 11, -0.3, 0, 0, 0, 0, 100);
  for (frames = 0; !g.Effects.EffectList.empty() && frames < 200; ++frames) {
    FillSurface(g.Screen, 0);
    UpdateEffects(g, false);
    EXPECT_EQ(g.Screen.At(172, 187), red) << frames;
  }
  EXPECT_EQ(frames, 85);
  EXPECT_GT(opaque, 0);
  EXPECT_GT(blended, 0);
}

TEST_F(EffectsTest, MotionUsesTheOldSpeedOpacityTheNewOne) {
  AddPicture(g, "stage", 1);
  SpawnStillEffect(g, 1, 10, 20, "stage", 0, 100, 5, 2, 3, 1, -4, 0.5, 10);
  TAlphaObject* a = g.Effects.EffectList.front().get();
  UpdateEffects(g, true);
  EXPECT_DOUBLE_EQ(a->Opacity, 107);  // 100 + (5 + 2)
  EXPECT_DOUBLE_EQ(a->PosX, 13);      // 10 + 3, then speed 4
  EXPECT_DOUBLE_EQ(a->PosY, 16);      // 20 - 4, then speed -3.5
  UpdateEffects(g, true);
  EXPECT_DOUBLE_EQ(a->Opacity, 116);
  EXPECT_DOUBLE_EQ(a->PosX, 17);
  EXPECT_DOUBLE_EQ(a->PosY, 12.5);
  EXPECT_EQ(a->FramesLeft, 8);
}

TEST_F(EffectsTest, ExplosionRunsItsSequenceFor26Frames) {
  AddPicture(g, "barst_1", 14, 2);
  SpawnExplosion(g, 40, 300);
  TAlphaObject* a = g.Effects.EffectList.front().get();
  EXPECT_EQ(a->PictureName, "barst_1");
  EXPECT_DOUBLE_EQ(a->Opacity, 255);
  EXPECT_DOUBLE_EQ(a->OpacitySpeed, -8);
  int frames = 0;
  while (!g.Effects.EffectList.empty() && frames < 100) {
    EXPECT_EQ(g.Effects.EffectList.front()->StepIndex, frames + 1);
    UpdateEffects(g, false);
    ++frames;
  }
  EXPECT_EQ(frames, 26);
}

TEST_F(EffectsTest, UnknownPictureRunsItsCourseWithoutDrawing) {
  SpawnStillEffect(g, 1, 5, 5, "no_such_picture", 0, 255, 0, 0, 0, 0, 0, 0, 3);
  SparkBurst(g, "missing_too", 50, 50, 2);
  for (int k = 0; k < 3; ++k) UpdateEffects(g, true);
  EXPECT_EQ(g.Effects.EffectList.size(), 2u);  // the sparks live 10 frames
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 430; ++x) ASSERT_EQ(g.Screen.At(x, y), 0);
}

TEST_F(EffectsTest, FrameLimitedEffectWithoutFramesEndsAtOnce) {
  SpawnStillEffect(g, 1, 0, 0, "tips", 0, 255, 0, 0, 0, 0, 0, 0, 0);
  UpdateEffects(g, true);
  EXPECT_TRUE(g.Effects.EffectList.empty());
}

}  // namespace
