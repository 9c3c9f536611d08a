// The enemy model: the kinds' rows, creation of enemies, the enemy list, the
// derived positions, drawing and the prompt windows an enemy opens.
#include "enemy/enemy.h"

#include <algorithm>

#include "base/game_error.h"
#include "base/sjis.h"
#include "enemy/enemy_internal.h"
#include "script/script.h"
#include "world/game.h"

bool ValidKind(int kind) {
  return kind >= 1 && kind <= kKindCount;
}

const TKindInfo& KindInfo(int kind) {
  return kKindTable[ValidKind(kind) ? kind : 0];
}

int EnemyLeft(const TEnemy& e) {
  return Trunc(e.X);
}
int EnemyTop(const TEnemy& e) {
  return Trunc(e.Y);
}
int EnemyCenterX(const TEnemy& e) {
  return Trunc(e.X + e.Width / 2.0);
}
int EnemyCenterY(const TEnemy& e) {
  return Trunc(e.Y + e.Height / 2.0);
}

TPictureItem* SlotPicture(Game& g, int slot, const char* name) {
  int32_t& cached = g.Enemies.PictureCache[slot];
  auto& items = g.List.Items;
  if (cached > 0 && static_cast<size_t>(cached) <= items.size()) return &items[cached - 1];
  TPictureItem* item = g.List.TryFindPicture(name);
  cached = item ? static_cast<int32_t>(item - items.data()) + 1 : 0;
  return item;
}

TPictureItem* KindPicture(Game& g, int kind) {
  if (!ValidKind(kind)) return nullptr;
  return SlotPicture(g, kind, kKindTable[kind].Picture);
}

const std::string& KindScriptName(Game& g, int kind) {
  std::string& name = g.Enemies.ScriptNames[ValidKind(kind) ? kind : 0];
  if (name.empty() && ValidKind(kind)) name = Sjis(kKindTable[kind].Keyword);
  return name;
}

void RunScriptLine(Game& g, const std::string& line) {
  try {
    SpawnFromLine(g, line);
  } catch (const GameError& err) {
    ReportError(g, err.what());
  }
}

bool IsFirstEnemy(const Game& g, const TEnemy& e) {
  const auto& list = g.Enemies.EnemyList;
  return !list.empty() && list.front().get() == &e;
}

int TakeInt(std::string& fields) {
  return FieldToInt(NextField(fields));
}
double TakeReal(std::string& fields) {
  return FieldToReal(NextField(fields));
}

void StartEnemies(Game& g) {
  g.Enemies.EnemyList.clear();
  g.Enemies.PictureCache.fill(0);
  ResetBombs(g);
}

TEnemy* NewEnemy(Game& g, int kind) {
  if (!ValidKind(kind)) return nullptr;
  auto e = std::make_unique<TEnemy>();
  e->Age = 0;
  e->Warned = 0;
  e->Hit = 0;
  e->Life = 1;
  e->FlashTimer = 0;
  e->Kind = kind;
  if (const TPictureItem* item = KindPicture(g, kind)) {
    e->Width = item->PatternWidth != 0 ? item->PatternWidth : item->PictureWidth();
    e->Height = item->PatternWidth != 0 ? item->PatternHeight : item->PictureHeight();
  }
  TEnemy* raw = e.get();
  g.Enemies.EnemyList.push_back(std::move(e));
  if (g.SoundOn) {
    const char* sound = kKindTable[kind].AppearSound;
    if (*sound != '\0') PlaySoundThrottled(g, sound, 1);
  }
  return raw;
}

void CompactEnemies(Game& g) {
  auto& list = g.Enemies.EnemyList;
  list.erase(std::remove(list.begin(), list.end(), nullptr), list.end());
}

void FreeWindowsOf(Game& g, const TEnemy* e) {
  auto& windows = g.Typing.WindowList;
  bool any = false;
  for (auto& w : windows) {
    if (!w || w->Enemy != e) continue;
    if (g.Typing.Target == w.get()) ReleaseTarget(g);
    w.reset();
    any = true;
  }
  if (any) PackWindows(g);
}

void ClearEnemies(Game& g) {
  // Windows point at their enemies, so none may outlive the list.
  for (auto& e : g.Enemies.EnemyList)
    if (e) FreeWindowsOf(g, e.get());
  g.Enemies.EnemyList.clear();
}

void DrawEnemy(Game& g, const TEnemy& e, int pattern, int dx, int dy) {
  if (const TPictureItem* item = KindPicture(g, e.Kind))
    DrawPattern(*item, g.Screen, EnemyLeft(e) + dx, EnemyTop(e) + dy, pattern);
}

void OpenPrompt(Game& g, TEnemy& e, int level, int timeLimit) {
  try {
    // The window appends itself to WindowList, which owns it from then on.
    new TTypeWindow(g, &e, e.PromptOffsetX, e.PromptOffsetY, DifficultyWordLevel(g, level),
                    DifficultyTimeLimit(g, timeLimit));
  } catch (const GameError& err) {
    ReportError(g, err.what());
  }
}

bool EnemyHasWindow(Game& g, const TEnemy& e) {
  for (const auto& w : g.Typing.WindowList)
    if (w && w->Enemy == &e) return true;
  return false;
}
