// Kind 3, the fly: a diagonal descent in zig-zags, doubling back sideways,
// climbing and turning again after every straight stretch.
#include <cmath>

#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnFly(Game& g, TEnemy& e, std::string& f) {
  e.X = TakeInt(f);
  e.Y = TakeInt(f);
  e.Speed = TakeReal(f);
  e.VX = 1.5 * e.Speed;
  e.VY = std::fabs(e.Speed);
  e.State = 0;
  e.Timer = g.Rng.Random(40) + 30;
  e.Pattern = 1;
}

void StepFly(Game& g, TEnemy& e) {
  e.Timer -= 1;
  e.X += e.VX;
  e.Y += e.VY;
  if ((e.VX < 0 && e.X < 0) || (e.VX > 0 && e.X + 22 > 430)) e.VX = -e.VX;
  // Each test sees the values left by the one before.
  if (e.State == 1 && e.Timer == 0) {
    e.State = 2;
    e.Timer = 7;
    e.VX = -e.VX;
  }
  if (e.State == 2 && e.Timer == 0) {
    e.State = 3;
    e.Timer = 7;
    e.VY = -e.VY;
  }
  if (e.State == 3 && e.Timer == 0) {
    e.State = 4;
    e.Timer = 7;
    e.VX = -e.VX;
  }
  if (e.State == 4 && e.Timer == 0) {
    e.State = 1;
    e.Timer = g.Rng.Random(40) + 30;
    e.VY = -e.VY;
    e.VX = e.VX * (g.Rng.Random(2) * 2 - 1);
  }
  e.Pattern = (e.VX >= 0 ? 2 : 0) + (e.Age / 2) % 2;
  DrawEnemy(g, e, e.Pattern);
}
