// Practice mode (練習): a menu of word lists (the game's eight levels by
// name, the player's weakest keys when records exist, the player's own
// lists), a calm field where words come a few at a time with no bombs and no
// game over, live keys per second and accuracy, and a result panel.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "practice/practice_goal.h"
#include "records/measures.h"

struct Game;
struct TRomajiWord;

struct TPracticeList {
  enum class TKind { Level, Weakest, Review, Own } Kind = TKind::Level;
  std::string Name;                   // UTF-8
  int Level = 0;                      // 1..8 for the game's lists
  std::vector<std::string> Words;     // CP932 "display:reading;"
  std::vector<std::string> Problems;  // own lists: "file:line: message" (UTF-8)
  std::string Refusal;                // why it cannot be played (UTF-8); empty: it can
};

// The result of one practice run, measured as the records measure a part.
struct TPracticeResult {
  std::string ListName;       // UTF-8
  TMeasures M;                // Frames: time on the field; speed by typeable time
  std::string Goal = "free";  // the goal it ran to (practice/practice_goal.h)
  bool NewBest = false;       // the best of its list and goal in the records
};

// The game's own counts while a practice runs: typing there goes through the
// same engine, and is taken out of the game's figures again when it ends.
struct TPracticeSaved {
  int64_t KeysTyped = 0, Misses = 0;
  int32_t Rate = 0;
  TMeasures Live, StageRun, RunTotal;
};

struct TPracticeState {
  std::vector<TPracticeList> Lists;
  int Cursor = 0, Top = 0;  // menu cursor and first row shown
  // The running practice.
  TPracticeList Running;
  TPracticeResult Result;
  TPracticeSaved Saved;
  std::array<int, 3> SlotWait{};  // frames until a slot gets its next word
  // The goal chosen on the menu (or --practice-goal), that of the running
  // practice, the frames it has spent on the field and how it compared.
  TPracticeGoal Goal = TPracticeGoal::Free, RunningGoal = TPracticeGoal::Free;
  int64_t FieldFrames = 0;
  TGoalBest Best;
  bool EscapeWasDown = false;
  std::vector<TPracticeResult> Finished;  // this run's practice results
};

// The folder of the player's own lists.
std::string OwnListFolder(const Game& g);
// Names of the game's eight lists, 1..8 (UTF-8).
const char* LevelListName(int level);
// Fills the menu: the eight lists, the weakest keys, the own lists.
void LoadPracticeLists(Game& g);
// Opens the practice menu (from the title).
void OpenPracticeMenu(Game& g);
// Starts practice on a list.
void StartPractice(Game& g, const TPracticeList& list);
// --practice LIST: a level number 1..8, "weakest", "review" or a file of the
// player's own; the
// file's skipped lines go to problems; false with a message when the list
// cannot be played.
bool StartPracticeFromSpec(Game& g, const std::string& spec, std::vector<std::string>& problems,
                           std::string& error);
// Miss rates by letter number (records/measures.h) of the letters the
// records show missed most, the others 0; empty when no letter was missed.
std::vector<double> WeakKeyRates(const Game& g);
// The words of the game's eight lists ("display:reading;", CP932) that cut
// into units, with the score `score` gives each (below 0: left out), best
// first, equal scores in list order.
std::vector<std::pair<double, std::string>> ScoredListWords(
    Game& g, const std::function<double(const TRomajiWord&)>& score);
// Words of the game's lists richest in the weak letters (rates by letter
// number), best first, at most `count`.
std::vector<std::string> WeakestKeyWords(Game& g, const std::vector<double>& rates, size_t count);
// The practice list for --practice: "weakest" for the weakest keys.
inline constexpr const char* kWeakestSpec = "weakest";

void ScenePracticeMenu(Game& g);
void ScenePracticeField(Game& g);
void ScenePracticeResult(Game& g);
