// The result and ending roll: the score lines and the stage's ending text
// rolling up beside a ring of dancers.
#pragma once

struct Game;

void SceneEndingRoll(Game& g);
// Fills the roll from the score before (s) and after (s2) the clear bonus and
// the ranking place (-1 when not placed), and sets up the dancers.
void BuildRoll(Game& g, int s, int s2, int rankPlace);
