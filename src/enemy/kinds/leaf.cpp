// Kind 17, the leaf: falls while swinging like a pendulum; it carries no word.
#include <cmath>

#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnLeaf(Game& /*g*/, TEnemy& e, std::string& f) {
  e.Speed = TakeReal(f);
  e.BaseX = TakeInt(f);
  e.VX = TakeInt(f);  // swing amplitude
  e.Life = 1;
  e.BaseY = 0;
  e.VY = 1.2;
  e.GoalX = 90;
  e.GoalY = 0;
  e.State = 1;  // no appearing animation
  e.Timer = 0;
}

void StepLeaf(Game& g, TEnemy& e) {
  e.X = SinD(e.GoalX) * e.VX + e.BaseX;
  e.Y = std::fabs(SinD(e.GoalY) * (e.VX / 2)) + e.BaseY;
  e.GoalX += e.VY;
  e.GoalY += e.VY;
  e.BaseY += e.Speed;
  DrawEnemy(g, e, 0);
}
