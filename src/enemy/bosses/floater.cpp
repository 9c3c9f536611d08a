// Kind 20 floats in the middle and brings in four options on its first frame:
// kind 21 sinks from the top, kind 22 rises from below and then plunges.
// Options cannot be typed to death; they die with the boss.
#include <string>

#include "alpha_object/alpha_object.h"
#include "enemy/bosses/bosses.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

namespace {

int Sway(int timer, double amplitude) {
  return Trunc(std::sin(timer / 8.0) * amplitude);
}

void BringOptions(Game& g, const TEnemy& e) {
  const int level = e.WordLevel;
  for (int i = 0; i <= 1; ++i)
    RunScriptLine(g, ":" + KindScriptName(g, 21) + ":" + std::to_string(level - 2) + ",0,70," +
                         std::to_string(i) + "," + std::to_string(346 * i + 30) + ";");
  for (int i = 0; i <= 1; ++i)
    RunScriptLine(g, ":" + KindScriptName(g, 22) + ":" + std::to_string(level - 1) + ",0,70," +
                         std::to_string(i) + "," + std::to_string(166 * i + 120) + ";");
}

}  // namespace

void SpawnFloater(Game& /*g*/, TEnemy& e, std::string& f) {
  e.Life = TakeInt(f);
  e.X = 190;
  e.Y = 110;
  e.Pending = 1;
}

void StepFloater(Game& g, TEnemy& e) {
  if (e.Hit) {
    LaunchEnemyTo(g, e, CentredX(e), 110, 20, 1, 90, 13);
    e.Hit = 0;
  }
  if (e.State != 1) return;
  if (e.Pending) {
    e.Pending = 0;
    BringOptions(g, e);
  }
  e.Timer += 1;
  DrawEnemy(g, e, e.Pattern, 0, Sway(e.Timer, 8));
  if (!EnemyHasWindow(g, e)) OpenPrompt(g, e, e.WordLevel, 10 * e.WordLevel + 15);
}

void SpawnSinkingOption(Game& /*g*/, TEnemy& e, std::string& f) {
  e.Pattern = TakeInt(f);
  e.X = TakeInt(f);
  e.Life = 999;
  e.Y = 60;
}

void StepSinkingOption(Game& g, TEnemy& e) {
  if (e.Hit) {
    LaunchEnemyTo(g, e, EnemyLeft(e), 70, 40, 1, 90, 13);
    e.Hit = 0;
  }
  if (e.State != 1) return;
  e.Timer += 1;
  DrawEnemy(g, e, e.Pattern, Sway(e.Timer, 4), 0);
  e.Y += 1.3;
  if (!EnemyHasWindow(g, e)) OpenPrompt(g, e, e.WordLevel, 0);
}

void SpawnRisingOption(Game& /*g*/, TEnemy& e, std::string& f) {
  e.Pattern = TakeInt(f);
  e.X = TakeInt(f);
  e.Life = 999;
  e.Y = 230;
  e.Speed = 0;
}

void StepRisingOption(Game& g, TEnemy& e) {
  // Its own states always show pattern 0; Pattern shows only in launch and glide.
  if (e.State == 1 || e.State == 2) DrawEnemy(g, e, 0, Sway(e.Timer, 4), 0);
  if (e.Hit) {
    LaunchEnemyTo(g, e, EnemyLeft(e), 230, 40, 1, 90, 13);
    e.Timer = 0;
    e.Hit = 0;
  }
  if (e.State == 1) {  // rising
    if (!EnemyHasWindow(g, e)) OpenPrompt(g, e, e.WordLevel, 0);
    e.Timer += 1;
    e.Y -= 1.3;
    if (EnemyTop(e) <= 30) {
      e.Speed = 0;
      e.State = 2;
      SparkBurst(g, "tips", EnemyCenterX(e), EnemyCenterY(e), 15);
    }
  }
  if (e.State == 2) {  // plunge
    e.Speed += 0.9;
    e.Y += e.Speed;
  }
}
