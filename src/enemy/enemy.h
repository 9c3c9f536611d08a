// The enemy model: TEnemy, the enemy list, the shared motions
// (appearing, launch, glide), hits, dying, danger warnings and the bombs.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "enemy/kind_table.h"

struct Game;

class TEnemy {
 public:
  double GoalX = 0, GoalY = 0;
  double X = 0, Y = 0;
  double VX = 0, VY = 0;
  double Speed = 0, Angle = 0;
  double BaseX = 0, BaseY = 0;
  int32_t Kind = 0;
  int32_t State = 0;
  int32_t Timer = 0;
  int32_t GlideFrames = 0;
  int32_t Width = 0, Height = 0;
  int32_t Age = 0;
  int32_t Pattern = 0;
  int32_t Life = 0;
  int32_t NextState = 0;
  int32_t PromptOffsetX = 0, PromptOffsetY = 0;
  int32_t WordLevel = 0;
  int8_t Direction = 0;
  uint8_t Hit = 0;
  uint8_t Warned = 0;
  uint8_t IsBoss = 0;
  uint8_t Pending = 0;
  int32_t FlashTimer = 0;
  std::string Mode;  // at most 10 characters
};

int EnemyLeft(const TEnemy& e);
int EnemyTop(const TEnemy& e);
int EnemyCenterX(const TEnemy& e);
int EnemyCenterY(const TEnemy& e);

struct TBak {
  uint8_t Present = 0;
  int32_t X = 0, Y = 0;
  int32_t RiseSpeed = 0, RiseFrames = 0;
  std::string PictureName;
};

struct TEnemySystem {
  // Creation order; an enemy that finished dying leaves a null entry until
  // the list is compacted.
  std::vector<std::unique_ptr<TEnemy>> EnemyList;
  std::array<TBak, 7> Bombs;  // 1..6
  int BombClock = 0;
  // Catalog positions + 1 of the pictures drawn every frame (0 = not looked
  // up yet): the kinds by number, then effect_finish, abunai and bakudan.
  std::array<int32_t, kKindCount + 4> PictureCache{};
  // CP932 script names of the kinds, for the lines that bosses build.
  std::array<std::string, kKindCount + 1> ScriptNames;
};

constexpr int DangerLine = 269;

void StartEnemies(Game& g);
// Creates an enemy of the kind, appends it and plays its appear sound.
TEnemy* NewEnemy(Game& g, int kind);
void CompactEnemies(Game& g);
void ClearEnemies(Game& g);
void UpdateEnemies(Game& g);
void UpdateEnemy(Game& g, size_t index);
// Opens a prompt window for the enemy with its offsets.
void OpenPrompt(Game& g, TEnemy& e, int level, int timeLimit);
bool EnemyHasWindow(Game& g, const TEnemy& e);
void LaunchEnemy(Game& g, TEnemy& e, int nextState, double speed, double angle);
void LaunchEnemyTo(Game& g, TEnemy& e, int pointX, int pointY, int glideFrames, int nextState,
                   double angle, double speed);
void StepLaunch(Game& g, TEnemy& e);
void GlideTo(Game& g, TEnemy& e, int x, int y, int frames, int nextState);
void StepGlide(Game& g, TEnemy& e);
// Draws pattern p of the kind's picture at the enemy's corner plus (dx, dy).
void DrawEnemy(Game& g, const TEnemy& e, int pattern, int dx = 0, int dy = 0);

// Hits, dying, warnings and bombs.
void HitEnemy(Game& g, TEnemy& e);
// Returns false when the enemy finished dying and was freed.
bool StepDying(Game& g, size_t index);
void UpdateDangerWarnings(Game& g);
void ResetBombs(Game& g);
void UpdateBombs(Game& g);

// Per-kind behaviour dispatch (ordinary kinds and bosses).
void RunBehaviour(Game& g, TEnemy& e);
// Spawn values: set the kind's starting fields from the script's own values.
// Reads fields with the script's field reader; raises GameError on bad numbers.
void ApplySpawnValues(Game& g, TEnemy& e, std::string& fields);
