// Score rules (bomb and clear bonuses) and the HUD.
#include "world/score.h"

#include <algorithm>
#include <limits>

#include "media/draw_number.h"
#include "world/game.h"

void DrawHud(Game& g, int x, int y) {
  DrawPattern(g.List.FindPicture("score"), g.Screen, x, y, 0);
  DrawDigits(g.List, g.Screen, "0123456789", std::max(0, g.Score), x + 60, y - 2, 1);
  const TPictureItem& label = g.List.FindPicture("Score_Rate");
  DrawPattern(label, g.Screen, x + 2, y + 15, 0);
  if (g.Rate * 68 / 100 > 0) {
    const TPictureItem& bar = g.List.FindPicture("green_bar");
    int columns = g.Rate * 65 / 100 + 1;
    for (int k = 0; k < columns; ++k) DrawPattern(bar, g.Screen, x + 6 + k, y + 19, 0);
  }
  if (g.Rate > 0)
    DrawDigits(g.List, g.Screen, "num2_0123456789", g.Rate * 10, x + 4 + label.PictureWidth(),
               y + 15, 1);
}

// The factor is built in 80-bit extended precision, each step rounded to a
// 64-bit mantissa: for stage 8 it lands just below 2.6, so the truncation
// gives one less than S x 2.6 for many scores. long double is that format on
// x86-64 Linux. A result beyond 32 bits is held at the limit.
int32_t ClearBonusScore(int32_t score, int stage) {
  long double factor = 0.2L;
  factor = factor * static_cast<long double>(stage);
  factor = factor + 1.0L;
  long double result = factor * static_cast<long double>(score);
  if (result >= static_cast<long double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (result <= static_cast<long double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(result);
}

void AddBombBonus(Game& g) {
  for (int i = 1; i <= 6; ++i) {
    if (g.Enemies.Bombs[i].Present != 1) continue;
    int64_t sum = static_cast<int64_t>(g.Score) + 600LL * g.Stage;
    g.Score = static_cast<int32_t>(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
  }
}
