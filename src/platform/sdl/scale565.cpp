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

// Factor is the scale when known at compile time (1 to 3: loops the compiler
// can vectorise), 0 for any other scale given in factor.
// (Always inlined, so that the AVX2 build of the caller builds these too.)
#define MIRUTENA_INLINE inline __attribute__((always_inline))

template <typename Pixel, int Factor, typename Map>
MIRUTENA_INLINE void ScaleAreaTo(const uint16_t* src, int srcW, TArea a, Map map, int factor,
                                 int left, int top, const TScaleTarget& t) {
  const int f = Factor > 0 ? Factor : factor;
  const int n = a.X1 - a.X0;
  const size_t rowBytes = static_cast<size_t>(n) * f * sizeof(Pixel);
  for (int y = a.Y0; y < a.Y1; ++y) {
    const uint16_t* s = src + static_cast<size_t>(y) * srcW + a.X0;
    uint8_t* first = t.Pixels + static_cast<size_t>(top + y * f) * t.Pitch +
                     static_cast<size_t>(left + a.X0 * f) * sizeof(Pixel);
    auto* d = reinterpret_cast<Pixel*>(first);
    if constexpr (Factor == 1) {
      for (int x = 0; x < n; ++x) d[x] = static_cast<Pixel>(map(s[x]));
    } else if constexpr (Factor == 2 || Factor == 3) {
      // Converted a piece at a time into a buffer of our own, then spread:
      // two simple loops the compiler vectorises (no aliasing to fear).
      constexpr int kPiece = 256;
      Pixel converted[kPiece];
      for (int x0 = 0; x0 < n; x0 += kPiece) {
        const int m = std::min(kPiece, n - x0);
        for (int x = 0; x < m; ++x) converted[x] = static_cast<Pixel>(map(s[x0 + x]));
        Pixel* out = d + static_cast<size_t>(x0) * Factor;
        for (int x = 0; x < m; ++x)
          for (int k = 0; k < Factor; ++k) out[x * Factor + k] = converted[x];
      }
    } else {
      for (int x = 0; x < n; ++x) {
        const auto p = static_cast<Pixel>(map(s[x]));
        for (int k = 0; k < f; ++k) *d++ = p;
      }
    }
    for (int k = 1; k < f; ++k)
      std::memcpy(first + static_cast<size_t>(k) * t.Pitch, first, rowBytes);
  }
}

template <typename Pixel, typename Map>
MIRUTENA_INLINE void ScaleAreaAnyFactor(const uint16_t* src, int srcW, TArea a, Map map, int factor,
                                        int left, int top, const TScaleTarget& t) {
  switch (factor) {
    case 1:
      ScaleAreaTo<Pixel, 1>(src, srcW, a, map, factor, left, top, t);
      break;
    case 2:
      ScaleAreaTo<Pixel, 2>(src, srcW, a, map, factor, left, top, t);
      break;
    case 3:
      ScaleAreaTo<Pixel, 3>(src, srcW, a, map, factor, left, top, t);
      break;
    default:
      ScaleAreaTo<Pixel, 0>(src, srcW, a, map, factor, left, top, t);
      break;
  }
}

// The 32-bit XRGB path is the usual one on X11: built for AVX2 too, the
// loader picks the build the processor can run.
#if defined(__x86_64__) && defined(__linux__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target_clones("avx2", "default")))
#endif
void ScaleAreaXrgb(const uint16_t* src, int srcW, TArea a, int factor, int left, int top,
                   const TScaleTarget& t) {
  ScaleAreaAnyFactor<uint32_t>(src, srcW, a, XrgbMap{}, factor, left, top, t);
}

// The first and one past the last pixel in which two rows of w differ
// (x0 == x1 == w when they are equal). Most rows are equal or differ all
// along, so the row is compared whole first (the C library's compare is the
// fastest there is), then its ends four pixels at a time.
void DifferingSpan(const uint16_t* a, const uint16_t* b, int w, int& x0, int& x1) {
  if (std::memcmp(a, b, static_cast<size_t>(w) * sizeof(uint16_t)) == 0) {
    x0 = x1 = w;
    return;
  }
  auto quad = [](const uint16_t* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
  };
  x0 = 0;
  while (x0 + 4 <= w && quad(a + x0) == quad(b + x0)) x0 += 4;
  while (x0 < w && a[x0] == b[x0]) ++x0;
  x1 = w;
  while (x1 - 4 > x0 && quad(a + x1 - 4) == quad(b + x1 - 4)) x1 -= 4;
  while (x1 > x0 && a[x1 - 1] == b[x1 - 1]) --x1;
}

