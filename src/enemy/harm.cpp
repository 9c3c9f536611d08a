// Taking words off enemies (score, rate and the boss wipe), the dying
// animation and the danger warning near the bottom of the field.
#include <algorithm>

#include "alpha_object/alpha_object.h"
#include "enemy/enemy.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

namespace {

bool LiveBossRemains(const Game& g) {
  for (const auto& e : g.Enemies.EnemyList)
    if (e && e->IsBoss && e->State != 100) return true;
  return false;
}

// The last boss is gone: everything else dies with it (without score) and
// every window bursts into sparks and vanishes.
void BossWipe(Game& g) {
  for (auto& e : g.Enemies.EnemyList) {
    if (!e || e->State == 100) continue;
    e->State = 100;
    e->Age = 20;
  }
  for (auto& w : g.Typing.WindowList) {
    if (!w) continue;
    SparkBurst(g, "tips", w->CenterX, w->CenterY, 10);
    if (g.Typing.Target == w.get()) ReleaseTarget(g);
    w.reset();
  }
}

}  // namespace

void HitEnemy(Game& g, TEnemy& e) {
  // The enemy's first window; one still open is preferred over one already
  // closing, so that the window whose word was finished is the one closed.
  TTypeWindow* window = nullptr;
  for (auto& w : g.Typing.WindowList) {
    if (!w || w->Enemy != &e) continue;
    if (!window) window = w.get();
    if (w->State != Closing) {
      window = w.get();
      break;
    }
  }
  e.Life -= 1;
  e.Hit = 1;
  if (window) CloseWindow(g, *window);
  if (e.Life <= 0) {
    const bool wasDying = e.State == 100;
    e.State = 100;
    e.Age = 20;
    if (e.Kind != 6) {
      g.Rate = std::min(g.Rate + 8, 100);
      g.Score += 10 * g.Rate;
      if (!wasDying) g.Kills += 1;
    }
    if (g.ClearTimer >= 100) {
      ReleaseTarget(g);
      if (!LiveBossRemains(g)) BossWipe(g);
    }
  }
  PackWindows(g);
}

bool StepDying(Game& g, size_t index) {
  TEnemy* e = g.Enemies.EnemyList[index].get();
  if (!e) return false;
  e->Age -= 2;
  const int cx = EnemyCenterX(*e);
  const int cy = EnemyCenterY(*e);
  const bool effects = e->Kind != 6;
  if (e->Age >= 1 && e->Width > 0 && e->Height > 0) {
    double w = e->Width * e->Height / (e->Age * e->Height / 20.0);
    const double h = e->Age * e->Height / 20.0;
    const TPictureItem* finish = SlotPicture(g, PicEffectFinish, "effect_finish");
    // Without translucency the burst lies under the enemy, with it over it.
    if (effects && !g.AlphaOn && finish)
      DrawPattern(*finish, g.Screen, cx - 32, cy - 32, e->Age % 2);
    if (3 * e->Width < w) w = 3 * e->Width;
    if (const TPictureItem* item = KindPicture(g, e->Kind)) {
      const TRect rect =
          MakeRect(Trunc(cx - w / 2), Trunc(cy - h / 2), Trunc(cx + w / 2), Trunc(cy + h / 2));
      StretchPattern(*item, g.Screen, rect, e->Pattern);
    }
    if (effects && g.AlphaOn && finish)
      BlendPattern(*finish, g.Screen, MakeRect(cx - 32, cy - 32, cx + 32, cy + 32), e->Age % 2,
                   150);
  }
  const int deathSound = KindInfo(e->Kind).DeathSound;
  if (g.SoundOn && e->Age == 17 && deathSound > 0)
    PlaySoundThrottled(g, "sibou" + std::to_string(deathSound), 1);
  if (e->Age % 4 == 0 && effects) {
    const int dy = g.Rng.Random(40);
    const int dx = g.Rng.Random(40);
    SparkBurst(g, "tips", cx - 20 + dx, cy - 20 + dy, 15);
  }
  if (e->Age <= 1) {
    // No window may keep pointing at a freed enemy.
    FreeWindowsOf(g, e);
    g.Enemies.EnemyList[index].reset();
    return false;
  }
  return true;
}

void UpdateDangerWarnings(Game& g) {
  for (auto& slot : g.Enemies.EnemyList) {
    TEnemy* e = slot.get();
    if (!e || e->State == 0 || e->State == 100) continue;
    if (e->Y + e->Height < DangerLine) {
      e->Warned = 0;
    } else if (!e->Warned) {
      e->Warned = 1;
      PlaySoundThrottled(g, "warm", 10);
    } else if (const TPictureItem* mark = SlotPicture(g, PicAbunai, "abunai")) {
      const int x = Trunc(e->X - 12 + e->Width / 2.0);
      const int y = Trunc(std::sin(g.FrameNo / 3.0) * 15 + (e->Y - 36));
      DrawPattern(*mark, g.Screen, x, y, 0);
    }
  }
}
