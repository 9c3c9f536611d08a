// Loading and running stage scripts on a real game: triggers, groups, scene
// waits, the line interpreter's fields, and scripts broken in every way.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "base/game_error.h"
#include "base/sjis.h"
#include "support/test_support.h"

namespace {

class ScriptRunner : public ::testing::Test {
 protected:
  void SetUp() override {
    tg = MakeStartedGame(7);
    g().Part = 1;
    g().Stage = 1;
  }
  Game& g() { return tg->G; }

  // Writes a script (UTF-8 lines, converted to CP932) and loads it.
  void Load(const std::string& utf8, const char* lineEnd = "\r\n") {
    // One file per process: CTest runs tests of this suite side by side.
    std::string path =
        ::testing::TempDir() + "/script_runner_test_" + std::to_string(::getpid()) + ".lin";
    std::string bytes;
    for (char c : Utf8ToSjis(utf8)) {
      if (c == '\n')
        bytes += lineEnd;
      else
        bytes += c;
    }
    std::ofstream(path, std::ios::binary) << bytes;
    g().LastError.clear();
    LoadStageScriptFile(g(), path);
  }

  size_t Live() {
    size_t n = 0;
    for (const auto& e : g().Enemies.EnemyList)
      if (e) ++n;
    return n;
  }

  // Runs frames of the runner alone (no enemy movement), checking that it
  // never stands outside its lines.
  void Run(int frames) {
    for (int i = 0; i < frames; ++i) {
      RunStageScript(g());
      const TScript& s = g().Script;
      ASSERT_GE(s.ScriptPos, 0);
      ASSERT_LT(s.ScriptPos, static_cast<int>(s.ScriptLines.size()));
    }
  }

