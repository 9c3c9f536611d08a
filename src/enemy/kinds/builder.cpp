// Kind 13, the construction soldier: walks down, stops to work, and while it
// works its word cannot be typed.
#include "alpha_object/alpha_object.h"
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnBuilder(Game& /*g*/, TEnemy& e, std::string& f) {
  e.X = TakeInt(f);
  e.Y = TakeInt(f);
  e.VY = TakeReal(f);
  e.VX = TakeReal(f);  // the walking period
  e.State = 0;
  e.Timer = Trunc(e.VX);
  e.Pattern = 1;
}

void StepBuilder(Game& g, TEnemy& e) {
  switch (e.State) {
    case 1:  // walking
      e.Timer -= 1;
      e.Pattern = (e.Age / 3) % 4;
      e.Y += e.VY;
      DrawEnemy(g, e, e.Pattern);
      if (e.Timer == 0) {
        e.State = 2;
        SparkBurst(g, "tips", EnemyCenterX(e), EnemyCenterY(e) - 10, 10);
        e.Timer = 0;
      }
      break;
    case 2:  // working
      e.Timer += 1;
      if (g.SoundOn && e.Timer == 2) PlaySoundThrottled(g, "kachi", 1);
      if (e.Timer == 10) LockWindows(g, &e, true);
      DrawEnemy(g, e, 6);
      if (e.Timer == Trunc(e.VX * 0.8)) {
        e.State = 1;
        e.Timer = Trunc(e.VX);
        LockWindows(g, &e, false);
      }
      break;
    default:
      break;
  }
}
