// Practice goals: their names, the count-down, the end and the comparison
// with earlier runs of the same list and goal.
#include "practice/practice_goal.h"

#include <cstdio>

#include "base/sjis.h"
#include "media/ui_kit.h"
#include "practice/practice_draw.h"
#include "records/measures.h"
#include "records/rank_ladder.h"
#include "records/records.h"
#include "world/game.h"

namespace {

struct TGoalRow {
  TPracticeGoal Goal;
  const char* Name;
  const char* Label;
  int Frames, Words;
};

constexpr TGoalRow kGoals[kPracticeGoals] = {
    {TPracticeGoal::Free, "free", "自由", 0, 0},
    {TPracticeGoal::Seconds60, "60s", "60秒", 60 * 20, 0},
    {TPracticeGoal::Seconds120, "120s", "120秒", 120 * 20, 0},
    {TPracticeGoal::Words20, "20w", "20語", 0, 20},
    {TPracticeGoal::Words50, "50w", "50語", 0, 50},
};

const TGoalRow& Row(TPracticeGoal goal) {
  for (const TGoalRow& r : kGoals)
    if (r.Goal == goal) return r;
  return kGoals[0];
}

constexpr TRgb kGoalColour{255, 255, 160}, kBestColour{255, 200, 80}, kDim{176, 176, 200};

}  // namespace

const char* PracticeGoalName(TPracticeGoal goal) {
  return Row(goal).Name;
}

bool ParsePracticeGoal(const std::string& text, TPracticeGoal& goal) {
  for (const TGoalRow& r : kGoals)
    if (text == r.Name) {
      goal = r.Goal;
      return true;
    }
  return false;
}

const char* PracticeGoalLabel(TPracticeGoal goal) {
  return Row(goal).Label;
}

int GoalFrames(TPracticeGoal goal) {
  return Row(goal).Frames;
}

int GoalWords(TPracticeGoal goal) {
  return Row(goal).Words;
}

bool GoalReached(TPracticeGoal goal, int64_t fieldFrames, int64_t words) {
  const TGoalRow& r = Row(goal);
  if (r.Frames > 0) return fieldFrames >= r.Frames;
  if (r.Words > 0) return words >= r.Words;
  return false;
}

TGoalBest CompareWithRecords(const Game& g, const TRecordEntry& last) {
  TGoalBest best;
  if (last.Goal.empty() || last.Goal == "free") return best;
  const double kps = EntryKps(last);
  for (const TRecordEntry& e : g.Records.Entries) {
    if (&e == &last || e.Kind != "practice" || e.Goal != last.Goal || e.List != last.List) continue;
    best.BestKps = best.Any ? std::max(best.BestKps, EntryKps(e)) : EntryKps(e);
    best.Any = true;
  }
  best.NewBest = !best.Any || kps > best.BestKps;
  if (kps > best.BestKps) best.BestKps = kps;
  return best;
}

void DrawGoalCountdown(Game& g) {
  const TPracticeState& p = g.Practice;
  const TGoalRow& r = Row(p.RunningGoal);
  char text[64] = "";
  if (r.Frames > 0) {
    const int64_t left = std::max<int64_t>(0, r.Frames - p.FieldFrames);
    const int64_t seconds = (left + 19) / 20;
    std::snprintf(text, sizeof text, "のこり %lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
  } else if (r.Words > 0) {
    std::snprintf(text, sizeof text, "のこり %lld 語",
                  static_cast<long long>(std::max<int64_t>(0, r.Words - p.Result.M.Words)));
  } else {
    return;
  }
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(MakeRect(0, 0, 430, 48));  // the field's measures strip
  ui.TextRight(422, 6, text, kGoalColour);
}

void DrawGoalChoice(Game& g) {
  const std::string line =
      std::string("目標：") + PracticeGoalLabel(g.Practice.Goal) + "　←→で変える";
  // On the list menu's panel (practice_draw), in the row kept for it.
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(kPracticeMenuInside);
  ui.Shadowed(36, 350, line, kGoalColour);
}

void DrawGoalResult(Game& g) {
  const TPracticeState& p = g.Practice;
  const TMeasures& m = p.Result.M;
  const int rank = RankOf(m.Correct, m.Misses, m.TypeFrames);
  if (rank >= 0) {
    TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
    ui.SetFrame(kPracticeResultInside);
    ui.TextSjis(262, 224, Sjis(RankLabel(rank)), kBestColour);
  }
  if (p.RunningGoal == TPracticeGoal::Free) return;
  std::string line = std::string("目標 ") + PracticeGoalLabel(p.RunningGoal);
  TRgb colour = kDim;
  if (p.Best.NewBest) {
    line += p.Best.Any ? "　ベスト更新！" : "　はじめての記録";
    colour = kBestColour;
  } else if (p.Best.Any) {
    char best[48];
    std::snprintf(best, sizeof best, "　ベスト %.2f キー/秒", p.Best.BestKps);
    line += best;
  }
  // On the result panel (practice_draw), in the row kept for it.
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(kPracticeResultInside);
  ui.Text(110, 262, line, colour);
}
