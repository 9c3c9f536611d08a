// Helpers shared by the enemy files: cached pictures, the CP932 kind names,
// script lines run by enemies and small field readers for spawn values.
#pragma once
#include <string>

#include "enemy/enemy.h"
#include "enemy/enemy_math.h"

struct TPictureItem;

// Slots of PictureCache after the kinds.
enum : int {
  PicEffectFinish = kKindCount + 1,
  PicAbunai = kKindCount + 2,
  PicBakudan = kKindCount + 3
};

// The picture of a kind, or nullptr when the kind or its picture is unknown.
TPictureItem* KindPicture(Game& g, int kind);
// A picture through one of the cache slots; nullptr when it is absent.
TPictureItem* SlotPicture(Game& g, int slot, const char* name);
// The script name of a kind as CP932 bytes (empty for unknown kinds).
const std::string& KindScriptName(Game& g, int kind);
// Runs an enemy line built at run time; a broken line is reported, not thrown.
void RunScriptLine(Game& g, const std::string& line);
// Frees every window that still refers to the enemy (the target first).
void FreeWindowsOf(Game& g, const TEnemy* e);
// True when the enemy is the first entry of EnemyList.
bool IsFirstEnemy(const Game& g, const TEnemy& e);
// The x at which a boss of this width is centred on the field.
inline int CentredX(const TEnemy& e) {
  return (430 - e.Width) / 2;
}

// Spawn value readers: take the next field of the line as a number.
int TakeInt(std::string& fields);
double TakeReal(std::string& fields);
