// The shared motions: the launch with its clamping and blinking, and the
// glide that may follow it.
#include <cmath>

#include "enemy_fixture.h"

namespace {

struct MotionTest : EnemyTest {
  // A foot soldier past its appearing animation, standing still in state 9
  // (a state its behaviour ignores), so only the motions move it.
  TEnemy& Idle(double x, double y) {
    TEnemy* e = NewEnemy(g(), 1);
    e->X = x;
    e->Y = y;
    e->State = 9;
    e->Age = 20;
    return *e;
  }
};

TEST_F(MotionTest, LaunchToRisesClampsThenGlidesInExactlyItsFrames) {
  TEnemy& e = Idle(100, 50);
  LaunchEnemyTo(g(), e, 160, 25, 20, 4, 90, 15);
  EXPECT_EQ(e.State, 50);
  EXPECT_EQ(g().Effects.EffectList.size(), 25u);  // the burst at the start

  double speed = 15, y = 50;
  int launchFrames = 0;
  while (e.State == 50 && launchFrames < 100) {
    speed = std::max(speed - 0.8, 0.0);
    y = std::max(y - std::trunc(speed), 0.0);
    Frame();
    ++launchFrames;
    EXPECT_DOUBLE_EQ(e.Y, y) << launchFrames;
    EXPECT_DOUBLE_EQ(e.X, 100) << launchFrames;
  }
  EXPECT_EQ(launchFrames, 19);  // 15 / 0.8 frames, decelerating
  EXPECT_EQ(e.Y, 0);            // clamped at the top
  ASSERT_EQ(e.State, 60);
  EXPECT_EQ(e.Timer, 20);
  EXPECT_DOUBLE_EQ(e.VX, 60.0 / 20);
  EXPECT_DOUBLE_EQ(e.VY, 25.0 / 20);

  for (int f = 1; f < 20; ++f) {
    Frame();
    EXPECT_EQ(e.State, 60) << f;
    EXPECT_NEAR(e.X, 100 + 3.0 * f, 1e-9);
  }
  Frame();
  EXPECT_EQ(e.State, 4);
  EXPECT_EQ(e.X, 160);
  EXPECT_EQ(e.Y, 25);
  EXPECT_EQ(e.VX, -999);
}

TEST_F(MotionTest, LaunchBlinksOnEvenAgesAndSparksEveryFifth) {
  TEnemy& e = Idle(200, 200);
  LaunchEnemy(g(), e, 4, 12, 90);
  g().Effects.EffectList.clear();
  for (int f = 0; f < 6; ++f) {
    MarkScreen();
    const size_t before = g().Effects.EffectList.size();
    Frame();
    EXPECT_EQ(ScreenChanged(), e.Age % 2 == 0) << e.Age;
    EXPECT_EQ(g().Effects.EffectList.size() - before, e.Age % 5 == 0 ? 25u : 0u) << e.Age;
  }
}

TEST_F(MotionTest, LaunchWithoutGlideReturnsMarked) {
  TEnemy& e = Idle(200, 200);
  LaunchEnemy(g(), e, 2, 4, 90);
  EXPECT_EQ(e.GoalX, -999);
  Frames(4);  // steps of 3, 2, 1 and 0 pixels
  EXPECT_DOUBLE_EQ(e.Y, 200 - 3 - 2 - 1);
  int f = 4;
  while (e.State == 50 && f++ < 10) Frame();
  EXPECT_LE(f, 6);  // about 4 / 0.8 frames
  EXPECT_EQ(e.State, 2);
  EXPECT_EQ(e.VX, -999);
  EXPECT_DOUBLE_EQ(e.Y, 194);
}

TEST_F(MotionTest, SidewaysLaunchStopsAtTheEdges) {
  TEnemy& right = Idle(400, 200);
  LaunchEnemy(g(), right, 9, 20, 0);
  TEnemy& left = Idle(10, 200);
  LaunchEnemy(g(), left, 9, 20, 180);
  Frame();
  EXPECT_EQ(right.X, 430 - right.Width);
  EXPECT_EQ(left.X, 0);
  Frames(30);
  EXPECT_EQ(right.X, 430 - right.Width);
  EXPECT_EQ(left.X, 0);
  EXPECT_EQ(right.Y, 200);  // the step cut to whole pixels leaves y alone
}

TEST_F(MotionTest, TruncatedStepsOfADiagonalLaunch) {
  TEnemy& e = Idle(100, 300);
  LaunchEnemy(g(), e, 9, 5, 45);
  Frame();  // speed 4.2: steps of trunc(2.97) = 2
  EXPECT_EQ(e.X, 102);
  EXPECT_EQ(e.Y, 298);
  Frame();  // 3.4: 2.40 -> 2
  EXPECT_EQ(e.X, 104);
  Frame();  // 2.6: 1.84 -> 1
  EXPECT_EQ(e.X, 105);
  EXPECT_EQ(e.Y, 295);
}

TEST_F(MotionTest, GlideOfZeroFramesArrivesAtOnce) {
  TEnemy& e = Idle(10, 10);
  GlideTo(g(), e, 50, 70, 0, 3);
  Frame();
  EXPECT_EQ(e.State, 3);
  EXPECT_EQ(e.X, 50);
  EXPECT_EQ(e.Y, 70);
  EXPECT_TRUE(std::isfinite(e.VY));
}

}  // namespace
