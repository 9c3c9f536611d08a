// Kind 2, the gunman: drifts down from one side while strolling sideways at
// random speeds, turning back at the side edges.
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

namespace {

// A stroll of 0.1 to 3.0 pixels a frame.
double StrollSpeed(Game& g) {
  return (g.Rng.Random(30) + 1) / 10.0;
}

}  // namespace

void SpawnGunman(Game& g, TEnemy& e, std::string& f) {
  e.Y = TakeInt(f);
  e.Direction = static_cast<int8_t>(TakeInt(f));
  const int d = e.Direction;
  e.X = ((d + 1) / 2) * 452 - 22;
  e.VX = -d * ((g.Rng.Random(20) + 1) / 10.0 + 0.5);
  e.VY = 0.8;
  e.State = 0;
  e.Timer = 40;
  e.Age = 100;  // no appearing animation: the prompt opens in the first frame
  e.Pattern = 1;
}

void StepGunman(Game& g, TEnemy& e) {
  e.Timer -= 1;
  e.X += e.VX;
  e.Y += e.VY;
  if (e.Timer <= 0) {
    const int sign = g.Rng.Random(2) * 2 - 1;  // the sign is drawn first
    e.VX = sign * StrollSpeed(g);
    e.Timer = g.Rng.Random(30) + 20;
  } else if (e.VX < 0 && e.X < 0) {
    e.VX = StrollSpeed(g);
    e.Timer = g.Rng.Random(30) + 20;
  } else if (e.VX > 0 && e.X + 22 > 430) {
    e.VX = -StrollSpeed(g);
    e.Timer = g.Rng.Random(30) + 20;
  }
  e.Pattern = (e.VX >= 0 ? 7 : 0) + (e.Age / 2) % 4;
  DrawEnemy(g, e, e.Pattern);
}
