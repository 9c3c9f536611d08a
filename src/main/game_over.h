// Game over: the bands closing over the field, the GAME OVER title with its
// blood, and the continue question.
#pragma once

struct Game;
class TEnemy;

void StartGameOver(Game& g, const TEnemy& e);
void SceneGameOverClosing(Game& g);
void SceneGameOverTitle(Game& g);
void SceneContinue(Game& g);
void InitBlood(Game& g);
void DrawBlood(Game& g);
