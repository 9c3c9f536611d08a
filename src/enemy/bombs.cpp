// The six bombs in a row near the bottom: resting, rising after a wrong
// letter, and exploding against every enemy they touch.
#include "alpha_object/alpha_object.h"
#include "base/geometry.h"
#include "enemy/enemy.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

void ResetBombs(Game& g) {
  for (int i = 1; i <= 6; ++i) {
    TBak& b = g.Enemies.Bombs[i];
    b.X = 59 * i - 12;
    b.Y = 340 + g.Rng.Random(9);
    b.Present = 1;
    b.PictureName = "bakudan";
    b.RiseSpeed = 0;
    b.RiseFrames = 0;
  }
}

void UpdateBombs(Game& g) {
  TEnemySystem& es = g.Enemies;
  es.BombClock += 1;
  if (es.BombClock >= 10000) es.BombClock = 0;
  const TPictureItem* picture = SlotPicture(g, PicBakudan, "bakudan");
  for (int i = 1; i <= 6; ++i) {
    TBak& b = es.Bombs[i];
    if (b.Present != 1) continue;
    if (b.RiseSpeed == 0) {
      if (picture) DrawPattern(*picture, g.Screen, b.X, b.Y, 0);
    } else {
      b.Y -= b.RiseSpeed;
      if (picture) DrawPattern(*picture, g.Screen, b.X, b.Y, es.BombClock % 2 + 1);
      b.RiseFrames -= 1;
      if (b.RiseFrames <= 0) b.RiseSpeed = 0;
    }
    // A used-up bomb still finishes the walk: it hits everything it touches.
    const TRect bomb = MakeRect(b.X, b.Y, b.X + 24, b.Y + 24);
    for (size_t k = 0; k < es.EnemyList.size(); ++k) {
      TEnemy* e = es.EnemyList[k].get();
      if (!e || e->State == 100 || e->Kind == 6) continue;
      const TRect body =
          MakeRect(EnemyLeft(*e), EnemyTop(*e), EnemyLeft(*e) + e->Width, EnemyTop(*e) + e->Height);
      if (!RectsOverlap(bomb, body)) continue;
      b.Present = 0;
      SpawnExplosion(g, b.X + 12 - 48, b.Y + 12 - 48);
      HitEnemy(g, *e);
      PlaySoundThrottled(g, "bakudan", 1);
    }
  }
}
