// Kind 12, the circle: a spinning ring that spirals out from a centre point
// and back in, then hops and drops.
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnCircle(Game& /*g*/, TEnemy& e, std::string& f) {
  e.Direction = static_cast<int8_t>(TakeInt(f));
  e.State = 0;
  e.Timer = 0;
  e.GoalX = (430 - e.Width) / 2;
  e.GoalY = 140;
  e.X = e.GoalX;
  e.Y = e.GoalY;
  e.VX = 0.01;  // radius
  e.VY = 90;    // angle
}

void StepCircle(Game& g, TEnemy& e) {
  // Age doubles as the spin angle, in 1/256 turns.
  e.Age += 2;
  if (e.Age > 255) e.Age -= 255;
  if (const TPictureItem* item = KindPicture(g, e.Kind))
    RotatePattern(*item, g.Screen, EnemyLeft(e) + 20, EnemyTop(e) + 20, 41, 41, 0, 0.5, 0.5, e.Age);
  if (e.State == 1) {  // spiral
    e.X = CosD(e.VY) * e.VX + e.GoalX;
    e.Y = e.GoalY - SinD(e.VY) * e.VX;
    if (e.Direction == -1) {
      if (e.VX < 190 && e.VY <= 270) e.VX += 3;
      if (e.VX >= 0 && e.VY > 270) e.VX -= 2;
    } else {
      if (e.VX < 190 && e.VY >= -90) e.VX += 3;
      if (e.VX >= 0 && e.VY < -90) e.VX -= 2;
    }
    if (e.VX < 0) {
      e.State = 2;
      e.VX = -5;
    }
    e.VY -= e.Direction * 1.5;
  } else {  // the drop
    e.VX += 0.5;
    e.Y += e.VX;
    e.Age += 4;
  }
}
