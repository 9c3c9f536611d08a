// The nine shipped stages: every script passes the checker, every part ends
// with a boss, and together they use every kind, boss and display mode.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "base/sjis.h"
#include "script/script.h"

namespace {

struct TPartFacts {
  std::string Name;
  std::string Tile;
  std::vector<TEnemyLine> Enemies;
  int LastTrigger = 0;
};

std::vector<TPartFacts> ReadParts() {
  std::vector<TPartFacts> parts;
  for (int stage = 1; stage <= 9; ++stage) {
    for (int part = 1; part <= (stage == 1 ? 2 : 3); ++part) {
      TPartFacts f;
      f.Name = std::to_string(stage) + "_stage" + std::to_string(part) + ".lin";
      std::ifstream in(std::string(MIRUTENA_GAME_DIR) + "/dat/" + f.Name, std::ios::binary);
      std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      auto lines = SplitScriptText(bytes);
      if (lines.size() >= 2) {
        std::string header = lines[1];
        f.Tile = NextField(header);
      }
      for (const auto& line : lines) {
        if (line == "end;") break;
        TEnemyLine l;
        std::string error;
        if (!line.empty() && line[0] == ':' && ParseEnemyLine(line, l, error))
          f.Enemies.push_back(l);
        if (!line.empty() && line[0] == '*') f.LastTrigger = FieldToInt(line.substr(1));
      }
      parts.push_back(f);
    }
  }
  return parts;
}

TEST(StageData, AllScriptsPassTheChecker) {
  std::vector<std::string> messages;
  bool ok = CheckScripts(MIRUTENA_GAME_DIR, messages);
  for (const auto& m : messages) ADD_FAILURE() << m;
  EXPECT_TRUE(ok);
}

TEST(StageData, EveryPartHasABossAndAKnownBackdrop) {
  const std::set<std::string> tiles = {"blue", "grass", "sand", "night", "brick",
                                       "sea",  "snow",  "lava", "metal"};
  auto parts = ReadParts();
  ASSERT_EQ(parts.size(), 26u);
  for (const auto& p : parts) {
    EXPECT_TRUE(tiles.count(p.Tile)) << p.Name << " tile " << p.Tile;
    int bosses = 0;
    for (const auto& e : p.Enemies) bosses += e.Boss;
    EXPECT_GE(bosses, 1) << p.Name;
    // A warning sign comes before the boss fight.
    bool warned = false;
    for (const auto& e : p.Enemies) {
      if (e.Kind == 6) warned = true;
      if (e.Boss) {
        EXPECT_TRUE(warned) << p.Name;
        break;
      }
    }
  }
}

TEST(StageData, EveryKindBossAndModeAppears) {
  std::set<int> kinds, bosses;
  std::set<std::string> modes;
  for (const auto& p : ReadParts()) {
    for (const auto& e : p.Enemies) {
      kinds.insert(e.Kind);
      if (e.Boss) bosses.insert(e.Kind);
      modes.insert(e.Mode);
    }
  }
  // The doubles and the options come with their bosses.
  if (kinds.count(15)) kinds.insert(16);
  if (kinds.count(20)) kinds.insert({21, 22});
  for (int k = 1; k <= 22; ++k) EXPECT_TRUE(kinds.count(k)) << "kind " << k;
  for (int k : {5, 11, 15, 18, 19, 20}) EXPECT_TRUE(bosses.count(k)) << "boss " << k;
  for (const char* m : {"hidden", "random", "figure"}) EXPECT_TRUE(modes.count(m)) << m;
}

TEST(StageData, DifficultyRisesAndWindowsStayReadable) {
  auto parts = ReadParts();
  std::vector<double> meanLevel(10, 0);
  std::vector<int> count(10, 0);
  for (const auto& p : parts) {
    int stage = p.Name[0] - '0';
    for (const auto& e : p.Enemies) {
      EXPECT_LE(std::abs(e.PromptOffsetX), 150) << p.Name;
      EXPECT_LE(std::abs(e.PromptOffsetY), 150) << p.Name;
      if (e.None || e.Kind == 6 || e.Kind == 17 || e.Mode == "random") continue;
      if (stage == 1) {
        EXPECT_LE(e.WordLevel, 2) << p.Name;  // for first-time typists
      }
      meanLevel[stage] += e.WordLevel;
      ++count[stage];
    }
    // A part lasts minutes, not hours: its last trigger within four minutes.
    EXPECT_LE(p.LastTrigger, 4 * 60 * 20) << p.Name;
    // No hidden, random or figure words in the first two stages.
    if (stage <= 2) {
      for (const auto& e : p.Enemies) EXPECT_EQ(e.Mode, "normal") << p.Name;
    }
  }
  for (int s = 1; s <= 9; ++s) {
    ASSERT_GT(count[s], 0);
    meanLevel[s] /= count[s];
  }
  EXPECT_LT(meanLevel[1], meanLevel[3]);
  EXPECT_LT(meanLevel[3], meanLevel[5]);
  EXPECT_LT(meanLevel[5], meanLevel[7]);
  EXPECT_LT(meanLevel[7], meanLevel[9]);
}

}  // namespace
