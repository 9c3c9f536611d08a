// One frame of play: the field, the HUD, the typing, the stage-end sequence
// and the check for an enemy that got through to the bottom.
#pragma once

struct Game;

void ScenePlay(Game& g);
