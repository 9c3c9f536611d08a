// Practice mode (練習): a menu of word lists (the game's eight levels by
// name, the player's weakest keys when records exist, the player's own
// lists), a calm field where words come a few at a time with no bombs and no
// game over, live keys per second and accuracy, and a result panel.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Game;

// Scene numbers of practice.
inline constexpr int kScenePracticeMenu = 80;
inline constexpr int kScenePracticeField = 81;
inline constexpr int kScenePracticeResult = 82;

struct TPracticeList {
  enum class TKind { Level, Weakest, Own } Kind = TKind::Level;
  std::string Name;                   // UTF-8
  int Level = 0;                      // 1..8 for the game's lists
  std::vector<std::string> Words;     // CP932 "display:reading;"
  std::vector<std::string> Problems;  // own lists: "file:line: message" (UTF-8)
  std::string Refusal;                // why it cannot be played (UTF-8); empty: it can
};

// The result of one practice run.
struct TPracticeResult {
  std::string ListName;  // UTF-8
  int64_t Frames = 0, Keys = 0, Misses = 0, Words = 0;
  double KeysPerSecond() const { return Frames > 0 ? Keys * 20.0 / Frames : 0; }
  double Accuracy() const { return Keys + Misses > 0 ? 100.0 * Keys / (Keys + Misses) : 100; }
};

struct TPracticeState {
  std::vector<TPracticeList> Lists;
  int Cursor = 0, Top = 0;  // menu cursor and first row shown
  // Per-letter miss rates (1..26) from the records; empty: no records yet.
  std::vector<double> WeakKeyRates;
  // The running practice.
  TPracticeList Running;
  TPracticeResult Result;
  int64_t KeysAtStart = 0, MissesAtStart = 0;
  std::array<int, 3> SlotWait{};  // frames until a slot gets its next word
  bool EscapeWasDown = false;
  bool FromCommandLine = false;           // --practice: the result leaves for the title
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
// --practice LIST: a level number 1..8 or a file of the player's own; the
// file's skipped lines go to problems; false with a message when the list
// cannot be played.
bool StartPracticeFromSpec(Game& g, const std::string& spec, std::vector<std::string>& problems,
                           std::string& error);
// Words of the game's lists chosen for the letters missed most (rates by
// letter 1..26), best first, at most `count`.
std::vector<std::string> WeakestKeyWords(Game& g, const std::vector<double>& rates, size_t count);

void ScenePracticeMenu(Game& g);
void ScenePracticeField(Game& g);
void ScenePracticeResult(Game& g);
