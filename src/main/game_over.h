// Game over (closing bands, title, continue) and the result and ending roll.
#pragma once

struct Game;
class TEnemy;

void StartGameOver(Game& g, const TEnemy& e);
void SceneGameOverClosing(Game& g);  // 20
void SceneGameOverTitle(Game& g);    // 21
void SceneContinue(Game& g);         // 22
void SceneEndingRoll(Game& g);       // 30
void InitBlood(Game& g);
void DrawBlood(Game& g);
// Fills the roll from the score before (s) and after (s2) the clear bonus and
// the ranking place (-1 when not placed), and sets up the dancers.
void BuildRoll(Game& g, int s, int s2, int rankPlace);
