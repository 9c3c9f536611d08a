// The stage-script checker: a sound script passes, and each kind of fault is
// reported with the line it is on.
#include <gtest/gtest.h>

#include "base/sjis.h"
#include "script/script.h"

namespace {

std::vector<std::string> Lines(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* l : utf8) out.push_back(Sjis(l));
  return out;
}

// Runs the checker; returns its messages.
std::vector<std::string> Check(const std::vector<std::string>& lines) {
  std::vector<std::string> errors;
  bool ok = CheckScriptLines(lines, "t.lin", errors);
  EXPECT_EQ(ok, errors.empty());
  return errors;
}

bool HasLine(const std::vector<std::string>& errors, int line) {
  std::string prefix = "t.lin:" + std::to_string(line) + ":";
  for (const auto& e : errors)
    if (e.rfind(prefix, 0) == 0) return true;
  return false;
}

TEST(CheckScriptLines, ASoundScriptPasses) {
  auto errors = Check(
      Lines({"title", "grass,0.5,-0.25;", "*10", ":歩兵:1,0,60,100,20,0.6;",
             ":ハエ:2,0,60,200,30,1.0;", "*200", ":パン:2,0,70,150;", "scene", "*0", ":警告:none;",
             "*40", ":中国人:boss,1,0,80;", "end;", "after the end anything goes"}));
  EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST(CheckScriptLines, StructuralFaults) {
  // No "end;", no trigger, no boss.
  auto errors = Check(Lines({"title", "blue,0,0;", ":歩兵:1,0,60,100,20,0.6;"}));
  EXPECT_GE(errors.size(), 3u);
  EXPECT_TRUE(HasLine(errors, 3));  // the enemy line before any trigger is never read

  // Empty file and header only.
  EXPECT_FALSE(Check({}).empty());
  EXPECT_FALSE(Check(Lines({"title"})).empty());

  // Header faults: missing drift, a path in the tile name, a huge drift.
  for (const char* header : {"blue;", "../x,0,0;", "blue,1e9,0;", "blue,abc,0;", "*5"}) {
    auto e = Check(Lines({"t", header, "*1", ":中国人:boss,1,0,80;", "end;"}));
    EXPECT_TRUE(HasLine(e, 2)) << header;
  }
}

TEST(CheckScriptLines, TriggersThatNeverFireOrLeadNowhere) {
  auto errors = Check(Lines({"t", "blue,0,0;", "*100", ":歩兵:1,0,60,100,20,0.6;",  // 3-4
                             "*50", ":歩兵:1,0,60,100,20,0.6;",  // 5-6: already passed
                             "*120", "scene",                    // 7-8: no enemy line
                             "*0", ":中国人:boss,1,0,80;",       // 9-10: fine after a scene
                             "*99999999999", ":歩兵:1,0,60,100,20,0.6;",  // 11-12
                             "*150000", ":歩兵:1,0,60,100,20,0.6;",       // 13-14
                             "end;"}));
  EXPECT_FALSE(HasLine(errors, 3));
  EXPECT_TRUE(HasLine(errors, 5));
  EXPECT_TRUE(HasLine(errors, 8));
  EXPECT_FALSE(HasLine(errors, 9));
  EXPECT_TRUE(HasLine(errors, 11));
  EXPECT_TRUE(HasLine(errors, 13));

  // A first trigger of 0 never fires: the clock is 1 in the first frame.
  EXPECT_TRUE(HasLine(Check(Lines({"t", "blue,0,0;", "*0", ":中国人:boss,1,0,80;", "end;"})), 3));
}

TEST(CheckScriptLines, EnemyLinesTheRunnerNeverSpawns) {
  auto errors = Check(Lines({"t", "blue,0,0;", "*10", ":歩兵:1,0,60,100,20,0.6;",
                             "# a comment ends the group", ":歩兵:1,0,60,200,20,0.6;",  // 6
                             "scene", ":中国人:boss,1,0,80;",                           // 8
                             "*20", ":中国人:boss,1,0,80;", "end;"}));
  EXPECT_FALSE(HasLine(errors, 4));
  EXPECT_TRUE(HasLine(errors, 6));
  EXPECT_TRUE(HasLine(errors, 8));
  EXPECT_FALSE(HasLine(errors, 10));
  EXPECT_EQ(errors.size(), 2u);

  // A boss only behind a scene line, never spawned: the part could not end.
  errors = Check(Lines({"t", "blue,0,0;", "*10", ":歩兵:1,0,60,100,20,0.6;", "scene",
                        ":中国人:boss,1,0,80;", "end;"}));
  EXPECT_EQ(errors.size(), 2u);
}

TEST(CheckScriptLines, BadEnemyLinesAndTyposAreReportedWithTheirLine) {
  auto errors = Check(Lines({"t", "blue,0,0;", "*10",
                             ":歩兵:none,100,20,0.6;",       // 4
                             ":兵隊:1,0,60,100,20,0.6;",     // 5
                             ":カメ:2,0,60,3,150,3.0,2.0;",  // 6: side 3
                             "*20", ":中国人:boss,1,0,80;",
                             "scene;",  // 9: not the scene line
                             " *30",    // 10: blank before the star
                             "end;"}));
  for (int line : {4, 5, 6, 9, 10}) EXPECT_TRUE(HasLine(errors, line)) << line;
  EXPECT_EQ(errors.size(), 5u);
}

}  // namespace