  std::unique_ptr<TestGame> tg;
};

const std::string kSoldier = ":歩兵:1,0,60,100,20,0.6;\n";
const std::string kFly = ":ハエ:2,0,60,200,30,1.0;\n";

TEST_F(ScriptRunner, HeaderSetsTheDriftSpeeds) {
  Load(std::string("title\nblue,0.5,-0.25;\n*1\n") + kSoldier + "end;\n");
  EXPECT_DOUBLE_EQ(g().Typing.DriftSpeedX, 0.5);
  EXPECT_DOUBLE_EQ(g().Typing.DriftSpeedY, -0.25);
  EXPECT_EQ(g().Script.NextTrigger, 1);
  EXPECT_EQ(g().Script.ScriptPos, 3);
  EXPECT_TRUE(g().LastError.empty()) << g().LastError;
}

TEST_F(ScriptRunner, AbsoluteTriggersFireAtTheirFrame) {
  Load(std::string("t\nblue,0,0;\n*100\n") + kSoldier + "*150\n" + kFly + "end;\n");
  Run(99);
  EXPECT_EQ(Live(), 0u);
  Run(1);
  ASSERT_EQ(Live(), 1u);
  EXPECT_EQ(g().Enemies.EnemyList[0]->Kind, 1);
  Run(49);
  EXPECT_EQ(Live(), 1u);
  Run(1);
  ASSERT_EQ(Live(), 2u);
  EXPECT_EQ(g().Enemies.EnemyList[1]->Kind, 3);
  EXPECT_TRUE(g().Script.Finished);
  EXPECT_EQ(g().Script.ScriptLines[g().Script.ScriptPos], "end;");
}

TEST_F(ScriptRunner, APassedTriggerStopsTheScript) {
  Load(std::string("t\nblue,0,0;\n*100\n") + kSoldier + "*50\n" + kFly + "end;\n");
  Run(400);
  EXPECT_EQ(Live(), 1u);
  EXPECT_TRUE(g().Script.Finished);
}

TEST_F(ScriptRunner, AGroupSpawnsInFileOrderInOneFrame) {
  Load(std::string("t\nblue,0,0;\n*5\n") + kSoldier + kFly +
       ":テレビ:1,0,70,2,300,30,0.3;\nend;\n");
  Run(4);
  EXPECT_EQ(Live(), 0u);
  Run(1);
  ASSERT_EQ(Live(), 3u);
  EXPECT_EQ(g().Enemies.EnemyList[0]->Kind, 1);
  EXPECT_EQ(g().Enemies.EnemyList[1]->Kind, 3);
  EXPECT_EQ(g().Enemies.EnemyList[2]->Kind, 8);
}

TEST_F(ScriptRunner, SceneHoldsTheNextGroupUntilTheFieldIsClear) {
  Load(std::string("t\nblue,0,0;\n*10\n") + kSoldier + "scene\n:歩兵:1,0,60,300,20,0.6;\n*40\n" +
       kFly + "end;\n");
  Run(10);
  ASSERT_EQ(Live(), 1u);  // the line between "scene" and the trigger is not spawned
  EXPECT_TRUE(g().Script.SceneWait);
  Run(300);
  EXPECT_EQ(Live(), 1u);
  g().Enemies.EnemyList.clear();
  Run(40);  // the first of these frames finds the field empty and restarts the clock
  EXPECT_EQ(Live(), 0u);
  EXPECT_FALSE(g().Script.SceneWait);
  Run(1);
  ASSERT_EQ(Live(), 1u);
  EXPECT_EQ(g().Enemies.EnemyList[0]->Kind, 3);
}

TEST_F(ScriptRunner, LinesAfterEndAreNeverRead) {
  Load(std::string("t\nblue,0,0;\n*3\n") + kSoldier + "end;\n*5\n" + kFly + "scene\n", "\n");
  EXPECT_EQ(g().Script.ScriptLines.size(), 6u);
  EXPECT_EQ(g().Script.ScriptLines[0], "5");
  Run(200);
  EXPECT_EQ(Live(), 1u);
  EXPECT_FALSE(g().Script.SceneWait);
}

TEST_F(ScriptRunner, BossModeNoneAndPromptFields) {
  g().ClearTimer = 0;
  TEnemy* boss = SpawnFromLine(g(), Sjis(":中国人:boss,random,2,5,80;"));
  ASSERT_NE(boss, nullptr);
  EXPECT_EQ(boss->Kind, 5);
  EXPECT_EQ(boss->IsBoss, 1);
  EXPECT_EQ(g().ClearTimer, 1);
  EXPECT_EQ(boss->Mode, "random");
  EXPECT_EQ(boss->WordLevel, 2);
  EXPECT_EQ(boss->PromptOffsetX, 5);
  EXPECT_EQ(boss->PromptOffsetY, 80);

  TEnemy* soldier = SpawnFromLine(g(), Sjis(":歩兵:hidden,3,-10,-60,120,30,0.5;"));
  EXPECT_EQ(soldier->IsBoss, 0);
  EXPECT_EQ(soldier->Mode, "hidden");
  EXPECT_EQ(soldier->WordLevel, 3);
  EXPECT_EQ(soldier->PromptOffsetX, -10);
  EXPECT_EQ(soldier->PromptOffsetY, -60);
  EXPECT_DOUBLE_EQ(soldier->X, 120);  // the kind's own values follow
  EXPECT_DOUBLE_EQ(soldier->VY, 0.5);

  EXPECT_EQ(SpawnFromLine(g(), Sjis(":ハエ:figure,2,0,60,200,30,1.0;"))->Mode, "figure");
  EXPECT_EQ(SpawnFromLine(g(), Sjis(":ハエ:2,0,60,200,30,1.0;"))->Mode, "normal");
  // The line a boss builds for a missile.
  TEnemy* missile = SpawnFromLine(g(), Sjis(":ミサイル:3,0,50,111,6.5;"));
  EXPECT_EQ(missile->Kind, 9);
  EXPECT_EQ(missile->PromptOffsetY, 50);
  EXPECT_DOUBLE_EQ(missile->X, 111);
  EXPECT_DOUBLE_EQ(missile->Speed, 6.5);
  // "none" leaves the prompt numbers at zero.
  TEnemy* sign = SpawnFromLine(g(), Sjis(":警告:none;"));
  EXPECT_EQ(sign->Kind, 6);
  EXPECT_EQ(sign->WordLevel, 0);
  EXPECT_EQ(sign->PromptOffsetX, 0);
  EXPECT_EQ(sign->PromptOffsetY, 0);
  EXPECT_EQ(sign->Mode, "normal");
}

TEST_F(ScriptRunner, BrokenLinesRaiseTheGamesErrors) {
  EXPECT_THROW(SpawnFromLine(g(), Sjis(":兵隊:1,0,60,100,20,0.6;")), GameError);
  EXPECT_THROW(SpawnFromLine(g(), ""), GameError);
  EXPECT_THROW(SpawnFromLine(g(), ":"), GameError);
  EXPECT_EQ(Live(), 0u);  // no kind, no enemy
  try {
    SpawnFromLine(g(), Sjis(":歩兵:1,0,60,1x0,20,0.6;"));
    FAIL();
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), "'1x0' は整数ではありません");
  }
  EXPECT_THROW(SpawnFromLine(g(), Sjis(":歩兵:none;")), GameError);
}

