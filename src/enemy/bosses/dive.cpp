// The plunge shared by the clown and the uncle: the truncated dive step that
// speeds up every frame, and the knock-back home when the dive word is typed.
#include "alpha_object/alpha_object.h"
#include "enemy/bosses/bosses.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

void StepDiveMotion(Game& g, TEnemy& e, double accel) {
  e.X += Trunc(CosD(e.Angle) * e.Speed);
  e.Y -= Trunc(SinD(e.Angle) * e.Speed);
  e.Speed += accel;
  e.Timer += 1;
  if (e.Timer % 10 == 0) SparkBurst(g, "tips", EnemyCenterX(e), EnemyCenterY(e), 3);
}

void KnockHomeFromDive(Game& g, TEnemy& e, int pattern, int homeY, int glideFrames, double speed) {
  if (!e.Hit) return;
  e.VX = 180;
  e.VY = 180;
  e.Timer = 0;
  e.Pattern = pattern;
  LaunchEnemyTo(g, e, CentredX(e), homeY, glideFrames, 1, 90, speed);
  e.Hit = 0;
}
