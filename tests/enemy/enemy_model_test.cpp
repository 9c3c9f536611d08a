// The kind table, creation of enemies, the enemy list and the appearing
// animation with the prompt at entry.
#include <cstring>

#include "enemy_fixture.h"

namespace {

struct KindRow {
  int kind;
  const char* keyword;
  const char* picture;
  int width, height;
  int death, appear;
  bool prompt;
};

const KindRow kRows[] = {
    {1, "歩兵", "enemy_1", 26, 40, 1, 4, true},
    {2, "ガンマン", "gunman", 22, 28, 1, 5, true},
    {3, "ハエ", "hae", 24, 24, 2, 1, true},
    {4, "羽根", "hane", 42, 24, 3, 3, true},
    {5, "中国人", "boss1", 109, 143, 4, 2, false},
    {6, "警告", "warning", 94, 15, 0, -1, false},
    {7, "パン", "anpan", 60, 64, 1, 1, false},
    {8, "テレビ", "tv", 58, 57, 1, 4, true},
    {9, "ミサイル", "missile", 24, 36, 1, 1, false},
    {10, "カメ", "kame", 30, 16, 2, 0, false},
    {11, "ピエロ", "boss2", 124, 107, 4, 2, false},
    {12, "サークル", "bou", 41, 41, 2, 1, true},
    {13, "工事兵", "enemy_2", 26, 46, 1, 1, true},
    {14, "ネコトリ", "neko", 38, 23, 1, 4, false},
    {15, "おっちゃん", "boss3", 97, 95, 4, 2, false},
    {16, "おっちゃん分身", "boss3", 97, 95, 1, 2, false},
    {17, "葉っぱ", "leaf", 16, 16, 2, 6, false},
    {18, "ボロット", "boss4", 192, 162, 3, 2, false},
    {19, "マウス", "boss5", 102, 38, 3, 7, false},
    {20, "あべらべら", "boss6_1", 50, 70, 4, 8, false},
    {21, "オプショソ1", "boss6_2", 27, 80, 4, 8, false},
    {22, "オプショソ2", "boss6_3", 34, 30, 4, 8, true},
};

TEST_F(EnemyTest, KindTableAndPictureSizes) {
  for (const KindRow& r : kRows) {
    const TKindInfo& k = KindInfo(r.kind);
    EXPECT_STREQ(k.Keyword, r.keyword) << r.kind;
    EXPECT_STREQ(k.Picture, r.picture) << r.kind;
    EXPECT_EQ(k.DeathSound, r.death) << r.kind;
    const std::string appear =
        r.kind == 6 ? "dora" : r.appear < 0 ? "" : "apear" + std::to_string(r.appear);
    EXPECT_EQ(k.AppearSound, appear) << r.kind;
    EXPECT_EQ(k.PromptAtEntry, r.prompt) << r.kind;
    TEnemy* e = NewEnemy(g(), r.kind);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Width, r.width) << r.kind;
    EXPECT_EQ(e->Height, r.height) << r.kind;
  }
  // The katakana "so", not "n", in the option names.
  EXPECT_NE(std::strstr(KindInfo(21).Keyword, "ソ"), nullptr);
  EXPECT_EQ(std::strstr(KindInfo(22).Keyword, "ン"), nullptr);
}

TEST_F(EnemyTest, UnknownKindsAreNeverCreated) {
  EXPECT_STREQ(KindInfo(0).Keyword, "");
  EXPECT_STREQ(KindInfo(23).Picture, "");
  EXPECT_STREQ(KindInfo(-5).Picture, "");
  EXPECT_EQ(NewEnemy(g(), 0), nullptr);
  EXPECT_EQ(NewEnemy(g(), 23), nullptr);
  EXPECT_TRUE(g().Enemies.EnemyList.empty());
}

TEST_F(EnemyTest, NewEnemyStartsZeroedAppendsAndPlaysItsSound) {
  TEnemy& a = *NewEnemy(g(), 1);
  TEnemy& b = *NewEnemy(g(), 6);
  EXPECT_EQ(g().Enemies.EnemyList.size(), 2u);
  EXPECT_EQ(g().Enemies.EnemyList[0].get(), &a);
  EXPECT_EQ(g().Enemies.EnemyList[1].get(), &b);
  EXPECT_EQ(a.Life, 1);
  EXPECT_EQ(a.Age, 0);
  EXPECT_EQ(a.State, 0);
  EXPECT_EQ(a.X, 0);
  EXPECT_EQ(a.Kind, 1);
  EXPECT_EQ(Played("apear4"), 1u);
  EXPECT_EQ(Played("dora"), 1u);
  g().SoundOn = 0;
  g().WaveCooldown.fill(0);
  NewEnemy(g(), 10);
  EXPECT_EQ(Played("apear0"), 0u);
}

