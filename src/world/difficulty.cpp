// Difficulty rules: pace, word levels and time limits per difficulty, and the
// ranking file that goes with each.
#include "world/difficulty.h"

#include <array>

#include "base/game_error.h"
#include "world/game.h"
#include "world/saved_results.h"
#include "world/score.h"
#include "world/settings_link.h"

namespace {

constexpr int kPaceDen = 20;

struct TRules {
  const char* Label;
  int Pace;        // play steps per kPaceDen frames
  int LevelShift;  // added to word levels, kept within 1..8
  int LimitNum, LimitDen;
};

constexpr std::array<TRules, 3> kRules = {{
    {"やさしい", 11, -1, 4, 3},
    {"ふつう", 20, 0, 1, 1},
    {"むずかしい", 23, 1, 3, 4},
}};

const TRules& Rules(TDifficulty d) {
  return kRules[static_cast<size_t>(d)];
}

}  // namespace

const char* DifficultyLabel(TDifficulty d) {
  return Rules(d).Label;
}

std::string RankingFileName(TDifficulty d) {
  if (d == TDifficulty::Normal) return "score.rnk";
  return std::string("score_") + DifficultyName(d) + ".rnk";
}

int PlayStepsThisFrame(Game& g) {
  const TRules& r = Rules(g.Difficulty.Level);
  if (r.Pace == kPaceDen || g.Scenes.CurtainState != 0) return 1;
  g.Difficulty.PaceCredit += r.Pace;
  int steps = g.Difficulty.PaceCredit / kPaceDen;
  g.Difficulty.PaceCredit %= kPaceDen;
  return steps;
}

int DifficultyWordLevel(const Game& g, int level) {
  int shift = Rules(g.Difficulty.Level).LevelShift;
  if (shift < 0 && level > 1) return level - 1;
  if (shift > 0 && level >= 1 && level < 8) return level + 1;
  return level;
}

int DifficultyTimeLimit(const Game& g, int frames) {
  const TRules& r = Rules(g.Difficulty.Level);
  if (frames <= 0) return frames;
  return std::max(1, frames * r.LimitNum / r.LimitDen);
}

std::string RecordsDifficulty(const Game& g) {
  if (g.Difficulty.Level == TDifficulty::Normal) return "";
  return DifficultyName(g.Difficulty.Level);
}

void ChangeDifficulty(Game& g, TDifficulty d) {
  if (g.Difficulty.Level == d) return;
  g.Difficulty.Level = d;
  g.Difficulty.PaceCredit = 0;
  try {
    LoadRanking(g);
  } catch (const GameError& e) {
    g.Ranking.fill(0);
    ReportError(g, e.what());
  }
}

void ChooseDifficulty(Game& g, TDifficulty d) {
  ChangeDifficulty(g, d);
  TSettings s = g.Settings.Values();
  s.Difficulty = d;
  StoreSettings(g, s);
}
