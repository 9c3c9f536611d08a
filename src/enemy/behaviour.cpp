// Dispatch by kind number: the spawn values a script line gives each kind and
// the behaviour that runs for it every frame once it has appeared.
#include "bosses/bosses.h"
#include "enemy/enemy.h"
#include "kinds/kinds.h"

void ApplySpawnValues(Game& g, TEnemy& e, std::string& fields) {
  switch (e.Kind) {
    case 1:
      SpawnFootSoldier(g, e, fields);
      break;
    case 2:
      SpawnGunman(g, e, fields);
      break;
    case 3:
      SpawnFly(g, e, fields);
      break;
    case 4:
      SpawnFeather(g, e, fields);
      break;
    case 5:
      SpawnJumper(g, e);
      break;
    case 6:
      SpawnWarningSign(g, e);
      break;
    case 7:
      SpawnBread(g, e, fields);
      break;
    case 8:
      SpawnTelevision(g, e, fields);
      break;
    case 9:
      SpawnMissile(g, e, fields);
      break;
    case 10:
      SpawnTurtle(g, e, fields);
      break;
    case 11:
      SpawnClown(g, e);
      break;
    case 12:
      SpawnCircle(g, e, fields);
      break;
    case 13:
      SpawnBuilder(g, e, fields);
      break;
    case 14:
      SpawnCatBird(g, e, fields);
      break;
    case 15:
      SpawnUncle(g, e);
      break;
    case 16:
      SpawnUncleDouble(g, e, fields);
      break;
    case 17:
      SpawnLeaf(g, e, fields);
      break;
    case 18:
      SpawnRobot(g, e);
      break;
    case 19:
      SpawnMouse(g, e, fields);
      break;
    case 20:
      SpawnFloater(g, e, fields);
      break;
    case 21:
      SpawnSinkingOption(g, e, fields);
      break;
    case 22:
      SpawnRisingOption(g, e, fields);
      break;
    default:
      break;
  }
}

void RunBehaviour(Game& g, TEnemy& e) {
  switch (e.Kind) {
    case 1:
      StepFootSoldier(g, e);
      break;
    case 2:
      StepGunman(g, e);
      break;
    case 3:
      StepFly(g, e);
      break;
    case 4:
      StepFeather(g, e);
      break;
    case 5:
      StepJumper(g, e);
      break;
    case 6:
      StepWarningSign(g, e);
      break;
    case 7:
      StepBread(g, e);
      break;
    case 8:
      StepTelevision(g, e);
      break;
    case 9:
      StepMissile(g, e);
      break;
    case 10:
      StepTurtle(g, e);
      break;
    case 11:
      StepClown(g, e);
      break;
    case 12:
      StepCircle(g, e);
      break;
    case 13:
      StepBuilder(g, e);
      break;
    case 14:
      StepCatBird(g, e);
      break;
    case 15:
      StepUncle(g, e);
      break;
    case 16:
      StepDropIn(g, e);
      break;
    case 17:
      StepLeaf(g, e);
      break;
    case 18:
      StepRobot(g, e);
      break;
    case 19:
      StepMouse(g, e);
      break;
    case 20:
      StepFloater(g, e);
      break;
    case 21:
      StepSinkingOption(g, e);
      break;
    case 22:
      StepRisingOption(g, e);
      break;
    default:
      break;
  }
}
