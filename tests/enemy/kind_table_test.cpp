// The kind table as a whole: every kind has its behaviour, a picture in the
// catalog, a script name of its own and value types the script reader knows,
// and the word-level ranges the data checker applies are sound.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/sjis.h"
#include "enemy/kind_table.h"
#include "script/script.h"
#include "support/test_support.h"
#include "world/game.h"

TEST(KindTable, EveryKindIsComplete) {
  auto t = MakeTestGame();
  std::set<std::string> keywords;
  for (int k = 1; k <= kKindCount; ++k) {
    const TKindInfo& row = KindInfo(k);
    EXPECT_NE(row.Spawn, nullptr) << k;
    EXPECT_NE(row.Step, nullptr) << k;
    EXPECT_NE(t->G.List.TryFindPicture(row.Picture), nullptr) << row.Picture;
    EXPECT_TRUE(keywords.insert(row.Keyword).second) << "two kinds named " << row.Keyword;
    EXPECT_EQ(KindOfScriptName(Sjis(row.Keyword)), k);
    EXPECT_EQ(std::string(row.ValueTypes).find_first_not_of("irs"), std::string::npos) << k;
    if (row.HighestLevel != 0) {
      EXPECT_GE(row.LowestLevel, 1) << k;
      EXPECT_LE(row.LowestLevel, row.HighestLevel) << k;
      EXPECT_LE(row.HighestLevel, 8) << k;
    } else {
      EXPECT_FALSE(row.PromptAtEntry) << k << " shows a word but has no level range";
    }
  }
  // Numbers outside the table get row 0, which does nothing.
  for (int k : {0, -1, kKindCount + 1}) {
    EXPECT_FALSE(ValidKind(k));
    EXPECT_EQ(KindInfo(k).Spawn, nullptr);
    EXPECT_EQ(KindInfo(k).Step, nullptr);
  }
}

TEST(KindTable, ALinesValuesAreReadByItsSpawn) {
  // A line with all of its kind's values spawns; one with the last value
  // missing is refused: the table's value types and the spawn functions agree.
  auto t = MakeStartedGame(3);
  Game& g = t->G;
  for (int k = 1; k <= kKindCount; ++k) {
    const std::string types = KindInfo(k).ValueTypes;
    std::string values, shorter;
    for (char c : types) {
      shorter = values;
      values += c == 's' ? "1," : c == 'r' ? "1.5," : "40,";
    }
    const std::string head = ":" + Sjis(KindInfo(k).Keyword) + ":1,0,-40,";
    EXPECT_NO_THROW(SpawnFromLine(g, head + values)) << k;
    ClearPlayObjects(g);
    if (types.empty()) continue;
    EXPECT_ANY_THROW(SpawnFromLine(g, head + shorter)) << k;
    ClearPlayObjects(g);
  }
}
