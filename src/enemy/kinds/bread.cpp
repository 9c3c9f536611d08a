// Kind 7, the bread: peeps in at the top, waits, shakes, then drops.
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnBread(Game& /*g*/, TEnemy& e, std::string& f) {
  e.X = TakeInt(f);
  e.Y = -64;
  e.State = 1;  // no appearing animation
  e.Timer = 0;
}

void StepBread(Game& g, TEnemy& e) {
  switch (e.State) {
    case 1:  // peeping in
      e.Y += 1.3;
      DrawEnemy(g, e, 0);
      if (e.Y >= -32) {
        OpenPrompt(g, e, e.WordLevel, 0);
        e.Y = -32;
        e.State = 2;
        e.Timer = g.Rng.Random(40) + 20;
      }
      break;
    case 2:  // waiting
      DrawEnemy(g, e, 0);
      e.Timer -= 1;
      if (e.Timer == 0) {
        e.State = 3;
        e.Timer = g.Rng.Random(40) + 20;
      }
      break;
    case 3:  // shaking
      DrawEnemy(g, e, (e.Age / 3) % 2, g.Rng.Random(10) - 5, 0);
      e.Timer -= 1;
      if (e.Timer == 0) {
        e.State = 4;
        e.VY = 0;
      }
      break;
    case 4:  // dropping
      DrawEnemy(g, e, e.Age % 2);
      e.Y += e.VY;
      if (e.VY < 12) e.VY += 0.8;
      break;
    default:
      break;
  }
}
