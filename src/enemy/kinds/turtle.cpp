// Kind 10, the turtle: hops in from one side, lands, trembles, then slides
// diagonally down, bouncing off the side edges.
#include <cstdlib>

#include "alpha_object/alpha_object.h"
#include "enemy/enemy_internal.h"
#include "enemy/kinds/kinds.h"
#include "world/game.h"

void SpawnTurtle(Game& /*g*/, TEnemy& e, std::string& f) {
  e.Direction = static_cast<int8_t>(TakeInt(f));
  e.GoalY = TakeInt(f);
  e.VX = TakeReal(f);
  e.Speed = TakeReal(f);
  e.X = e.Direction == 1 ? 430 : -e.Width;
  e.Y = e.GoalY - 100;
  e.VY = -8;
  e.State = 1;  // no appearing animation
  e.Timer = 0;
  e.Pattern = 0;
}

void StepTurtle(Game& g, TEnemy& e) {
  switch (e.State) {
    case 1:  // hop
      DrawEnemy(g, e, 0);
      e.X -= e.Direction * e.VX;
      e.Y += e.VY;
      e.VY += 0.53;
      if (e.Y >= e.GoalY) {
        e.State = 2;
        e.Timer = 0;
      }
      break;
    case 2:  // landed, trembling
      e.Timer += 1;
      DrawEnemy(g, e, 0, g.Rng.Random(5) - 2, 0);
      if (e.Timer >= 50) {
        OpenPrompt(g, e, e.WordLevel, 0);
        SparkBurst(g, "tips", EnemyCenterX(e), EnemyCenterY(e), 15);
        e.State = 3;
        e.Angle = 330 - std::abs(((e.Direction - 1) / 2) * 120);
      }
      break;
    case 3: {  // slide
      e.Timer += 1;
      const double c = CosD(e.Angle);
      DrawEnemy(g, e, (e.Age / 2) % 2 + (c > 0 ? 1 : 3));
      e.X += c * e.Speed;
      e.Y -= SinD(e.Angle) * e.Speed;
      if ((e.X + e.Width >= 430 && c > 0) || (e.X <= 0 && c < 0)) e.Angle = 180 - e.Angle;
      break;
    }
    default:
      break;
  }
}
