// Kinds 15 and 16: the boss sways and sinks with timed words, then leaves
// through the top and drops back in beside two doubles (kind 16). The real
// one is told apart only by being the first entry of EnemyList.
#include <string>

#include "alpha_object/alpha_object.h"
#include "enemy/bosses/bosses.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

namespace {

// The left edge of column k (1..3) for three bodies of this width.
int ColumnX(const TEnemy& e, int k) {
  return k * ((430 - 3 * e.Width) / 4) + (k - 1) * e.Width;
}

void StepSwayAndSink(Game& g, TEnemy& e) {
  if (e.VX == -999) {
    // VX stays at -999, so after a knock-back the sway stands still.
    e.GoalX = 180;
    e.Speed = 0.8;
  }
  if (!EnemyHasWindow(g, e)) OpenPrompt(g, e, e.WordLevel, 6 * e.WordLevel + 30);
  DrawEnemy(g, e, 0, Trunc(SinD(e.GoalX) * 10), 0);
  e.GoalX += 3;
  e.Y += 1.1;
  e.Timer += 1;
  if (e.Timer == 260) {
    e.Pattern = 0;
    GlideTo(g, e, 166, -2 * e.Height, 50, 5);
    PackWindows(g);
    for (auto& w : g.Typing.WindowList)
      if (w && w->State != Closing) CloseWindow(g, *w);
  }
  if (e.Hit) {
    e.Pattern = 5;
    LaunchEnemy(g, e, 1, 12, 90);
    e.Hit = 0;
  }
}

// Above the field again: take a random column and bring the doubles into
// the other two.
void ReturnWithDoubles(Game& g, TEnemy& e) {
  e.Pattern = 0;
  e.Speed = 10;
  e.Y = -e.Height;
  e.VX = 180;
  e.Timer = 0;
  e.PromptOffsetX = 0;
  e.PromptOffsetY = -80;
  const int k = g.Rng.Random(3) + 1;
  e.X = ColumnX(e, k);
  // Read what the lines need before they append to the list.
  const int level = e.WordLevel + 1;
  const int columns[3] = {ColumnX(e, 1), ColumnX(e, 2), ColumnX(e, 3)};
  for (int j = 1; j <= 3; ++j) {
    if (j == k) continue;
    RunScriptLine(g, ":" + KindScriptName(g, 16) + ":" + std::to_string(level) + ",0,-80," +
                         std::to_string(columns[j - 1]) + ";");
  }
}

void StartDive(Game& g, TEnemy& e) {
  OpenPrompt(g, e, e.WordLevel - 2, 0);
  e.State = 8;
  e.Y = EnemyTop(e) + Trunc(SinD(e.VX) * 10);
  e.Angle = g.Rng.Random(31) + 255;
  e.Speed = -5;
  e.Timer = 0;
}

void StepDive(Game& g, TEnemy& e) {
  DrawEnemy(g, e, 6, 0, Trunc(SinD(e.VX) * 10));
  StepDiveMotion(g, e, 0.9);
  KnockHomeFromDive(g, e, 5, 20, 40, 13);
}

}  // namespace

void SpawnUncle(Game& /*g*/, TEnemy& e, std::string& /*fields*/) {
  e.Life = 9;
  e.X = 166;
  e.Y = 20;
  e.GoalX = 180;  // sway phase
  e.Speed = 0.8;
  e.State = 0;
}

void SpawnUncleDouble(Game& g, TEnemy& e, std::string& f) {
  e.X = TakeInt(f);
  e.Pattern = g.Rng.Random(3) + 2;
  e.Life = 1;
  e.Y = -e.Height;
  e.VX = 180;
  e.Speed = 10;
  e.State = 5;  // drops in at once, without the appearing animation
  e.Timer = 0;
}

void StepUncle(Game& g, TEnemy& e) {
  switch (e.State) {
    case 1:
      StepSwayAndSink(g, e);
      break;
    case 5:
      if (e.VX == -999)
        ReturnWithDoubles(g, e);
      else
        StepDropIn(g, e);
      break;
    case 6:
      StepDropIn(g, e);
      break;
    case 7:
      StartDive(g, e);
      break;
    case 8:
      StepDive(g, e);
      break;
    default:
      break;
  }
}

void StepDropIn(Game& g, TEnemy& e) {
  switch (e.State) {
    case 5:  // dropping in, slowing down
      DrawEnemy(g, e, e.Pattern);
      e.Y += e.Speed;
      e.Speed -= 0.4;
      if (e.Speed <= 0) {
        e.State = 6;
        e.Speed = 1.4;
        e.VX = 180;
        OpenPrompt(g, e, e.WordLevel, 0);
      }
      break;
    case 6:  // sinking
      DrawEnemy(g, e, e.Pattern, Trunc(SinD(e.VX) * 8), 0);
      e.Y += e.Speed;
      e.VX += 6;
      if (e.Hit && IsFirstEnemy(g, e)) {
        e.Hit = 0;
        LaunchEnemyTo(g, e, 166, 20, 50, 7, 90, 12);
        // The real one was found: every other enemy takes a hit, dying ones too.
        auto& list = g.Enemies.EnemyList;
        for (size_t i = 1; i < list.size(); ++i)
          if (TEnemy* other = list[i].get()) HitEnemy(g, *other);
      }
      break;
    default:
      break;
  }
}
