// The title scene: the title menu and the stage select with its difficulty row.
#pragma once

struct Game;

void SceneTitle(Game& g);
