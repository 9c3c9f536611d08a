// Prompt windows: the boxes beside enemies that show a word and the romaji
// still to type; the typing engine's state and its per-frame input.
#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "type_window/kana_table.h"

struct Game;
struct TEnemy;

enum : uint8_t { Opening = 0, Active = 10, Closing = 30 };

class TTypeWindow {
 public:
  // Creates the window and appends it to the engine's WindowList.
  TTypeWindow(Game& g, TEnemy* enemy, int offsetX, int offsetY, int level, int timeLimit);

  uint8_t Locked = 0;
  uint8_t State = Opening;
  int32_t OffsetX = 0, OffsetY = 0;
  int32_t CenterX = 0, CenterY = 0;
  int32_t AnchorX = 0, AnchorY = 0;
  int32_t Width = 0, Height = 0;
  int32_t AnimStep = 0;
  int32_t TimeLeft = 0, TimeLimit = 0;
  TEnemy* Enemy = nullptr;
  double DriftX = 0, DriftY = 0;
  std::string DisplayText;  // CP932
  std::string CurrentRomaji;
  std::string Typed;
  std::vector<std::string> Candidates;
  std::string Mode;  // at most 10 characters
  int32_t Position = 1;

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
  std::array<uint8_t, 28> KeyReady{};  // 1..27
  std::array<std::vector<std::string>, 9> WordLists;  // 1..8, CP932 lines
  std::array<int, 9> WordCounts{};
  TKanaTable KanaTable;
  int LetterWidth = 0, LetterHeight = 0;
  int RowGap = 0;
  std::string FramePicture;
  int TileWidth = 0, TileHeight = 0;
  double DriftSpeedX = 0, DriftSpeedY = 0;
  std::array<uint8_t, 28> TakenLetters{};  // 1 free, 0 taken
};

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
void DrawTypeWindow(Game& g, TTypeWindow& w);
// Sets or clears Locked on every window of the enemy.
void LockWindows(Game& g, const TEnemy* enemy, bool locked);
bool SwitchRomaji(TTypeWindow& w, char letter);

// Typing input (run once per play frame).
int KeyToLetter(int code);
void UpdateTypeWindows(Game& g);
bool TypeLetter(Game& g, int n);
void TypingMiss(Game& g);

// Word-list reading shared by the loader and the data checker: false with
// "file:line: message" in error.
bool ParseWordList(const std::vector<std::string>& lines, const std::string& fileName,
                   std::vector<std::string>& words, std::string& error);
