// The per-frame enemy driver and the motions many kinds share: the appearing
// animation, the launch (knocked upward after a word) and the straight glide.
#include <cstddef>

#include "alpha_object/alpha_object.h"
#include "enemy/enemy.h"
#include "enemy/enemy_internal.h"
#include "world/game.h"

namespace {

void OpenEntryPrompt(Game& g, TEnemy& e) {
  e.State = 1;
  if (KindInfo(e.Kind).PromptAtEntry) OpenPrompt(g, e, e.WordLevel, 0);
}

// The picture rises from its bottom edge, from 1/12 of its height and three
// times its width to its natural size.
void DrawAppearing(Game& g, const TEnemy& e) {
  const TPictureItem* item = KindPicture(g, e.Kind);
  if (!item || e.Width <= 0 || e.Height <= 0) return;
  double s = e.Width * e.Height / (e.Age * e.Height / 12.0);
  if (3 * e.Width < s) s = 3 * e.Width;
  const int cx = EnemyCenterX(e);
  const TRect rect = MakeRect(Trunc(cx - s / 2), Trunc(e.Y + e.Height - e.Age * e.Height / 12.0),
                              Trunc(cx + s / 2), Trunc(e.Y + e.Height));
  StretchPattern(*item, g.Screen, rect, e.Pattern);
}

}  // namespace

void UpdateEnemies(Game& g) {
  // Enemies appended while walking wait for the next frame.
  const size_t n = g.Enemies.EnemyList.size();
  for (size_t i = 0; i < n; ++i) UpdateEnemy(g, i);
  CompactEnemies(g);
  UpdateDangerWarnings(g);
  UpdateBombs(g);
  CompactEnemies(g);
}

void UpdateEnemy(Game& g, size_t index) {
  if (index >= g.Enemies.EnemyList.size()) return;
  // The enemy object stays put when the list grows; only the slot may move.
  TEnemy* e = g.Enemies.EnemyList[index].get();
  if (!e) return;
  e->Age += 1;
  if (e->State == 0 && e->Age > 12) {
    OpenEntryPrompt(g, *e);
  } else if (e->State == 0) {
    if (e->Age >= 1) DrawAppearing(g, *e);
    if (e->Age == 12) OpenEntryPrompt(g, *e);
  } else if (e->State == 100) {
    StepDying(g, index);
    return;
  } else {
    RunBehaviour(g, *e);
  }
  if (e->State == 50)
    StepLaunch(g, *e);
  else if (e->State == 60)
    StepGlide(g, *e);
}

void LaunchEnemy(Game& g, TEnemy& e, int nextState, double speed, double angle) {
  e.State = 50;
  e.Angle = angle;
  e.Speed = speed;
  e.NextState = nextState;
  e.GoalX = -999;
  e.GoalY = -999;
  SparkBurst(g, "tips", EnemyCenterX(e), EnemyCenterY(e), 25);
}

void LaunchEnemyTo(Game& g, TEnemy& e, int pointX, int pointY, int glideFrames, int nextState,
                   double angle, double speed) {
  e.State = 50;
  e.Angle = angle;
  e.Speed = speed;
  e.NextState = nextState;
  e.GoalX = pointX;
  e.GoalY = pointY;
  e.GlideFrames = glideFrames;
  SparkBurst(g, "tips", EnemyCenterX(e), EnemyCenterY(e), 25);
}

void StepLaunch(Game& g, TEnemy& e) {
  e.Speed -= 0.8;
  if (e.Speed < 0) e.Speed = 0;
  // Each step is cut to whole pixels before it is applied.
  e.X += Trunc(CosD(e.Angle) * e.Speed);
  e.Y -= Trunc(SinD(e.Angle) * e.Speed);
  if (e.Y < 0) e.Y = 0;
  if (e.X < 0) e.X = 0;
  if (e.X + e.Width > 430) e.X = 430 - e.Width;
  if (e.Age % 2 == 0) DrawEnemy(g, e, e.Pattern);
  if (e.Age % 5 == 0) SparkBurst(g, "tips", EnemyCenterX(e), EnemyCenterY(e), 25);
  if (e.Speed == 0) {
    if (e.GoalX == -999) {
      e.State = e.NextState;
      e.VX = -999;
    } else {
      GlideTo(g, e, Trunc(e.GoalX), Trunc(e.GoalY), e.GlideFrames, e.NextState);
    }
  }
}

void GlideTo(Game& /*g*/, TEnemy& e, int x, int y, int frames, int nextState) {
  if (frames < 1) frames = 1;  // a glide takes at least one frame
  e.GoalX = x;
  e.GoalY = y;
  e.GlideFrames = frames;
  e.Timer = frames;
  e.State = 60;
  e.NextState = nextState;
  e.VX = (e.GoalX - e.X) / frames;
  e.VY = (e.GoalY - e.Y) / frames;
}

void StepGlide(Game& g, TEnemy& e) {
  e.X += e.VX;
  e.Y += e.VY;
  e.Timer -= 1;
  DrawEnemy(g, e, e.Pattern);
  if (e.Timer <= 0) {
    e.X = e.GoalX;
    e.Y = e.GoalY;
    e.State = e.NextState;
    e.VX = -999;
  }
}
