// Trajectories and state machines of the ordinary kinds.
#include <cmath>

#include "enemy_fixture.h"

namespace {

double SinD(double d) {
  return std::sin(d * M_PI / 180);
}
double CosD(double d) {
  return std::cos(d * M_PI / 180);
}

TEST_F(EnemyTest, FootSoldierWalks100FramesThenStands60) {
  TEnemy& e = Spawn(1, "100,20,1.3;");
  Frames(12 + 100);
  EXPECT_NEAR(e.Y, 150, 1e-9);
  EXPECT_EQ(e.State, 2);
  Frames(60);
  EXPECT_NEAR(e.Y, 150, 1e-9);
  EXPECT_EQ(e.State, 1);
  EXPECT_EQ(e.Timer, 100);
  Frame();
  EXPECT_NEAR(e.Y, 151.3, 1e-9);
}

TEST_F(EnemyTest, GunmenEnterFromTheirSideAndStayNearTheField) {
  TEnemy& right = Spawn(2, "100,1;");
  TEnemy& left = Spawn(2, "100,-1;");
  EXPECT_EQ(right.X, 430);
  EXPECT_EQ(left.X, -22);
  EXPECT_TRUE(right.VX >= -2.5 - 1e-9 && right.VX <= -0.6 + 1e-9);
  EXPECT_TRUE(left.VX >= 0.6 - 1e-9 && left.VX <= 2.5 + 1e-9);
  Frame();
  for (int f = 2; f <= 400; ++f) {
    const double y = right.Y;
    Frame();
    ASSERT_NEAR(right.Y - y, 0.8, 1e-9);
    if (f < 40) continue;
    for (TEnemy* e : {&right, &left}) {
      ASSERT_TRUE(e->X >= -6.0 && e->X <= 414.0) << f;  // one step past an edge at most
      ASSERT_EQ(e->Pattern >= 7, e->VX >= 0);
    }
  }
}

TEST_F(EnemyTest, FlyDoublesBackClimbsAndTurnsSevenFramesEach) {
  TEnemy& e = Spawn(3, "150,100,2;");
  e.State = 1;
  e.Age = 20;
  e.Timer = 1;
  Frame();
  EXPECT_EQ(e.State, 2);
  EXPECT_EQ(e.VX, -3);
  Frames(7);
  EXPECT_EQ(e.State, 3);
  EXPECT_EQ(e.VY, -2);
  Frames(7);
  EXPECT_EQ(e.State, 4);
  EXPECT_EQ(e.VX, 3);
  Frames(7);
  EXPECT_EQ(e.State, 1);
  EXPECT_EQ(e.VY, 2);
  EXPECT_EQ(std::fabs(e.VX), 3);
  EXPECT_TRUE(e.Timer >= 30 && e.Timer <= 69);
  // Left of 0 moving left, or past 430 - 22 moving right: the step reverses.
  e.X = 406;
  e.VX = 3;
  Frame();
  EXPECT_LT(e.VX, 0);
  e.X = 1;
  Frame();
  EXPECT_GT(e.VX, 0);
}

TEST_F(EnemyTest, FeatherBrakesToAHaltThenFallsFaster) {
  TEnemy& e = Spawn(4, "100;");
  EXPECT_EQ(e.Y, -24);
  Frame();  // appears at once
  EXPECT_EQ(e.State, 1);
  int frames = 0;
  while (e.State == 1 && frames++ < 40) Frame();
  EXPECT_TRUE(frames >= 20 && frames <= 23) << frames;
  EXPECT_NEAR(e.Y, -24 + 42, 1e-6);  // 4 + 3.8 + ... + 0.2
  for (int f = 0; f < 40; ++f) {
    const double vy = e.VY;
    Frame();
    EXPECT_NEAR(e.VY, std::min(vy + 0.3, 8.5), 1e-9);
  }
}

TEST_F(EnemyTest, WarningSignRemovesItselfSilentlyWithoutScore) {
  g().Rate = 50;
  TEnemy& e = Spawn(6);
  EXPECT_EQ(e.X, 168);
  EXPECT_EQ(e.Y, 192);
  Frames(21);
  EXPECT_EQ(e.State, 1);
  Frame();  // its tenth frame after appearing
  EXPECT_EQ(e.State, 100);
  EXPECT_EQ(g().Rate, 50);
  EXPECT_EQ(g().Score, 0);
  Frames(19);
  EXPECT_TRUE(g().Enemies.EnemyList.empty());
  EXPECT_TRUE(g().Effects.EffectList.empty());
  EXPECT_TRUE(g().Typing.WindowList.empty());
  EXPECT_EQ(g().Waves.PlayLog, (std::vector<std::string>{"dora"}));
}

TEST_F(EnemyTest, BreadPeepsWaitsShakesAndDrops) {
  TEnemy& e = Spawn(7, "100;");
  Frames(24);
  EXPECT_TRUE(WindowsOf(e).empty());
  Frame();  // -64 + 25 * 1.3 passes -32
  EXPECT_EQ(e.Y, -32);
  EXPECT_EQ(e.State, 2);
  EXPECT_EQ(WindowsOf(e).size(), 1u);
  int f = 0;
  while (e.State != 4 && f++ < 200) Frame();
  EXPECT_TRUE(f >= 40 && f <= 118) << f;
  EXPECT_EQ(e.Y, -32);
  Frames(30);
  EXPECT_TRUE(e.VY >= 12 && e.VY < 12.8 + 1e-9);
}

TEST_F(EnemyTest, TelevisionIsKnockedBackTwiceAndDiesAtTheThirdWord) {
  TEnemy& e = Spawn(8, "3,100,50,0.5;", 5);
  Frames(12);
  for (int word = 1; word <= 2; ++word) {
    HitEnemy(g(), e);
    Frame();
    EXPECT_EQ(e.State, 50);
    EXPECT_DOUBLE_EQ(e.Speed, 12 - 0.8);
    int f = 0;
    while (e.State != 1 && f++ < 100) Frame();
    int open = 0;  // the finished window may still be closing
    for (TTypeWindow* w : WindowsOf(e)) open += w->State != Closing;
    EXPECT_EQ(open, 1);
  }
  HitEnemy(g(), e);
  EXPECT_EQ(e.State, 100);
}

TEST_F(EnemyTest, MissileFallsAndWeaves) {
  TEnemy& e = Spawn(9, "80,6.5;");
  for (int k = 1; k <= 30; ++k) {
    Frame();
    EXPECT_NEAR(e.Y, -36 + 6.5 * k, 1e-9);
    EXPECT_NEAR(e.VX, 0.17 * k, 1e-9);
    EXPECT_EQ(e.X, 80);
  }
  EXPECT_EQ(WindowsOf(e).size(), 1u);
}

TEST_F(EnemyTest, TurtleLandsTremblesAndReflectsAtTheLeftEdge) {
  TEnemy& e = Spawn(10, "-1,200,2,3;");
  EXPECT_EQ(e.X, -30);
  EXPECT_EQ(e.Y, 100);
  int f = 0;
  while (e.State == 1 && f++ < 200) Frame();
  EXPECT_GE(e.Y, 200);
  Frames(49);
  EXPECT_TRUE(WindowsOf(e).empty());
  g().Effects.EffectList.clear();
  Frame();
  EXPECT_EQ(e.State, 3);
  EXPECT_EQ(e.Angle, 210);
  EXPECT_EQ(WindowsOf(e).size(), 1u);
  EXPECT_EQ(g().Effects.EffectList.size(), 15u);
  f = 0;
  while (e.Angle == 210 && f++ < 200) {
    const double x = e.X, y = e.Y;
    Frame();
    EXPECT_NEAR(e.X - x, CosD(210) * 3, 1e-9);
    EXPECT_NEAR(e.Y - y, -SinD(210) * 3, 1e-9);
  }
  EXPECT_EQ(e.Angle, -30);
  EXPECT_LE(e.X, 0);
}

TEST_F(EnemyTest, CircleSpiralsOutAndBackThenDrops) {
  TEnemy& e = Spawn(12, "-1;");
  EXPECT_EQ(e.X, 194);
  Frames(12);
  double radius = 0.01, angle = 90;
  for (int f = 0; f < 5; ++f, radius += 3, angle += 1.5) {
    Frame();
    EXPECT_NEAR(e.X, CosD(angle) * radius + 194, 1e-9);
    EXPECT_NEAR(e.Y, 140 - SinD(angle) * radius, 1e-9);
    EXPECT_TRUE(e.Age >= 1 && e.Age <= 255);
  }
  double peak = 0;
  int f = 0;
  while (e.State == 1 && f++ < 1000) {
    Frame();
    peak = std::max(peak, e.VX);
  }
  EXPECT_TRUE(peak >= 190 && peak < 193);
  EXPECT_GT(e.VY, 270);
  const double y = e.Y;
  Frames(2);
  EXPECT_NEAR(e.Y - y, -4.5 - 4.0, 1e-9);  // a hop, then gravity 0.5

  TEnemy& other = Spawn(12, "1;");
  Frames(13);
  EXPECT_NEAR(other.VY, 90 - 1.5, 1e-9);  // turning the other way
}

TEST_F(EnemyTest, BuilderLocksItsWindowWhileWorking) {
  TEnemy& e = Spawn(13, "100,50,0.5,50;");
  Frames(12 + 49);
  ASSERT_EQ(WindowsOf(e).size(), 1u);
  TTypeWindow* w = WindowsOf(e)[0];
  g().Effects.EffectList.clear();
  Frame();  // walking frame 50
  EXPECT_EQ(e.State, 2);
  EXPECT_EQ(g().Effects.EffectList.size(), 10u);
  for (int t = 1; t <= 40; ++t) {
    Frame();
    EXPECT_EQ(w->Locked != 0, t >= 10 && t < 40) << t;
    EXPECT_EQ(Played("kachi"), t >= 2 ? 1u : 0u) << t;
  }
  EXPECT_EQ(e.State, 1);
  EXPECT_EQ(e.Timer, 50);
}

TEST_F(EnemyTest, CatBirdAlwaysCarriesATimedWord) {
  TEnemy& e = Spawn(14, "100,50,1.5;", 4);
  const double first = e.Angle;
  EXPECT_TRUE(first == 240 || first == 300);
  Frames(13);
  ASSERT_EQ(WindowsOf(e).size(), 1u);
  EXPECT_EQ(WindowsOf(e)[0]->TimeLimit, 17 * 4 + 10);
  ClearWindows(g());
  Frame();
  EXPECT_EQ(WindowsOf(e).size(), 1u);
  Frames(78);  // 80 frames of flight, then 40 hovering
  EXPECT_EQ(e.State, 2);
  Frames(40);
  EXPECT_EQ(e.State, 1);
  EXPECT_EQ(e.Angle, first == 240 ? 300 : 240);
}

TEST_F(EnemyTest, LeafSwingsAsItFallsAndNeverTakesAWord) {
  TEnemy& e = Spawn(17, "0.8,100,40;");
  for (int k = 0; k < 60; ++k) {
    Frame();
    EXPECT_NEAR(e.X, SinD(90 + 1.2 * k) * 40 + 100, 1e-9) << k;
    EXPECT_NEAR(e.Y, std::fabs(SinD(1.2 * k) * 20) + 0.8 * k, 1e-9) << k;
  }
  EXPECT_TRUE(g().Typing.WindowList.empty());
}

}  // namespace
