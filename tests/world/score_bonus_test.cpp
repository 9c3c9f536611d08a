// The clear bonus against an exact model of 80-bit extended arithmetic, the
// bomb bonus and the HUD's rate bar.
#include <gtest/gtest.h>

#include <cstdint>

#include "main/scene_test_util.h"
#include "media/picture_list.h"
#include "world/score.h"

namespace {

using u128 = unsigned __int128;

// A dyadic number N x 2^E, rounded like the x87 unit does: to a 64-bit
// mantissa, ties to even.
struct Dyadic {
  u128 N;
  int E;
};

int BitLength(u128 n) {
  int bits = 0;
  while (n) {
    ++bits;
    n >>= 1;
  }
  return bits;
}

Dyadic RoundTo64(Dyadic d) {
  int excess = BitLength(d.N) - 64;
  if (excess <= 0) return d;
  u128 kept = d.N >> excess;
  u128 rest = d.N & ((u128(1) << excess) - 1);
  u128 half = u128(1) << (excess - 1);
  if (rest > half || (rest == half && (kept & 1))) ++kept;
  d.N = kept;
  d.E += excess;
  if (BitLength(d.N) > 64) {
    d.N >>= 1;
    d.E += 1;
  }
  return d;
}

// trunc(S x (stage x 0.2 + 1)) with every step rounded to extended precision.
int64_t ExactModel(int64_t score, int stage) {
  u128 two66 = u128(1) << 66;
  u128 q = two66 / 5, r = two66 % 5;
  Dyadic fifth{q + (2 * r > 5 ? 1 : 0), -66};  // nearest extended value to 0.2
  Dyadic f = RoundTo64({fifth.N * static_cast<u128>(stage), fifth.E});
  EXPECT_LT(f.E, 0);
  f = RoundTo64({f.N + (u128(1) << -f.E), f.E});
  Dyadic p = RoundTo64({f.N * static_cast<u128>(score), f.E});
  if (p.E >= 0) return static_cast<int64_t>(p.N << p.E);
  return static_cast<int64_t>(p.N >> -p.E);
}

TEST(ClearBonus, MatchesExtendedPrecisionModelForEveryStage) {
  for (int stage = 1; stage <= 10; ++stage) {
    for (int64_t s = 0; s <= 20000; ++s)
      ASSERT_EQ(ClearBonusScore(static_cast<int32_t>(s), stage), ExactModel(s, stage))
          << "stage " << stage << " score " << s;
    for (int64_t s = 20001; s < 700000000; s = s * 7 / 5 + 13)
      ASSERT_EQ(ClearBonusScore(static_cast<int32_t>(s), stage), ExactModel(s, stage))
          << "stage " << stage << " score " << s;
  }
}

TEST(ClearBonus, StageEightFallsShortWhereOthersAreExact) {
  EXPECT_EQ(ClearBonusScore(90, 8), 233);
  EXPECT_EQ(ClearBonusScore(100, 8), 260);
  EXPECT_EQ(ClearBonusScore(45, 8), 116);
  EXPECT_EQ(ClearBonusScore(170, 8), 441);
  EXPECT_EQ(ClearBonusScore(10, 8), 26);
  EXPECT_EQ(ClearBonusScore(1000, 5), 2000);
  int shortfalls = 0;
  for (int32_t s = 0; s <= 5000; ++s) {
    for (int stage = 1; stage <= 10; ++stage) {
      int64_t plain = static_cast<int64_t>(s) * (5 + stage) / 5;
      if (stage != 8) {
        ASSERT_EQ(ClearBonusScore(s, stage), plain) << "stage " << stage << " score " << s;
      } else if (ClearBonusScore(s, stage) != plain) {
        ASSERT_EQ(ClearBonusScore(s, stage), plain - 1) << "score " << s;
        ++shortfalls;
      }
    }
  }
  EXPECT_GT(shortfalls, 100);
}

TEST(ClearBonus, HugeScoresAreHeldAtTheLimit) {
  EXPECT_EQ(ClearBonusScore(2000000000, 10), INT32_MAX);
  EXPECT_EQ(ClearBonusScore(INT32_MAX, 1), INT32_MAX);
}

TEST(BombBonus, AddsSixHundredTimesStagePerBombPresent) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  g.Stage = 3;
  g.Score = 100;
  for (int i = 1; i <= 6; ++i) g.Enemies.Bombs[i].Present = (i % 3 != 0) ? 1 : 0;
  g.Enemies.Bombs[0].Present = 1;  // slot 0 is not a bomb
  AddBombBonus(g);
  EXPECT_EQ(g.Score, 100 + 4 * 1800);
}

// Pixels of row y, x in [x0, x1), that have the colour c.
int CountColour(const Surface& s, int y, int x0, int x1, uint16_t c) {
  int n = 0;
  for (int x = x0; x < x1; ++x) n += s.At(x, y) == c;
  return n;
}

class HudTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = MakeStartedGame();
    const Surface& pic = t->G.List.FindPicture("green_bar").Picture;
    bar = pic.At(0, 0);
    barLow = pic.At(0, 1);
    background = static_cast<uint16_t>(bar ^ 0x5A5A);
  }
  Surface Render(int rate) {
    Game& g = t->G;
    FillSurface(g.Screen, background);
    g.Score = 1234;
    g.Rate = rate;
    DrawHud(g, 2, 4);
    Surface copy(g.Screen.Width, g.Screen.Height);
    copy.Pixels = g.Screen.Pixels;
    return copy;
  }
  std::unique_ptr<TestGame> t;
  uint16_t bar = 0, barLow = 0, background = 0;
};

TEST_F(HudTest, BarColumnsFollowTheRate) {
  Surface none = Render(0);
  int base = CountColour(none, 23, 8, 79, bar);
  Surface one = Render(1);
  EXPECT_EQ(CountColour(one, 23, 8, 79, bar) - base, 0);
  Surface two = Render(2);
  EXPECT_EQ(CountColour(two, 23, 8, 79, bar) - base, 2);
  EXPECT_EQ(two.At(8, 23), bar);
  EXPECT_EQ(two.At(9, 24), barLow);
  EXPECT_EQ(two.At(10, 23), none.At(10, 23));
  Surface full = Render(100);
  EXPECT_EQ(CountColour(full, 23, 8, 79, bar) - base, 66);
  EXPECT_EQ(CountColour(full, 24, 8, 79, barLow) - CountColour(none, 24, 8, 79, barLow), 66);
  EXPECT_EQ(CountColour(full, 25, 8, 79, barLow), CountColour(none, 25, 8, 79, barLow));
}

TEST_F(HudTest, RateDigitsOnlyAboveZero) {
  Surface none = Render(0);
  Surface one = Render(1);
  int changed = 0;
  for (int y = 19; y < 27; ++y)
    for (int x = 79; x < 79 + 2 * 8; ++x) changed += none.At(x, y) != one.At(x, y);
  EXPECT_GT(changed, 0);
  for (int y = 19; y < 27; ++y)
    for (int x = 79; x < 79 + 2 * 8; ++x) ASSERT_EQ(none.At(x, y), background);
}

}  // namespace