// A script that cannot run reports itself and lets the part end once the
// field is empty, instead of leaving the player on an endless part.
TEST_F(ScriptRunner, UnrunnableScriptsEndThePart) {
  const std::string broken[] = {
      "",                                                    // empty file
      "title only\n",                                        // no header
      "t\nblue,0,0;\n" + std::string(kSoldier) + "end;\n",   // no trigger
      "t\nblue,0,0;\n*99999999999\n" + kSoldier + "end;\n",  // trigger too large for an int
      "t\nblue,0,0;\n*5000000\n" + kSoldier + "end;\n",      // trigger beyond reach
      "t\nblue,0,0;\n*-4\n" + kSoldier + "end;\n",           // never reached
  };
  for (const std::string& text : broken) {
    // Each text stands for another file: errors are shown once per file.
    g().Notes.Shown.clear();
    g().LastError.clear();
    g().ClearTimer = 0;
    g().Enemies.EnemyList.clear();
    Load(text);
    Run(60);
    EXPECT_EQ(Live(), 0u) << text;
    EXPECT_EQ(g().ClearTimer, 1) << text;
    EXPECT_TRUE(g().Script.Finished) << text;
    EXPECT_FALSE(g().LastError.empty()) << text;
  }
  g().ClearTimer = 0;
  g().LastError.clear();
  LoadStageScriptFile(g(), "/nonexistent/dir/9_stage9.lin");
  EXPECT_FALSE(g().LastError.empty());
  Run(2);
  EXPECT_EQ(g().ClearTimer, 1);
}

TEST_F(ScriptRunner, BrokenScriptsNeverReadPastTheirLines) {
  // A trigger as the last line, with no "end;": the group would start past the end.
  Load("t\nblue,0,0;\n*1", "\n");
  Run(30);
  EXPECT_TRUE(g().Script.Finished);
  // A trigger in the header line and no "end;".
  Load(std::string("t\n*1\n") + kSoldier);
  Run(30);
  EXPECT_EQ(Live(), 0u);
  // Bad lines inside groups are reported and skipped; the good ones still spawn.
  g().Enemies.EnemyList.clear();
  Load(std::string("t\nblue,0,0;\n*2\n:兵隊:1,0,60,100,20,0.6;\n") + kFly +
       "*4\n# no enemy here\n*6\n" + ":歩兵:1,0,60,1x0,20,0.6;\n*8\n" + kSoldier + "*10\n" + kFly);
  Run(40);
  EXPECT_FALSE(g().LastError.empty());
  // The line with the bad number keeps the enemy it had already created.
  ASSERT_EQ(Live(), 4u);
  EXPECT_EQ(g().Enemies.EnemyList[0]->Kind, 3);
  EXPECT_EQ(g().Enemies.EnemyList[1]->Kind, 1);
  EXPECT_EQ(g().Enemies.EnemyList.back()->Kind, 3);  // the group after the last trigger came
  EXPECT_TRUE(g().Script.Finished);
}

TEST_F(ScriptRunner, AScriptWithABossIsNotEndedEarly) {
  g().ClearTimer = 0;
  Load(std::string("t\nblue,0,0;\n*2\n") + kSoldier + "end;\n");
  Run(10);
  EXPECT_EQ(g().ClearTimer, 0);  // enemies remain: the part goes on
  g().Enemies.EnemyList.clear();
  Run(1);
  EXPECT_EQ(g().ClearTimer, 1);

  g().ClearTimer = 0;
  Load("t\nblue,0,0;\n*2\n:中国人:boss,1,0,80;\nend;\n");
  Run(10);
  EXPECT_EQ(g().ClearTimer, 1);  // set by the boss line
  EXPECT_TRUE(g().LastError.empty()) << g().LastError;
}

}  // namespace
