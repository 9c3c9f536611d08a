// A goal for a practice run: 60 or 120 seconds on the field, or 20 or 50
// words typed, or free (until Escape). A run with a goal counts down, ends on
// its own with its result, and is compared with the earlier runs of the same
// list and goal in the records.
#pragma once
#include <string>

struct Game;
struct TRecordEntry;

enum class TPracticeGoal { Free, Seconds60, Seconds120, Words20, Words50 };
inline constexpr int kPracticeGoals = 5;

// "free", "60s", "120s", "20w", "50w".
const char* PracticeGoalName(TPracticeGoal goal);
bool ParsePracticeGoal(const std::string& text, TPracticeGoal& goal);
// Its label on screen (UTF-8): 自由, 60秒, 120秒, 20語, 50語.
const char* PracticeGoalLabel(TPracticeGoal goal);
// Field frames of a timed goal (20 a second), 0 for the others.
int GoalFrames(TPracticeGoal goal);
// Words of a word-count goal, 0 for the others.
int GoalWords(TPracticeGoal goal);

// Whether the running practice has reached its goal: field frames counted
// and words typed so far.
bool GoalReached(TPracticeGoal goal, int64_t fieldFrames, int64_t words);
// The best keys per second among the records' practice runs of this list and
// goal (timed or counted goals only), and whether the last such run is it.
struct TGoalBest {
  bool Any = false;  // an earlier run of the same list and goal exists
  double BestKps = 0;
  bool NewBest = false;
};
TGoalBest CompareWithRecords(const Game& g, const TRecordEntry& last);

// The count-down in the field's top bar (nothing when free).
void DrawGoalCountdown(Game& g);
// The goal line of the practice menu, and the result panel's rank, goal and
// best.
void DrawGoalChoice(Game& g);
void DrawGoalResult(Game& g);
