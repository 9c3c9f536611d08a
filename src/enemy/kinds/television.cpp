// Kind 8, the television: sinks slowly; each word typed on it knocks it back
// up, after which it asks for the next word.
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnTelevision(Game& /*g*/, TEnemy& e, std::string& f) {
  e.Life = TakeInt(f);
  e.X = TakeInt(f);
  e.Y = TakeInt(f);
  e.VY = TakeReal(f);
  e.State = 0;
  e.Timer = 100;
  e.Pattern = 0;
}

void StepTelevision(Game& g, TEnemy& e) {
  if (e.State == 2) {  // back from a knock-back
    OpenPrompt(g, e, e.WordLevel, 0);
    e.State = 1;
  }
  if (e.State == 1) {
    e.Pattern = (e.Age / 2) % 4;
    e.Y += e.VY;
    DrawEnemy(g, e, e.Pattern, 0, Trunc(((e.Age / 2) % 5) * 0.5 - 1));
  }
  if (e.Hit) {
    const double speed = e.WordLevel <= 3 ? 9 : e.WordLevel <= 6 ? 12 : 13;
    LaunchEnemy(g, e, 2, speed, 90);
    e.Pattern = 4;
    e.Hit = 0;
  }
}