TEST_F(EnemyTest, FootSoldierRisesForTwelveFramesThenOpensItsPrompt) {
  TEnemy& e = Spawn(1, "100,200,1.3;");
  MarkScreen();
  Frame();
  // First frame: 78 wide (three times 26), 4 high, resting on y 240.
  const TRect box = ChangedBox();
  ASSERT_FALSE(box.Empty());
  const int cx = EnemyCenterX(e);
  EXPECT_GE(box.Left, cx - 39);
  EXPECT_LE(box.Right, cx + 39);
  EXPECT_GE(box.Top, 236);
  EXPECT_LE(box.Bottom, 240);
  EXPECT_GT(box.Width(), 26);
  for (int f = 2; f <= 11; ++f) {
    Frame();
    EXPECT_TRUE(WindowsOf(e).empty()) << f;
    EXPECT_EQ(e.State, 0);
  }
  Frame();  // the twelfth
  EXPECT_EQ(e.State, 1);
  EXPECT_EQ(WindowsOf(e).size(), 1u);
  EXPECT_EQ(e.Y, 200);
  Frame();  // walks from the thirteenth
  EXPECT_DOUBLE_EQ(e.Y, 201.3);
}

TEST_F(EnemyTest, GunmanOpensItsPromptInItsFirstFrameWithoutDrawing) {
  TEnemy& e = Spawn(2, "150,1;");
  MarkScreen();
  Frame();
  EXPECT_FALSE(ScreenChanged());
  EXPECT_EQ(e.State, 1);
  EXPECT_EQ(WindowsOf(e).size(), 1u);
}

TEST_F(EnemyTest, MissileNeverShowsTheAppearingAnimation) {
  TEnemy& e = Spawn(9, "100,6.5;");
  Frame();
  EXPECT_EQ(e.State, 1);
  EXPECT_DOUBLE_EQ(e.Y, -36 + 6.5);
  EXPECT_EQ(WindowsOf(e).size(), 1u);  // opened in its first frame
}

TEST_F(EnemyTest, EnemiesSpawnedDuringTheWalkWaitForTheNextFrame) {
  TEnemy& mouse = Spawn(19, "3;", 5);
  mouse.State = 1;
  mouse.Timer = 16;  // the next frame sends a missile
  Frame();
  ASSERT_EQ(Kinds(), (std::vector<int>{19, 9}));
  TEnemy* missile = g().Enemies.EnemyList[1].get();
  EXPECT_EQ(missile->Age, 0);
  EXPECT_EQ(missile->Y, -36);
  Frame();
  EXPECT_EQ(missile->Age, 1);
  EXPECT_DOUBLE_EQ(missile->Y, -36 + 6.5);
}

TEST_F(EnemyTest, FinishedEnemiesLeaveTheListInOrder) {
  TEnemy& a = Spawn(1, "10,10,1;");
  TEnemy& b = Spawn(1, "60,10,1;");
  TEnemy& c = Spawn(1, "110,10,1;");
  HitEnemy(g(), b);
  Frames(18);
  EXPECT_TRUE(Alive(&b));
  Frame();
  EXPECT_EQ(g().Enemies.EnemyList.size(), 2u);
  EXPECT_EQ(g().Enemies.EnemyList[0].get(), &a);
  EXPECT_EQ(g().Enemies.EnemyList[1].get(), &c);
}

TEST_F(EnemyTest, ClearEnemiesDropsTheirWindowsToo) {
  TEnemy& e = Spawn(2, "100,1;");
  Frame();
  ASSERT_EQ(WindowsOf(e).size(), 1u);
  g().Typing.Target = WindowsOf(e)[0];
  ClearEnemies(g());
  EXPECT_TRUE(g().Enemies.EnemyList.empty());
  EXPECT_TRUE(g().Typing.WindowList.empty());
  EXPECT_EQ(g().Typing.Target, nullptr);
}

}  // namespace
