// The scrolling backdrop behind the title, the menus and the field.
#include "world/backdrop.h"

#include <algorithm>
#include <array>

#include "world/game.h"
#include "world/stage_table.h"

namespace {

constexpr std::array<int, 4> kBackdropPattern = {0, 0, 1, 0};

}  // namespace

int BackdropPattern(int index) {
  return kBackdropPattern[std::clamp(index, 0, 3)];
}

// Tiles of "haikei" (or the terrain's own) 40 pixels apart, scrolled down (index up to 2) or
// diagonally (index 3) by half a pixel per frame.
void DrawBackground(Game& g, int index, bool terrain) {
  TSceneState& s = g.Scenes;
  s.BgScroll += 1;
  int offset = static_cast<int>(0.5 * s.BgScroll);
  const TPictureItem* own = nullptr;
  if (terrain && !s.Terrain.empty() && StageLookOf(g) == TStageLook::Stages)
    own = g.List.TryFindPicture("haikei_" + s.Terrain);
  const TPictureItem& item = own ? *own : g.List.FindPicture("haikei");
  int pattern = own ? 0 : BackdropPattern(index);
  // Columns and rows -1 .. size / 40 + 2 of tiles.
  const int columns = g.Screen.Width / 40 + 4, rows = g.Screen.Height / 40 + 4;
  const int x = index <= 2 ? -40 : offset - 40;
  DrawPatternGrid(item, g.Screen, x, offset - 40, pattern, columns, rows, 40, 40);
  if (s.BgScroll == 80) s.BgScroll = 0;
}
