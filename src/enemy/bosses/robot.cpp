// Kind 18, the robot: bobs, then hops down the field toward the player,
// sometimes guarding itself; every word knocks it back to the top.
#include "enemy/bosses/bosses.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

namespace {

int Hover(const TEnemy& e, double period, double amplitude) {
  return Trunc(std::sin(e.Timer / period) * amplitude);  // radians
}

void StepWaiting(Game& g, TEnemy& e) {
  e.Timer += 1;
  const int wait = e.Pending ? 40 : 1;
  if (e.Timer >= wait) {
    e.Pending = 0;
    int nx = EnemyLeft(e) - 150 + g.Rng.Random(301);
    if (nx < 0)
      nx = 0;
    else if (nx + e.Width > 430)
      nx = 430 - e.Width;
    GlideTo(g, e, nx, Trunc(e.Y + 50), 20, 2);
  } else {
    DrawEnemy(g, e, 0, 0, Hover(e, 4, 10));
  }
  if (e.Timer == 10 && !EnemyHasWindow(g, e)) OpenPrompt(g, e, e.WordLevel, 0);
}

}  // namespace

void SpawnRobot(Game& /*g*/, TEnemy& e, std::string& /*fields*/) {
  e.Life = 6;
  e.X = 119;
  e.Y = 20;
  e.Pending = 1;
  e.State = 0;
}

void StepRobot(Game& g, TEnemy& e) {
  if (e.Hit) {
    e.Pattern = 3;
    LaunchEnemyTo(g, e, CentredX(e), 20, 30, 1, 90, 13);
    e.Hit = 0;
    e.Pending = 1;
  }
  if (e.State == 2) DrawEnemy(g, e, 0, 0, Hover(e, 6, 6));
  if (e.State == 3) DrawEnemy(g, e, 2, 0, Hover(e, 6, 6));
  if (e.State == 60) e.Pattern = (e.Timer / 2) % 2;
  if (e.State == 1) StepWaiting(g, e);
  if (e.State == 2) {  // landed
    e.Timer = 0;
    e.State = g.Rng.Random(100) < 30 ? 3 : 1;
  }
  if (e.State == 3) {  // guard: its words cannot be typed for a while
    e.Timer += 1;
    if (g.SoundOn && e.Timer == 1) PlaySoundThrottled(g, "kachi", 1);
    if (e.Timer == 13) LockWindows(g, &e, true);
    if (e.Timer == 55) {
      e.State = 1;
      LockWindows(g, &e, false);
    }
  }
}
