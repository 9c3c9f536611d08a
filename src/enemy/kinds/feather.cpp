// Kind 4, the feather: drops in fast, brakes to a halt, then falls ever faster.
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnFeather(Game& /*g*/, TEnemy& e, std::string& f) {
  e.X = TakeInt(f);
  e.Y = -e.Height;
  e.VY = 4;
  e.State = 0;
  e.Pattern = 1;
  e.Age = 100;  // no appearing animation: the prompt opens in the first frame
}

void StepFeather(Game& g, TEnemy& e) {
  e.Y += e.VY;
  DrawEnemy(g, e, e.Pattern);
  switch (e.State) {
    case 1:  // braking
      if (e.VY == 0) {
        e.State = 2;
        e.VY = 0.8;
      }
      e.VY -= 0.2;
      if (e.VY < 0) e.VY = 0;
      break;
    case 2:  // falling
      e.VY += 0.3;
      if (e.VY > 8.5) e.VY = 8.5;
      break;
    default:
      break;
  }
  e.Pattern = e.Age % 4;
}
