// Kind 19, the mouse: sits in the middle with a timed word and keeps sending
// missiles down both sides and foot soldiers down the middle.
#include <string>

#include "enemy/bosses/bosses.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

void SpawnMouse(Game& /*g*/, TEnemy& e, std::string& f) {
  e.Life = TakeInt(f);
  e.X = 179;
  e.Y = 140;
}

void StepMouse(Game& g, TEnemy& e) {
  if (e.Hit) {
    LaunchEnemyTo(g, e, CentredX(e) + 15, 140, 20, 1, 90, 13);
    e.Hit = 0;
  }
  e.Pattern = (e.Timer / 2) % 4;
  if (e.State != 1) return;
  DrawEnemy(g, e, (e.Timer / 3) % 4);
  if (!EnemyHasWindow(g, e)) OpenPrompt(g, e, e.WordLevel, 10 * e.WordLevel + 15);
  e.Timer += 1;
  const int level = e.WordLevel;
  if (e.Timer % 17 == 0) {
    // Drawn in this order: level, side, offset.
    const int missileLevel = level - 3 + g.Rng.Random(2);
    const int side = 240 * g.Rng.Random(2);
    const int x = side + 5 + g.Rng.Random(150);
    RunScriptLine(g, ":" + KindScriptName(g, 9) + ":" + std::to_string(missileLevel) + ",0,50," +
                         std::to_string(x) + ",6.5;");
  }
  if (e.Timer % 100 == 0)
    RunScriptLine(
        g, ":" + KindScriptName(g, 1) + ":" + std::to_string(level - 2) + ",0,70,202,180,1.3;");
}
