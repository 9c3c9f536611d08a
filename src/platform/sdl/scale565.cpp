// The window's scaler: one table look-up per source pixel, the scaled row
// written once and then copied for the other factor - 1 rows.
#include "platform/sdl/scale565.h"

#include <algorithm>
#include <cstring>

namespace {

struct TableMap {
  const uint32_t* Table;
  uint32_t operator()(uint16_t v) const { return Table[v]; }
};
struct XrgbMap {
  uint32_t operator()(uint16_t v) const { return Rgb565ToXrgb(v); }
};

template <typename Pixel, typename Map>
void ScaleRowsTo(const uint16_t* src, int srcW, int y0, int y1, Map map, int factor, int left,
                 int top, const TScaleTarget& t) {
  const size_t rowBytes = static_cast<size_t>(srcW) * factor * sizeof(Pixel);
  for (int y = y0; y < y1; ++y) {
    const uint16_t* s = src + static_cast<size_t>(y) * srcW;
    uint8_t* first = t.Pixels + static_cast<size_t>(top + y * factor) * t.Pitch +
                     static_cast<size_t>(left) * sizeof(Pixel);
    auto* d = reinterpret_cast<Pixel*>(first);
    if (factor == 1) {
      for (int x = 0; x < srcW; ++x) d[x] = static_cast<Pixel>(map(s[x]));
    } else {
      for (int x = 0; x < srcW; ++x) {
        const auto p = static_cast<Pixel>(map(s[x]));
        for (int k = 0; k < factor; ++k) *d++ = p;
      }
    }
    for (int k = 1; k < factor; ++k)
      std::memcpy(first + static_cast<size_t>(k) * t.Pitch, first, rowBytes);
  }
}

}  // namespace

int WholeScaleThatFits(int w, int h, int areaW, int areaH) {
  if (w <= 0 || h <= 0) return 1;
  return std::max(1, std::min(areaW / w, areaH / h));
}

void ScaleRows565(const uint16_t* src, int srcW, int y0, int y1, const std::vector<uint32_t>& table,
                  int factor, int left, int top, const TScaleTarget& target) {
  if (factor < 1 || y0 >= y1) return;
  if (target.BytesPerPixel == 4 && target.Xrgb8888) {
    ScaleRowsTo<uint32_t>(src, srcW, y0, y1, XrgbMap{}, factor, left, top, target);
    return;
  }
  if (table.size() < 65536) return;
  if (target.BytesPerPixel == 4)
    ScaleRowsTo<uint32_t>(src, srcW, y0, y1, TableMap{table.data()}, factor, left, top, target);
  else if (target.BytesPerPixel == 2)
    ScaleRowsTo<uint16_t>(src, srcW, y0, y1, TableMap{table.data()}, factor, left, top, target);
}

bool ChangedRows(const uint16_t* a, const uint16_t* b, int w, int h, int& first, int& last) {
  const size_t rowBytes = static_cast<size_t>(w) * sizeof(uint16_t);
  auto differs = [&](int y) {
    const size_t at = static_cast<size_t>(y) * w;
    return std::memcmp(a + at, b + at, rowBytes) != 0;
  };
  first = 0;
  while (first < h && !differs(first)) ++first;
  if (first == h) return false;
  last = h - 1;
  while (last > first && !differs(last)) --last;
  return true;
}
