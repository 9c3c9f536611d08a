// Spawn values and behaviours of the bosses and the companions they bring in.
#pragma once
#include <string>

struct Game;
class TEnemy;

void SpawnJumper(Game& g, TEnemy& e, std::string& f);  // kind 5
void StepJumper(Game& g, TEnemy& e);
void SpawnClown(Game& g, TEnemy& e, std::string& f);  // kind 11
void StepClown(Game& g, TEnemy& e);
void SpawnUncle(Game& g, TEnemy& e, std::string& f);  // kind 15
void StepUncle(Game& g, TEnemy& e);
void SpawnUncleDouble(Game& g, TEnemy& e, std::string& f);  // kind 16
void StepDropIn(Game& g, TEnemy& e);                  // kind 16, and kind 15 while it drops in
void SpawnRobot(Game& g, TEnemy& e, std::string& f);  // kind 18
void StepRobot(Game& g, TEnemy& e);
void SpawnMouse(Game& g, TEnemy& e, std::string& f);  // kind 19
void StepMouse(Game& g, TEnemy& e);
void SpawnFloater(Game& g, TEnemy& e, std::string& f);  // kind 20
void StepFloater(Game& g, TEnemy& e);
void SpawnSinkingOption(Game& g, TEnemy& e, std::string& f);  // kind 21
void StepSinkingOption(Game& g, TEnemy& e);
void SpawnRisingOption(Game& g, TEnemy& e, std::string& f);  // kind 22
void StepRisingOption(Game& g, TEnemy& e);
// Shared dive of kinds 11 and 15 (one frame of motion; the knock-back on a hit).
void StepDiveMotion(Game& g, TEnemy& e, double accel);
void KnockHomeFromDive(Game& g, TEnemy& e, int pattern, int homeY, int glideFrames, double speed);
