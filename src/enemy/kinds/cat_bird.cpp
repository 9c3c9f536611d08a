// Kind 14, the cat-bird: flies down in alternating diagonals with pauses in
// between, always carrying a word with a time limit.
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnCatBird(Game& g, TEnemy& e, std::string& f) {
  e.X = TakeInt(f);
  e.Y = TakeInt(f);
  e.Speed = TakeReal(f);
  e.Angle = 240 + 60 * g.Rng.Random(2);
  e.State = 0;
  e.Timer = 0;
  e.Pattern = 1;
}

void StepCatBird(Game& g, TEnemy& e) {
  DrawEnemy(g, e, 2 * ((e.Age / 3) % 4) + (CosD(e.Angle) >= 0 ? 1 : 0));
  if (!EnemyHasWindow(g, e)) OpenPrompt(g, e, e.WordLevel, 17 * e.WordLevel + 10);
  if (e.State == 1) {  // flying
    e.X += CosD(e.Angle) * e.Speed;
    e.Y -= SinD(e.Angle) * e.Speed;
    e.Timer += 1;
    if (e.Timer == 80) {
      e.State = 2;
      e.Timer = 0;
    }
  } else {  // hovering
    e.Timer += 1;
    if (e.Timer == 40) {
      e.State = 1;
      e.Timer = 0;
      e.Angle = e.Angle == 240 ? 300 : 240;
    }
  }
}
