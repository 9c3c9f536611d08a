// The black curtain between parts (closing, holding, opening, with the part
// and ending banners) and the curtain scene that waits behind it.
#pragma once

struct Game;

void SceneCurtain(Game& g);
// Draws the curtain and moves it on (every frame, over any scene).
void StepCurtain(Game& g);
