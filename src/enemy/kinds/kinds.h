// Spawn values and per-frame behaviours of the ordinary enemy kinds.
#pragma once
#include <string>

struct Game;
class TEnemy;

void SpawnFootSoldier(Game& g, TEnemy& e, std::string& f);  // kind 1
void StepFootSoldier(Game& g, TEnemy& e);
void SpawnGunman(Game& g, TEnemy& e, std::string& f);  // kind 2
void StepGunman(Game& g, TEnemy& e);
void SpawnFly(Game& g, TEnemy& e, std::string& f);  // kind 3
void StepFly(Game& g, TEnemy& e);
void SpawnFeather(Game& g, TEnemy& e, std::string& f);  // kind 4
void StepFeather(Game& g, TEnemy& e);
void SpawnWarningSign(Game& g, TEnemy& e, std::string& f);  // kind 6
void StepWarningSign(Game& g, TEnemy& e);
void SpawnBread(Game& g, TEnemy& e, std::string& f);  // kind 7
void StepBread(Game& g, TEnemy& e);
void SpawnTelevision(Game& g, TEnemy& e, std::string& f);  // kind 8
void StepTelevision(Game& g, TEnemy& e);
void SpawnMissile(Game& g, TEnemy& e, std::string& f);  // kind 9
void StepMissile(Game& g, TEnemy& e);
void SpawnTurtle(Game& g, TEnemy& e, std::string& f);  // kind 10
void StepTurtle(Game& g, TEnemy& e);
void SpawnCircle(Game& g, TEnemy& e, std::string& f);  // kind 12
void StepCircle(Game& g, TEnemy& e);
void SpawnBuilder(Game& g, TEnemy& e, std::string& f);  // kind 13
void StepBuilder(Game& g, TEnemy& e);
void SpawnCatBird(Game& g, TEnemy& e, std::string& f);  // kind 14
void StepCatBird(Game& g, TEnemy& e);
void SpawnLeaf(Game& g, TEnemy& e, std::string& f);  // kind 17
void StepLeaf(Game& g, TEnemy& e);
