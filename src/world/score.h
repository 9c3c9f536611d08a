// Score rules, the HUD, the ranking file and the cleared-stages file.
#pragma once
#include <cstdint>
#include <string>

struct Game;

int InsertRanking(Game& g);
void LoadRanking(Game& g);
// Writes dat/score.rnk through a temporary file; false (reported once) on failure.
bool SaveRanking(Game& g);
void LoadCleared(Game& g);
bool SaveCleared(Game& g);
void DrawHud(Game& g, int x, int y);
// trunc(S x (stage x 0.2 + 1.0)) as the x87 extended-precision computation gives it.
int32_t ClearBonusScore(int32_t score, int stage);
// Adds 600 x Stage for every bomb still present.
void AddBombBonus(Game& g);
