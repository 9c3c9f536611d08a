// Dispatch by kind: the spawn values a script line gives each kind and the
// behaviour that runs for it every frame once it has appeared, both from the
// kind's row of the kind table.
#include "enemy/enemy.h"
#include "enemy/kind_table.h"

void ApplySpawnValues(Game& g, TEnemy& e, std::string& fields) {
  if (TSpawnFn spawn = KindInfo(e.Kind).Spawn) spawn(g, e, fields);
}

void RunBehaviour(Game& g, TEnemy& e) {
  if (TStepFn step = KindInfo(e.Kind).Step) step(g, e);
}
