// Kind 9, the missile: falls straight down, weaving slightly.
#include <cmath>

#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnMissile(Game& /*g*/, TEnemy& e, std::string& f) {
  e.X = TakeInt(f);
  e.Speed = TakeReal(f);
  e.Y = -36;
  e.VX = 0;
  e.State = 1;  // no appearing animation
  e.Timer = 0;
  e.Pattern = 0;
}

void StepMissile(Game& g, TEnemy& e) {
  if (e.State != 1) return;
  e.Y += e.Speed;
  e.Pattern = (e.Age / 2) % 4;
  e.Timer += 1;
  if (e.Timer == 1) OpenPrompt(g, e, e.WordLevel, 0);
  e.VX += 0.17;  // the weave's phase, in radians
  DrawEnemy(g, e, e.Pattern, Trunc(std::sin(e.VX) * 12), 0);
}
