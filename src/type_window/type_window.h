// Prompt windows: the boxes beside enemies that show a word and the romaji
// still to type; the typing engine's state and its per-frame input.
#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "type_window/kana_table.h"
#include "type_window/romaji_word.h"

struct Game;
class TEnemy;

enum : uint8_t { Opening = 0, Active = 10, Closing = 30 };

class TTypeWindow {
 public:
  // Creates the window and appends it to the engine's WindowList, which owns
  // it from then on: create windows with new (or NewTypeWindow), never on the
  // stack. A level whose word list is empty or outside 1..8 takes the nearest
  // list that holds words.
  TTypeWindow(Game& g, TEnemy* enemy, int offsetX, int offsetY, int level, int timeLimit);

  uint8_t Locked = 0;
  uint8_t State = Opening;
  int32_t OffsetX = 0, OffsetY = 0;
  // Added to the offset to keep the window clear of the others (SpreadWindows).
  int32_t NudgeX = 0, NudgeY = 0;
  int32_t CenterX = 0, CenterY = 0;
  int32_t AnchorX = 0, AnchorY = 0;
  int32_t Width = 0, Height = 0;
  int32_t AnimStep = 0;
  int32_t TimeLeft = 0, TimeLimit = 0;
  TEnemy* Enemy = nullptr;
  double DriftX = 0, DriftY = 0;
  std::string DisplayText;  // CP932
  // The spelling being typed (Path's romaji): the letters typed so far (as
  // the engine took them) followed by the guide, the rest still to type.
  std::string CurrentRomaji;
  std::string Typed;
  TRomajiWord Word;  // the units of the reading and every romaji they accept
  TRomajiPath Path;  // the spelling CurrentRomaji shows
  std::string Mode;  // at most 10 characters
  int32_t Position = 1;
  // The reading line: the word's reading (CP932), shown when the view asks for
  // it and the word is not written in kana already. ReadingSpace is the room
  // the window keeps for the line (the same for every window made while the
  // line is on, so windows keep one size).
  std::string Reading;
  bool ShowsReading = false;
  int32_t ReadingSpace = 0;
  // The romaji as a hint: frames since the window opened or since the last
  // correct letter, and whether the hint shows (it stays once shown).
  int32_t QuietFrames = 0;
  bool HintShown = false;

  int Left() const { return CenterX - Width / 2; }
  int Top() const { return CenterY - Height / 2; }
  int Right() const { return CenterX + Width / 2; }
  int Bottom() const { return CenterY + Height / 2; }
  int InnerLeft() const { return Left() + 5; }
  int InnerTop() const { return Top() + 5; }
  int InnerRight() const { return Right() - 5; }
  int InnerBottom() const { return Bottom() - 5; }
};

struct TTypingEngine {
  // Windows in creation order; a freed window leaves a null slot until packed.
  std::vector<std::unique_ptr<TTypeWindow>> WindowList;
  TTypeWindow* Target = nullptr;
  std::deque<int> KeyQueue;
  std::array<uint8_t, 28> KeyReady{};                 // 1..27
  std::array<std::vector<std::string>, 9> WordLists;  // 1..8, CP932 lines
  std::array<int, 9> WordCounts{};
  TKanaTable KanaTable;
  int LetterWidth = 0, LetterHeight = 0;
  int RowGap = 0;
  std::string FramePicture;
  int TileWidth = 0, TileHeight = 0;
  double DriftSpeedX = 0, DriftSpeedY = 0;
  std::array<uint8_t, 28> TakenLetters{};  // 1 free, 0 taken
  // The guide's romanisation; the shell loads and keeps it (StyleLearned is
  // set when "mine" learned a new spelling that is not yet kept). StyleKept
  // holds the spellings as last read or kept, so that only what this run
  // learned since is merged into the file another game may have changed.
  TGuideStyle Style;
  bool StyleLearned = false;
  std::map<std::string, std::string> StyleKept;
  // Frames left in which a letter N, typed next after a word that finished on
  // a single-N "ん", may be the second N of NN.
  int32_t AbsorbNFrames = 0;
  // Such an N, held until the next letter tells whether it begins a word on
  // the field (the N of なす after ぱん typed PAN) or was the rest of NN.
  bool HeldN = false;
};

// Creates a window (owned by WindowList) and returns it.
TTypeWindow& NewTypeWindow(Game& g, TEnemy* enemy, int offsetX, int offsetY, int level,
                           int timeLimit);