// Adds columns x0..x1-1 of row y to the bands: to the last one when it ends
// fewer than gap rows above, else as a band of its own.
void AddChangedSpan(std::vector<TArea>& areas, int y, int x0, int x1, int gap) {
  if (!areas.empty() && y - areas.back().Y1 < gap) {
    TArea& last = areas.back();
    last.X0 = std::min(last.X0, x0);
    last.X1 = std::max(last.X1, x1);
    last.Y1 = y + 1;
  } else {
    areas.push_back(TArea{x0, x1, y, y + 1});
  }
}

// Joins the two neighbours with the fewest rows between them until at most
// maxAreas are left.
void JoinClosestAreas(std::vector<TArea>& areas, size_t maxAreas) {
  while (areas.size() > std::max<size_t>(maxAreas, 1)) {
    size_t best = 0;
    for (size_t i = 1; i + 1 < areas.size(); ++i)
      if (areas[i + 1].Y0 - areas[i].Y1 < areas[best + 1].Y0 - areas[best].Y1) best = i;
    TArea& keep = areas[best];
    const TArea& next = areas[best + 1];
    keep.X0 = std::min(keep.X0, next.X0);
    keep.X1 = std::max(keep.X1, next.X1);
    keep.Y1 = next.Y1;
    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(best) + 1);
  }
}

}  // namespace

int WholeScaleThatFits(int w, int h, int areaW, int areaH) {
  if (w <= 0 || h <= 0) return 1;
  return std::max(1, std::min(areaW / w, areaH / h));
}

void ScaleRows565(const uint16_t* src, int srcW, int y0, int y1, const std::vector<uint32_t>& table,
                  int factor, int left, int top, const TScaleTarget& target) {
  ScaleArea565(src, srcW, TArea{0, srcW, y0, y1}, table, factor, left, top, target);
}

void ScaleArea565(const uint16_t* src, int srcW, TArea area, const std::vector<uint32_t>& table,
                  int factor, int left, int top, const TScaleTarget& target) {
  if (factor < 1 || area.Y0 >= area.Y1 || area.X0 >= area.X1) return;
  if (target.BytesPerPixel == 4 && target.Xrgb8888) {
    ScaleAreaXrgb(src, srcW, area, factor, left, top, target);
    return;
  }
  if (table.size() < 65536) return;
  if (target.BytesPerPixel == 4)
    ScaleAreaAnyFactor<uint32_t>(src, srcW, area, TableMap{table.data()}, factor, left, top,
                                 target);
  else if (target.BytesPerPixel == 2)
    ScaleAreaAnyFactor<uint16_t>(src, srcW, area, TableMap{table.data()}, factor, left, top,
                                 target);
}

namespace {

// Copies each row's differing span of `now` into `shown`, calls onSpan(y, x0,
// x1) while the row is in the cache, and lists the areas as ChangedAreas.
template <typename OnSpan>
void TakeChangesAnd(const uint16_t* now, uint16_t* shown, int w, int h, int gap, size_t maxAreas,
                    std::vector<TArea>& areas, OnSpan onSpan) {
  areas.clear();
  for (int y = 0; y < h; ++y) {
    const uint16_t* from = now + static_cast<size_t>(y) * w;
    uint16_t* to = shown + static_cast<size_t>(y) * w;
    int x0, x1;
    DifferingSpan(from, to, w, x0, x1);
    if (x0 == w) continue;
    std::memcpy(to + x0, from + x0, static_cast<size_t>(x1 - x0) * sizeof(uint16_t));
    onSpan(y, x0, x1);
    AddChangedSpan(areas, y, x0, x1, gap);
  }
  JoinClosestAreas(areas, maxAreas);
}

}  // namespace

void TakeChanges(const uint16_t* now, uint16_t* shown, int w, int h, int gap, size_t maxAreas,
                 std::vector<TArea>& areas) {
  TakeChangesAnd(now, shown, w, h, gap, maxAreas, areas, [](int, int, int) {});
}

void PresentChanges(const uint16_t* now, uint16_t* shown, int w, int h, int gap, size_t maxAreas,
                    const std::vector<uint32_t>& table, int factor, int left, int top,
                    const TScaleTarget& target, std::vector<TArea>& areas) {
  TakeChangesAnd(now, shown, w, h, gap, maxAreas, areas, [&](int y, int x0, int x1) {
    ScaleArea565(now, w, TArea{x0, x1, y, y + 1}, table, factor, left, top, target);
  });
}
