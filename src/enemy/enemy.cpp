// The enemy model: the kind table, creation of enemies, the enemy list, the
// derived positions, drawing and the prompt windows an enemy opens.
#include "enemy/enemy.h"

#include <algorithm>

#include "base/game_error.h"
#include "base/sjis.h"
#include "enemy/enemy_internal.h"
#include "main/game.h"
#include "script/script.h"

namespace {

// Row 0 stands for any kind outside 1..22: no picture, no sounds, no prompt.
constexpr TKindInfo kKindTable[23] = {
    {"", "", 0, -1, false},
    {"歩兵", "enemy_1", 1, 4, true},
    {"ガンマン", "gunman", 1, 5, true},
    {"ハエ", "hae", 2, 1, true},
    {"羽根", "hane", 3, 3, true},
    {"中国人", "boss1", 4, 2, false},
    {"警告", "warning", 0, -1, false},
    {"パン", "anpan", 1, 1, false},
    {"テレビ", "tv", 1, 4, true},
    {"ミサイル", "missile", 1, 1, false},
    {"カメ", "kame", 2, 0, false},
    {"ピエロ", "boss2", 4, 2, false},
    {"サークル", "bou", 2, 1, true},
    {"工事兵", "enemy_2", 1, 1, true},
    {"ネコトリ", "neko", 1, 4, false},
    {"おっちゃん", "boss3", 4, 2, false},
    {"おっちゃん分身", "boss3", 1, 2, false},
    {"葉っぱ", "leaf", 2, 6, false},
    {"ボロット", "boss4", 3, 2, false},
    {"マウス", "boss5", 3, 7, false},
    {"あべらべら", "boss6_1", 4, 8, false},
    {"オプショソ1", "boss6_2", 4, 8, false},
    {"オプショソ2", "boss6_3", 4, 8, true},
};

bool ValidKind(int kind) {
  return kind >= 1 && kind <= 22;
}

}  // namespace

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
    const int digit = kKindTable[kind].AppearSound;
    if (kind == 6)
      PlaySoundThrottled(g, "dora", 1);
    else if (digit >= 0)
      PlaySoundThrottled(g, "apear" + std::to_string(digit), 1);
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
