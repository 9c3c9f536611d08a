// The six bombs: their row, rising after a wrong letter, and the hits and
// explosions when they touch enemies.
#include "enemy_fixture.h"

namespace {

struct BombTest : EnemyTest {
  void SetUp() override {
    EnemyTest::SetUp();
    ResetBombs(g());
    for (TBak& b : g().Enemies.Bombs) b.Y = 340;
  }
  // An enemy of the kind frozen in a state its behaviour ignores: a plain body.
  TEnemy& Body(int kind, int left, int top) {
    TEnemy* e = NewEnemy(g(), kind);
    e->X = left;
    e->Y = top;
    e->State = 9;
    e->Age = 20;
    return *e;
  }
  int Explosions() {
    int n = 0;
    for (auto& a : g().Effects.EffectList) n += a->PictureName == "barst_1";
    return n;
  }
};

TEST_F(BombTest, ResetPutsSixBombsInARow) {
  TRandom twin = g().Rng;
  ResetBombs(g());
  for (int i = 1; i <= 6; ++i) {
    const TBak& b = g().Enemies.Bombs[i];
    EXPECT_EQ(b.X, 59 * i - 12);
    EXPECT_EQ(b.Y, 340 + twin.Random(9));
    EXPECT_EQ(b.Present, 1);
    EXPECT_EQ(b.PictureName, "bakudan");
    EXPECT_EQ(b.RiseSpeed, 0);
  }
  EXPECT_EQ(g().Enemies.Bombs[1].X, 47);
  EXPECT_EQ(g().Enemies.Bombs[6].X, 342);
}

TEST_F(BombTest, EnemiesSharingOnlyAnEdgeAreNotTouched) {
  // Bomb 1 covers x 47..71 and y 340..364; the bodies are 26 x 40.
  TEnemy& leftOf = Body(1, 47 - 26, 330);
  TEnemy& rightOf = Body(1, 71, 330);
  TEnemy& above = Body(1, 50, 300);
  Frame();
  EXPECT_EQ(g().Enemies.Bombs[1].Present, 1);
  EXPECT_EQ(leftOf.State, 9);
  EXPECT_EQ(rightOf.State, 9);
  EXPECT_EQ(above.State, 9);
  above.Y = 300.5;  // still touching only: the rectangles use whole pixels
  Frame();
  EXPECT_EQ(g().Enemies.Bombs[1].Present, 1);
  above.Y = 301;
  Frame();
  EXPECT_EQ(g().Enemies.Bombs[1].Present, 0);
  EXPECT_EQ(above.State, 100);
}

TEST_F(BombTest, OneBombHitsEveryEnemyItTouches) {
  TEnemy& a = Body(1, 50, 330);
  TEnemy& b = Body(1, 60, 330);
  Frame();
  EXPECT_EQ(a.State, 100);
  EXPECT_EQ(b.State, 100);
  EXPECT_EQ(Explosions(), 2);
  EXPECT_EQ(g().Enemies.Bombs[1].Present, 0);
  EXPECT_EQ(g().Kills, 2);
  EXPECT_EQ(Played("bakudan"), 1u);  // throttled within the frame
  const TAlphaObject* boom = nullptr;
  for (auto& e : g().Effects.EffectList)
    if (e->PictureName == "barst_1") boom = e.get();
  ASSERT_NE(boom, nullptr);
  EXPECT_EQ(boom->EffectType, 1);
  // Centred on the bomb.
  EXPECT_EQ(boom->PosX, 47 + 12 - 48);
  EXPECT_EQ(boom->PosY, 340 + 12 - 48);
  // A used bomb stays used.
  TEnemy& c = Body(1, 50, 330);
  Frame();
  EXPECT_EQ(c.State, 9);
}

TEST_F(BombTest, BossesLoseOneWordAndTheSignIsIgnored) {
  TEnemy& sign = Body(6, 40, 340);
  Frame();
  EXPECT_EQ(sign.State, 9);
  EXPECT_EQ(g().Enemies.Bombs[1].Present, 1);
  TEnemy& tv = Body(8, 100, 320);
  tv.Life = 3;
  Frame();
  EXPECT_EQ(tv.Life, 2);
  EXPECT_EQ(tv.Hit, 1);
  EXPECT_EQ(g().Enemies.Bombs[2].Present, 0);
}

TEST_F(BombTest, DyingEnemiesAreSkipped) {
  TEnemy& e = Body(1, 50, 330);
  HitEnemy(g(), e);
  Frame();
  EXPECT_EQ(g().Enemies.Bombs[1].Present, 1);
}

TEST_F(BombTest, ARaisedBombRisesThenRestsHigher) {
  TBak& b = g().Enemies.Bombs[3];
  b.RiseSpeed = 2;
  b.RiseFrames = 12;
  for (int f = 1; f <= 12; ++f) {
    Frame();
    EXPECT_EQ(b.Y, 340 - 2 * f);
  }
  EXPECT_EQ(b.RiseSpeed, 0);
  Frames(3);
  EXPECT_EQ(b.Y, 316);
}

TEST_F(BombTest, BombClockWrapsAfter9999) {
  g().Enemies.BombClock = 9998;
  Frame();
  EXPECT_EQ(g().Enemies.BombClock, 9999);
  Frame();
  EXPECT_EQ(g().Enemies.BombClock, 0);
  Frame();
  EXPECT_EQ(g().Enemies.BombClock, 1);
}

}  // namespace
