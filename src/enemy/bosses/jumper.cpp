// Kind 5: hovers at the top swinging from side to side, jumps at random
// moments and falls with a word; every word knocks it back to the top.
#include "alpha_object/alpha_object.h"
#include "enemy/bosses/bosses.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

void SpawnJumper(Game& g, TEnemy& e, std::string& /*fields*/) {
  e.X = CentredX(e);
  e.Y = 25;
  e.VX = 180;
  e.VY = 180;
  e.State = 0;
  e.Pattern = 2;
  e.Timer = g.Rng.Random(45) + 70;
  e.Life = 5;
}

void StepJumper(Game& g, TEnemy& e) {
  if (e.Hit) {
    e.VX = 180;
    e.VY = 180;
    LaunchEnemyTo(g, e, CentredX(e), 25, 20, 1, 90, 15);
    e.Hit = 0;
  }
  if (e.State == 60) e.Pattern = (e.Age / 4) % 2 + 2;
  if (e.State == 1) {  // hovering
    e.Pattern = (e.Age / 4) % 2 + 2;
    DrawEnemy(g, e, e.Pattern, 0, Trunc(SinD(e.VX) * 18));
    e.X = SinD(e.VY) * ((430 - e.Width) * 0.45) + CentredX(e);
    e.VY += 4;
    e.VX += 11;
    e.Timer -= 1;
    if (e.Timer < 0) e.Timer = g.Rng.Random(90) + 20;
    if (e.Timer == 0) {
      e.State = 2;
      e.VY = -3;
      SparkBurst(g, "tips", EnemyCenterX(e), EnemyCenterY(e) - 20, 25);
      OpenPrompt(g, e, e.WordLevel, 0);
      PlaySoundThrottled(g, "apear0", 1);
    }
  }
  if (e.State == 2) {  // falling
    e.Pattern = (e.Age / 2) % 2;
    DrawEnemy(g, e, e.Pattern);
    e.Y += e.VY;
    e.VY += 0.4;
    e.X += ((e.Age % 5) - 2) * 2;
    if (e.VY > 10) e.VY = 10;
  }
}
