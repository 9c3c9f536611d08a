// The ranking screen: the five best scores of the difficulty in play.
#include "main/ranking_scene.h"

#include <algorithm>

#include "base/sjis.h"
#include "media/draw_number.h"
#include "media/draw_txtline.h"
#include "world/backdrop.h"
#include "world/game.h"

namespace {

bool BackKeyHeld(const Game& g) {
  return g.Inputer.IsKeyDown(vk::Escape) || g.Inputer.IsKeyDown(vk::Backspace);
}

void DrawCentredX(Game& g, const char* name, int y) {
  const TPictureItem& item = g.List.FindPicture(name);
  DrawPattern(item, g.Screen, (430 - item.PictureWidth()) / 2, y, 0);
}

}  // namespace

void SceneRanking(Game& g) {
  if (BackKeyHeld(g) || g.SpaceKey == 1) {
    g.Scene = kSceneTitle;
    g.Cursor = 1;
  }
  DrawBackground(g, 1);
  DrawCentredX(g, "hiscore", 60);
  DrawCentredX(g, "rank", 140);
  DrawCentredX(g, "setume", 340);
  const TPictureItem& places = g.List.FindPicture("12345th");
  if (g.Difficulty.Level != TDifficulty::Normal) {
    TextCanvas& canvas = SurfaceCanvas(g.Screen, g.Glyphs);
    canvas.TextOut(190, 118, Sjis(std::string("（") + DifficultyLabel(g.Difficulty.Level) + "）"));
    ReleaseCanvas(g.Screen);
  }
  for (int i = 0; i < 5; ++i) {
    DrawPattern(places, g.Screen, 120, 170 + 30 * i, i);
    DrawDigitsWithUnit(g.List, g.Screen, "0123456789", "pt.", std::max(0, g.Ranking[i]), 175,
                       174 + 30 * i, 1, 3);
  }
}
