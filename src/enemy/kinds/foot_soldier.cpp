// Kind 1, the foot soldier: walks down for 100 frames, stands for 60, repeats.
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnFootSoldier(Game& /*g*/, TEnemy& e, std::string& f) {
  e.X = TakeInt(f);
  e.Y = TakeInt(f);
  e.VY = TakeReal(f);
  e.State = 0;
  e.Timer = 100;
  e.Pattern = 1;
}

void StepFootSoldier(Game& g, TEnemy& e) {
  switch (e.State) {
    case 1:  // walking
      e.Timer -= 1;
      e.Pattern = (e.Age / 3) % 4;
      e.Y += e.VY;
      DrawEnemy(g, e, e.Pattern);
      if (e.Timer == 0) {
        e.State = 2;
        e.Timer = 0;
      }
      break;
    case 2:  // standing
      e.Timer += 1;
      e.Pattern = (e.Age / 3) % 2;
      DrawEnemy(g, e, e.Pattern + 4);
      if (e.Timer == 60) {
        e.State = 1;
        e.Timer = 100;
      }
      break;
    default:
      break;
  }
}