// The word list a window of this level draws from: the level's own list when it
// holds words, else the nearest one that does (lower first); 0 when none does.
int WordListForLevel(const TTypingEngine& t, int level);

// Loads letters, word lists and the kana table. Raises GameError with
// "file:line: message" for broken or missing data.
void LoadTypingData(Game& g, const std::string& letterDir, const std::string& framePicture);
void ResetCanvasStyle(Game& g);
void FreeTypingData(Game& g);
void ClearWindows(Game& g);
void CloseWindow(Game& g, TTypeWindow& w);
void ReleaseTarget(Game& g);
bool IsActive(const TTypeWindow* w);
void MarkTakenLetters(Game& g);
bool HasTakenFirstLetter(Game& g, const TTypeWindow& w);
void PackWindows(Game& g);
void FollowEnemy(Game& g, TTypeWindow& w);
void StepWindows(Game& g);
// The score and rate band at the top left that no window may cover.
TRect ScoreBand(const Game& g);
// Moves a window that reaches into the score band down below it.
void KeepClearOfScore(const Game& g, TTypeWindow& w);
// Nudges the open windows that meet a few pixels apart (the target keeps its
// place) and lets pushed windows drift back when nothing is in the way.
void SpreadWindows(Game& g);
void DrawTypeWindow(Game& g, TTypeWindow& w);
// The open/close outline at the window's AnimStep.
void DrawWindowOutline(Game& g, const TTypeWindow& w);
// The band under the target's word and letters that is darkened for contrast.
TRect TextShadeRect(const Game& g, const TTypeWindow& w);
// The top of the window's letter row (below the reading line when it has one).
int LetterRowTop(const Game& g, const TTypeWindow& w);
// Whether the window's romaji letters show now (the view's romaji display).
bool RomajiShown(const Game& g, const TTypeWindow& w);
// Room for the reading line: its 12 px text and a gap.
inline constexpr int kReadingLinePitch = 15;
// The distance between letters of a romaji of this length: the letter width
// and a pixel, less where the row would not fit on the field.
int LetterStep(const TTypingEngine& t, int length);
// The x of the first letter of the window's letter row.
int LetterRowLeft(const Game& g, const TTypeWindow& w);
// Sets or clears Locked on every window of the enemy.
void LockWindows(Game& g, const TEnemy* enemy, bool locked);
// Makes a spelling with the letter at the window's Position its
// CurrentRomaji: one that begins with the letters before Position and the
// letter when there is one, else one that has the letter there.
bool SwitchRomaji(Game& g, TTypeWindow& w, char letter);
// Whether a window could take the letter at its Position (by CurrentRomaji or
// a switch), without changing it.
bool CanTakeLetter(const TTypingEngine& t, const TTypeWindow& w, char letter);
// The letters a spelling of the window's word can start with.
std::string WindowFirstLetters(const TTypeWindow& w);
// Shows the guide of the engine's style again on every window not being typed.
void RefreshGuides(Game& g);

// Typing input (run once per play frame).
int KeyToLetter(int code);
void UpdateTypeWindows(Game& g);
bool TypeLetter(Game& g, int n);
void TypingMiss(Game& g);

// Word-list reading shared by the loader and the data checker: false with
// "file:line: message" in error.
bool ParseWordList(const std::vector<std::string>& lines, const std::string& fileName,
                   std::vector<std::string>& words, std::string& error);
// Checks a word list's readings against the kana table (a copy is used, so the
// table's entries stay as they are): every reading cuts fully into units with
// romaji and does not end in "っ". Errors go to errors, doubtful words (huge
// candidate lists, windows wider than the field) to warnings, each as
// "file:line: message" in UTF-8. Without widths the windows' widths are not
// worked out (no warnings): what the game needs at start, in a fraction of
// the time.
void CheckWordReadings(const TKanaTable& table, const std::vector<std::string>& words,
                       const std::string& fileName, int letterWidth,
                       std::vector<std::string>& errors, std::vector<std::string>& warnings,
                       bool widths = true);
// Validates the kana table and the eight word lists under dataDir (dat/...);
// messages are "file:line: message" (warnings say "warning:"). False when
// some data file is broken.
bool CheckTypingData(const std::string& dataDir, std::vector<std::string>& messages);
