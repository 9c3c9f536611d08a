// Score rules and the HUD.
#pragma once
#include <cstdint>
#include <string>

struct Game;

void DrawHud(Game& g, int x, int y);
// trunc(S x (stage x 0.2 + 1.0)) as the x87 extended-precision computation gives it.
int32_t ClearBonusScore(int32_t score, int stage);
// Adds 600 x Stage for every bomb still present.
void AddBombBonus(Game& g);
