// Kind 6, the warning sign: shown in the middle of the field for a moment,
// then it removes itself without score.
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnWarningSign(Game& /*g*/, TEnemy& e, std::string& /*fields*/) {
  e.X = (430 - e.Width) / 2;
  e.Y = (400 - e.Height) / 2;
  e.State = 0;
  e.Timer = 10;
}

void StepWarningSign(Game& g, TEnemy& e) {
  e.Timer -= 1;
  if (e.Timer == 0) HitEnemy(g, e);
  DrawEnemy(g, e, e.Pattern);
}
