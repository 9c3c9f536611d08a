// Kind 11, the clown: bobs at the top sending gunmen in from both sides and
// offering timed words; after 500 frames its alarm destroys every other
// enemy, fires three missiles and it dives at the player.
#include <algorithm>
#include <string>

#include "alpha_object/alpha_object.h"
#include "enemy/bosses/bosses.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

namespace {

int Bob(const TEnemy& e) {
  return Trunc(SinD(e.VX) * 10);
}

void SendGunman(Game& g, const TEnemy& e, int direction) {
  const int level = e.WordLevel + g.Rng.Random(2);  // drawn before the y
  const int y = g.Rng.Random(40) + 180;
  RunScriptLine(g, ":" + KindScriptName(g, 2) + ":" + std::to_string(level) + ",0,-60," +
                       std::to_string(y) + "," + std::to_string(direction) + ";");
}

void SoundAlarm(Game& g, TEnemy& e) {
  auto& list = g.Enemies.EnemyList;
  for (size_t i = 1; i < list.size(); ++i) {
    TEnemy* other = list[i].get();
    if (other && other != &e && other->State != 100) HitEnemy(g, *other);
  }
  for (auto& w : g.Typing.WindowList)
    if (w && IsActive(w.get())) CloseWindow(g, *w);
  e.State = 2;
  e.Timer = -15;
  SparkBurst(g, "tips", EnemyCenterX(e) + 6, EnemyTop(e) + 15, 25);
  PlaySoundThrottled(g, "jiriri", 1);
}

void StepBobbing(Game& g, TEnemy& e) {
  if (e.VX == -999) {
    e.VX = 180;
    e.VY = g.Rng.Random(60) + 150;
    e.Timer = 0;
  }
  if (e.Hit) {
    e.Hit = 0;
    SparkBurst(g, "tips", EnemyCenterX(e), EnemyCenterY(e), 20);
    e.FlashTimer = 40;
  }
  e.FlashTimer -= 1;
  if (e.FlashTimer > 0)
    e.Pattern = (e.Age / 2) % 2 == 0 ? 4 : 100;  // 100 draws nothing: a blink
  else
    e.Pattern = (e.Age / 2) % 3;
  if (e.Pattern <= 10) DrawEnemy(g, e, e.Pattern, 0, Bob(e));
  e.VX += 11;
  e.Timer += 1;
  if (g.Enemies.EnemyList.size() <= 5 && e.Timer <= 460) {
    if (e.Timer % 80 == 0)
      SendGunman(g, e, 1);
    else if (e.Timer % 40 == 0)
      SendGunman(g, e, -1);
  }
  e.VY -= 1;
  if (e.VY == 0 && e.Timer <= 460) {
    OpenPrompt(g, e, e.WordLevel, 15 * e.WordLevel + 20);
    e.VY = g.Rng.Random(60) + 170;
  }
  if (e.Timer == 500) SoundAlarm(g, e);
}

void StepBarrage(Game& g, TEnemy& e) {
  DrawEnemy(g, e, 3, 0, Bob(e));
  if (e.Timer / 20 <= 2 && e.Timer % 20 == 0) {
    const int x = g.Rng.Random(30) + (e.Timer / 20 + 1) * 110 - 15;
    RunScriptLine(g, ":" + KindScriptName(g, 9) + ":" + std::to_string(e.WordLevel - 1) + ",0,50," +
                         std::to_string(x) + ",6.5;");
    SparkBurst(g, "tips", EnemyCenterX(e) + 6, EnemyTop(e) + 15, 25);
  }
  if ((e.Timer + 1) / 20 == 4) {
    OpenPrompt(g, e, std::min(e.WordLevel - 1, 4), 0);
    e.State = 3;
    e.Y = EnemyTop(e) + Bob(e);
    e.Angle = g.Rng.Random(31) + 255;
    e.Speed = -5;
    e.Timer = 0;
  }
  e.Timer += 1;
}

void StepDive(Game& g, TEnemy& e) {
  StepDiveMotion(g, e, 1);
  KnockHomeFromDive(g, e, 4, 25, 20, 15);
  DrawEnemy(g, e, (e.Age / 2) % 3, 0, Bob(e));
}

}  // namespace

void SpawnClown(Game& g, TEnemy& e, std::string& /*fields*/) {
  e.X = CentredX(e);
  e.Y = 25;
  e.VX = 180;
  e.VY = g.Rng.Random(60) + 150;
  e.State = 0;
  e.Timer = 0;
  e.Pattern = 0;
  e.Life = 5;
}

void StepClown(Game& g, TEnemy& e) {
  switch (e.State) {
    case 60:
      e.Pattern = 4;
      break;
    case 1:
      StepBobbing(g, e);
      break;
    case 2:
      StepBarrage(g, e);
      break;
    case 3:
      StepDive(g, e);
      break;
    default:
      break;
  }
}
