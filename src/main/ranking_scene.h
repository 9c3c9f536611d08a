// The ranking screen: the five best scores of the difficulty in play.
#pragma once

struct Game;

void SceneRanking(Game& g);
