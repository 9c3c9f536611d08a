// What differs between two pictures, as the window's present finds it,
// without touching either picture.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/sdl/scale565.h"

inline void ChangedAreas(const uint16_t* a, const uint16_t* b, int w, int h, int gap,
                         size_t maxAreas, std::vector<TArea>& areas) {
  std::vector<uint16_t> shown(b, b + static_cast<size_t>(w) * h);
  TakeChanges(a, shown.data(), w, h, gap, maxAreas, areas);
}
