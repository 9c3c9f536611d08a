// Bosses and their companions: the script lines they run and when, the
// doubles of kind 15, the options of kind 20 and the knock-backs.
#include "enemy_fixture.h"

namespace {

struct BossTest : EnemyTest {
  // Puts an enemy straight into a state, past its appearing animation.
  TEnemy& Ready(TEnemy& e, int state, int timer) {
    e.State = state;
    e.Age = 20;
    e.Timer = timer;
    return e;
  }
  int CountKind(int kind) {
    int n = 0;
    for (auto& p : g().Enemies.EnemyList) n += p && p->Kind == kind;
    return n;
  }
  int OpenWindows(const TEnemy& e) {
    int n = 0;
    for (TTypeWindow* w : WindowsOf(e)) n += w->State != Closing;
    return n;
  }
};

TEST_F(BossTest, ClownAlarmHitsEveryoneThenFiresThreeMissilesAndDives) {
  TEnemy& clown = Ready(Spawn(11, "", 5), 1, 499);
  clown.VY = 1000;  // no timed word in the way
  TEnemy& a = Ready(Spawn(1, "50,100,0;"), 1, 50);
  TEnemy& b = Ready(Spawn(1, "250,100,0;"), 1, 50);
  OpenPrompt(g(), clown, 5, 0);
  WindowsOf(clown)[0]->State = Active;
  OpenPrompt(g(), b, 3, 0);  // still opening: not active, left alone

  Frame();  // the alarm: frame 0
  EXPECT_EQ(a.State, 100);
  EXPECT_EQ(b.State, 100);
  EXPECT_EQ(g().Kills, 2);
  EXPECT_EQ(g().Score, 80 + 160);
  EXPECT_EQ(clown.State, 2);
  EXPECT_EQ(clown.Timer, -15);
  EXPECT_EQ(OpenWindows(clown), 0);
  EXPECT_EQ(Played("jiriri"), 1u);

  std::vector<int> missileFrames;
  int diveFrame = 0;
  for (int f = 1; f <= 100; ++f) {
    const int before = CountKind(9);
    Frame();
    if (CountKind(9) > before) missileFrames.push_back(f);
    if (clown.State == 3 && diveFrame == 0) {
      diveFrame = f;
      EXPECT_EQ(OpenWindows(clown), 1);
    }
  }
  EXPECT_EQ(missileFrames, (std::vector<int>{16, 36, 56}));
  EXPECT_EQ(diveFrame, 95);
  const int lows[] = {95, 205, 315};
  int i = 0;
  for (auto& p : g().Enemies.EnemyList) {
    if (!p || p->Kind != 9) continue;
    EXPECT_GE(p->X, lows[i]);
    EXPECT_LE(p->X, lows[i] + 29);
    EXPECT_EQ(p->WordLevel, 4);
    EXPECT_DOUBLE_EQ(p->Speed, 6.5);
    ++i;
  }
  EXPECT_EQ(i, 3);
}

TEST_F(BossTest, MouseAt1700SendsAMissileThenASoldier) {
  TEnemy& mouse = Ready(Spawn(19, "3;", 5), 1, 1699);
  OpenPrompt(g(), mouse, 5, 0);
  TRandom twin = g().Rng;
  Frame();
  ASSERT_EQ(Kinds(), (std::vector<int>{19, 9, 1}));
  const TEnemy& missile = *g().Enemies.EnemyList[1];
  const int level = 5 - 3 + twin.Random(2);
  const int side = 240 * twin.Random(2);
  const int x = side + 5 + twin.Random(150);
  EXPECT_EQ(missile.WordLevel, level);
  EXPECT_EQ(missile.X, x);
  EXPECT_EQ(missile.PromptOffsetY, 50);
  const TEnemy& soldier = *g().Enemies.EnemyList[2];
  EXPECT_EQ(soldier.X, 202);
  EXPECT_EQ(soldier.Y, 180);
  EXPECT_DOUBLE_EQ(soldier.VY, 1.3);
  EXPECT_EQ(soldier.WordLevel, 3);
  EXPECT_EQ(soldier.PromptOffsetY, 70);
  Frame();  // 1701: neither
  EXPECT_EQ(g().Enemies.EnemyList.size(), 3u);
}

TEST_F(BossTest, FloaterBringsItsFourOptionsOnceInOrder) {
  TEnemy& boss = Spawn(20, "10;", 5);
  EXPECT_EQ(boss.Life, 10);
  Frames(12);
  EXPECT_EQ(g().Enemies.EnemyList.size(), 1u);
  Frame();
  ASSERT_EQ(Kinds(), (std::vector<int>{20, 21, 21, 22, 22}));
  const int xs[] = {0, 30, 376, 120, 286};
  const int patterns[] = {0, 0, 1, 0, 1};
  const int levels[] = {0, 3, 3, 4, 4};
  for (int i = 1; i <= 4; ++i) {
    const TEnemy& o = *g().Enemies.EnemyList[i];
    EXPECT_EQ(o.X, xs[i]);
    EXPECT_EQ(o.Pattern, patterns[i]);
    EXPECT_EQ(o.WordLevel, levels[i]);
    EXPECT_EQ(o.Life, 999);
    EXPECT_EQ(o.Age, 0);  // not updated in the frame that made it
  }
  EXPECT_EQ(g().Enemies.EnemyList[1]->Y, 60);
  EXPECT_EQ(g().Enemies.EnemyList[3]->Y, 230);
  Frames(5);
  EXPECT_EQ(g().Enemies.EnemyList.size(), 5u);
}

TEST_F(BossTest, RisingOptionPlungesOnceItReachesTheTop) {
  TEnemy& o = Spawn(22, "0,120;", 4);
  Frames(12);
  EXPECT_EQ(WindowsOf(o).size(), 1u);  // at entry
  int f = 0;
  while (o.State == 1 && f++ < 300) Frame();
  ASSERT_EQ(o.State, 2);
  EXPECT_LE(EnemyTop(o), 30);
  EXPECT_GT(EnemyTop(o), 25);
  double speed = 0.9;
  EXPECT_NEAR(o.Speed, speed, 1e-9);
  f = 0;
  while (o.Y + o.Height - 8 < 400 && f++ < 100) Frame();
  EXPECT_GE(o.Y + o.Height - 8, 400);
  EXPECT_LT(f, 40);
}

TEST_F(BossTest, UncleLeavesAfter260FramesAndReturnsBesideTwoDoubles) {
  TEnemy& boss = Ready(Spawn(15, "", 5), 1, 259);
  TEnemy& other = Ready(Spawn(1, "300,50,0;"), 1, 50);
  OpenPrompt(g(), other, 3, 0);
  Frame();
  EXPECT_EQ(boss.State, 60);
  EXPECT_EQ(boss.GoalY, -190);
  EXPECT_EQ(OpenWindows(other), 0);  // every window on the field closes
  Frames(49);
  ASSERT_EQ(boss.State, 5);
  EXPECT_EQ(boss.VX, -999);
  EXPECT_EQ(boss.Y, -190);
  Frame();
  ASSERT_EQ(Kinds(), (std::vector<int>{15, 1, 16, 16}));
  EXPECT_EQ(boss.Y, -95);
  EXPECT_EQ(boss.PromptOffsetY, -80);
  std::vector<int> columns = {static_cast<int>(boss.X)};
  for (int i = 2; i <= 3; ++i) {
    const TEnemy& d = *g().Enemies.EnemyList[i];
    columns.push_back(static_cast<int>(d.X));
    EXPECT_EQ(d.Y, -95);
    EXPECT_EQ(d.State, 5);
    EXPECT_DOUBLE_EQ(d.Speed, 10);
    EXPECT_GE(d.Pattern, 2);
    EXPECT_LE(d.Pattern, 4);
    EXPECT_EQ(d.WordLevel, 6);
    EXPECT_EQ(d.PromptOffsetY, -80);
  }
  EXPECT_LT(columns[1], columns[2]);
  std::sort(columns.begin(), columns.end());
  EXPECT_EQ(columns, (std::vector<int>{34, 165, 296}));

  int f = 0;
  while (boss.State == 5 && f++ < 100) Frame();
  EXPECT_EQ(f, 25);
  for (int i : {0, 2, 3}) {
    const TEnemy& e = *g().Enemies.EnemyList[i];
    EXPECT_EQ(e.State, 6);
    EXPECT_EQ(OpenWindows(e), 1);
  }
}

TEST_F(BossTest, TypingTheRealUncleHitsEveryoneElse) {
  TEnemy& boss = Ready(Spawn(15, "", 5), 6, 0);
  TEnemy& d1 = Ready(Spawn(16, "34;", 6), 6, 0);
  TEnemy& d2 = Ready(Spawn(16, "296;", 6), 6, 0);
  HitEnemy(g(), d1);
  Frame();
  EXPECT_EQ(d1.State, 100);
  EXPECT_EQ(d2.State, 6);
  EXPECT_EQ(boss.State, 6);
  EXPECT_EQ(g().Score, 80);
  HitEnemy(g(), boss);
  EXPECT_EQ(boss.Life, 8);
  Frame();
  EXPECT_EQ(boss.State, 50);
  EXPECT_EQ(boss.GoalX, 166);
  EXPECT_EQ(boss.NextState, 7);
  EXPECT_EQ(d2.State, 100);
  // The dying double is hit again (and scores again), without a second kill.
  EXPECT_EQ(g().Score, 80 + 160 + 240);
  EXPECT_EQ(g().Kills, 2);
}

TEST_F(BossTest, RobotOpensItsWordAt10AndHopsAt40FiftyPixelsDown) {
  TEnemy& r = Spawn(18, "", 4);
  Frames(12);
  EXPECT_EQ(r.State, 1);
  Frames(9);
  EXPECT_TRUE(WindowsOf(r).empty());
  Frame();
  EXPECT_EQ(WindowsOf(r).size(), 1u);
  Frames(29);
  EXPECT_EQ(r.State, 1);
  Frame();  // 40 frames after it appeared
  EXPECT_EQ(r.State, 60);
  EXPECT_EQ(r.GoalY, 70);
  EXPECT_GE(r.GoalX, 0);
  EXPECT_LE(r.GoalX, 238);
  Frames(19);
  EXPECT_EQ(r.State, 2);
  EXPECT_EQ(r.Y, 70);
  Frame();
  EXPECT_TRUE(r.State == 1 || r.State == 3);
}

TEST_F(BossTest, RobotGuardLocksItsWordsFor42Frames) {
  TEnemy& r = Ready(Spawn(18, "", 4), 3, 0);
  r.Pending = 0;
  OpenPrompt(g(), r, 4, 0);
  TTypeWindow* w = WindowsOf(r)[0];
  for (int t = 1; t <= 55; ++t) {
    Frame();
    EXPECT_EQ(Played("kachi"), 1u);
    EXPECT_EQ(w->Locked != 0, t >= 13 && t < 55) << t;
  }
  EXPECT_EQ(r.State, 1);
}

TEST_F(BossTest, JumperTypedWhileFallingIsSentHomeAndWaits) {
  TEnemy& j = Ready(Spawn(5, "", 4), 2, 0);
  EXPECT_EQ(j.X, 160);
  j.Y = 150;
  j.VY = 3;
  HitEnemy(g(), j);
  Frame();
  EXPECT_EQ(j.State, 50);
  EXPECT_DOUBLE_EQ(j.Y, 150 - 14);  // speed 15 less 0.8, cut to 14
  int f = 0;
  while (j.State == 50 && f++ < 50) Frame();
  ASSERT_EQ(j.State, 60);
  Frames(20);
  EXPECT_EQ(j.State, 1);
  EXPECT_EQ(j.X, 160);
  EXPECT_EQ(j.Y, 25);
  f = 0;
  while (j.State == 1 && f++ < 200) Frame();
  EXPECT_GE(f, 21);
  EXPECT_LE(f, 110);
  EXPECT_EQ(j.State, 2);
  EXPECT_EQ(Played("apear0"), 1u);
  EXPECT_EQ(OpenWindows(j), 1);
}

}  // namespace
