// Taking words off enemies: score and rate, the boss wipe, the dying
// animation with its effects and sounds, and the danger warning.
#include "enemy_fixture.h"

namespace {

struct HarmTest : EnemyTest {
  // A foot soldier standing still at (x, y), past its appearing animation.
  TEnemy& Soldier(double x, double y, bool withWindow = true) {
    TEnemy& e = Spawn(
        1, std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)) + ",0;");
    e.State = 1;
    e.Age = 20;
    if (withWindow) OpenPrompt(g(), e, 3, 0);
    return e;
  }
  TEnemy& Boss() {
    TEnemy& b = Spawn(5, "", 4);
    b.IsBoss = 1;
    b.State = 1;
    b.Age = 20;
    b.Timer = 1000;
    return b;
  }
};

TEST_F(HarmTest, KillsRaiseTheRateBy8AndScoreTenTimesIt) {
  TEnemy& a = Soldier(50, 50);
  HitEnemy(g(), a);
  EXPECT_EQ(g().Rate, 8);
  EXPECT_EQ(g().Score, 80);
  EXPECT_EQ(g().Kills, 1);
  EXPECT_EQ(a.State, 100);
  EXPECT_EQ(a.Age, 20);
  EXPECT_EQ(WindowsOf(a)[0]->State, Closing);
  g().Rate = 96;
  HitEnemy(g(), Soldier(100, 50));
  EXPECT_EQ(g().Rate, 100);
  EXPECT_EQ(g().Score, 80 + 1000);
  HitEnemy(g(), Soldier(150, 50));
  EXPECT_EQ(g().Rate, 100);
  EXPECT_EQ(g().Score, 80 + 2000);
  EXPECT_EQ(g().Kills, 3);
}

TEST_F(HarmTest, ASurvivingHitOnlyClosesTheOpenWindow) {
  TEnemy& tv = Spawn(8, "3,100,50,0.5;", 4);
  tv.State = 1;
  tv.Age = 20;
  OpenPrompt(g(), tv, 4, 0);
  WindowsOf(tv)[0]->State = Closing;  // an older window on its way out
  OpenPrompt(g(), tv, 4, 0);
  HitEnemy(g(), tv);
  EXPECT_EQ(tv.Life, 2);
  EXPECT_EQ(tv.Hit, 1);
  EXPECT_EQ(tv.State, 1);
  EXPECT_EQ(WindowsOf(tv)[1]->State, Closing);
  EXPECT_EQ(g().Score, 0);
  EXPECT_EQ(g().Kills, 0);
}

TEST_F(HarmTest, KillingTheLastBossWipesTheField) {
  g().ClearTimer = 100;
  TEnemy& boss = Boss();
  TEnemy& a = Soldier(50, 100);
  TEnemy& b = Soldier(300, 100);
  OpenPrompt(g(), boss, 4, 0);
  g().Typing.Target = WindowsOf(a)[0];
  boss.Life = 1;
  HitEnemy(g(), boss);
  EXPECT_EQ(boss.State, 100);
  EXPECT_EQ(a.State, 100);
  EXPECT_EQ(b.State, 100);
  EXPECT_EQ(a.Age, 20);
  EXPECT_EQ(g().Score, 80);  // only the boss scored
  EXPECT_EQ(g().Kills, 1);
  EXPECT_TRUE(g().Typing.WindowList.empty());
  EXPECT_EQ(g().Typing.Target, nullptr);
  EXPECT_EQ(g().Effects.EffectList.size(), 30u);  // 10 sparks for each window
  Frames(19);
  EXPECT_TRUE(g().Enemies.EnemyList.empty());
}

TEST_F(HarmTest, NoWipeWhileABossLivesOrBeforeTheStageEnds) {
  g().ClearTimer = 100;
  TEnemy& boss = Boss();
  TEnemy& other = Boss();
  TEnemy& a = Soldier(50, 100);
  TEnemy& b = Soldier(300, 100);
  HitEnemy(g(), a);  // a minion
  EXPECT_EQ(b.State, 1);
  other.Life = 1;
  HitEnemy(g(), other);  // one of two bosses
  EXPECT_EQ(b.State, 1);
  EXPECT_EQ(boss.State, 1);
  EXPECT_EQ(WindowsOf(b).size(), 1u);

  g().ClearTimer = 99;
  boss.Life = 1;
  HitEnemy(g(), boss);
  EXPECT_EQ(b.State, 1);
}

TEST_F(HarmTest, DyingTakes19FramesWithSoundAndSparks) {
  TEnemy& e = Soldier(200, 100, false);
  HitEnemy(g(), e);
  std::vector<int> sparkAges;
  for (int f = 1; f <= 18; ++f) {
    const size_t before = g().Effects.EffectList.size();
    Frame();
    EXPECT_EQ(e.Age, 20 - f);
    if (g().Effects.EffectList.size() > before) {
      EXPECT_EQ(g().Effects.EffectList.size() - before, 15u);
      sparkAges.push_back(e.Age);
    }
    EXPECT_EQ(Played("sibou1"), f >= 3 ? 1u : 0u) << f;
  }
  EXPECT_EQ(sparkAges, (std::vector<int>{16, 12, 8, 4}));
  Frame();
  EXPECT_FALSE(Alive(&e));
}

TEST_F(HarmTest, DangerWarningStartsAtTheLine) {
  TEnemy& e = Soldier(200, 228.9, false);  // bottom 268.9
  EXPECT_EQ(e.Height, 40);
  MarkScreen();
  UpdateDangerWarnings(g());
  EXPECT_EQ(e.Warned, 0);
  e.Y = 229;  // bottom 269
  UpdateDangerWarnings(g());
  EXPECT_EQ(e.Warned, 1);
  EXPECT_EQ(Played("warm"), 1u);
  EXPECT_FALSE(ScreenChanged());  // the first warned frame draws nothing
  UpdateDangerWarnings(g());
  EXPECT_TRUE(ScreenChanged());
  const TRect box = ChangedBox();
  EXPECT_GE(box.Left, 200 - 12 + 13);
  EXPECT_LE(box.Bottom, 229 - 36 + 16 + 40);
  e.Y = 228.5;
  UpdateDangerWarnings(g());
  EXPECT_EQ(e.Warned, 0);
}

TEST_F(HarmTest, AppearingAndDyingEnemiesAreNeverWarned) {
  TEnemy& appearing = Spawn(1, "100,350,0;");
  TEnemy& dying = Soldier(200, 350, false);
  dying.State = 100;
  UpdateDangerWarnings(g());
  UpdateDangerWarnings(g());
  EXPECT_EQ(appearing.Warned, 0);
  EXPECT_EQ(dying.Warned, 0);
  EXPECT_EQ(Played("warm"), 0u);
}

TEST_F(HarmTest, FinishedEnemyTakesItsRemainingWindowsWithIt) {
  TEnemy& e = Soldier(200, 100);
  OpenPrompt(g(), e, 3, 0);  // a second window the hit does not close
  HitEnemy(g(), e);
  g().Typing.Target = WindowsOf(e)[1];
  Frames(19);
  EXPECT_FALSE(Alive(&e));
  EXPECT_TRUE(g().Typing.WindowList.empty());
  EXPECT_EQ(g().Typing.Target, nullptr);
}

}  // namespace
