// The game's backdrop scrolls down (or down and to the right) by one pixel
// every other frame, which changes pixels all over the picture. A window
// system that keeps its own copy of the picture can move that copy by the
// same step; then only what else changed has to be sent. These find the
// step from the pixels alone and move our record of the shown picture alike.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/sdl/scale565.h"

// A move of the whole picture by whole pixels (Dx to the right, Dy down).
struct TShift {
  int Dx = 0, Dy = 0;
  bool Still() const { return Dx == 0 && Dy == 0; }
};

// Of no move, one pixel down and one pixel down and right, the one under
// which the most rows of the w x h `shown` match `now`'s (every fourth row
// compared); no move unless a move matches more rows.
TShift FindShift(const uint16_t* now, const uint16_t* shown, int w, int h);

// Moves `shown` by the shift, as the window system moves its copy, and fills
// the strips the move uncovers (the top row, the left column) from `now`;
// their areas, which must be sent, go to `uncovered`.
void ApplyShift(TShift shift, const uint16_t* now, uint16_t* shown, int w, int h,
                std::vector<TArea>& uncovered);
