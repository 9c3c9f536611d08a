// Row loops of the copies, scaled copies, blends and rotations. Every routine
// first cuts its rectangles (dest to the destination surface, the source by
// the same amounts), then runs one specialised loop per row.
#include "media/blit.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace blit {
namespace {

// A private copy of the source when it is also the destination, so that
// overlapping areas read the picture as it was before the call.
struct SourceView {
  const Surface* S;
  Surface Copy;
  SourceView(const Surface& source, const Surface& dest) : S(&source) {
    if (&source == &dest) {
      Copy.Width = source.Width;
      Copy.Height = source.Height;
      Copy.Pixels = source.Pixels;
      S = &Copy;
    }
  }
};

// Source offsets of the destination columns (or rows) lo..hi-1 counted from
// the unclipped corner; the range is trimmed where the sample leaves the
// source surface (samples grow with the index, so only the ends can leave).
bool SampleRange(int64_t destStart, int64_t destLen, int64_t destLimit, int64_t srcStart,
                 int64_t step, int64_t srcLimit, int64_t& lo, int64_t& hi) {
  lo = std::max<int64_t>(0, -destStart);
  hi = std::min<int64_t>(destLen, destLimit - destStart);
  auto sample = [&](int64_t i) { return srcStart + ((i * step) >> 16); };
  if (lo < hi && sample(lo) < 0) {
    // First index whose sample is >= 0: binary search keeps huge rectangles cheap.
    int64_t a = lo, b = hi;
    while (a < b) {
      int64_t m = a + (b - a) / 2;
      if (sample(m) < 0)
        a = m + 1;
      else
        b = m;
    }
    lo = a;
  }
  if (lo < hi && sample(hi - 1) >= srcLimit) {
    int64_t a = lo, b = hi;
    while (a < b) {
      int64_t m = a + (b - a) / 2;
      if (sample(m) < srcLimit)
        a = m + 1;
      else
        b = m;
    }
    hi = a;
  }
  return lo < hi;
}

// Width or height of a rectangle without int overflow.
int64_t Span(int lo, int hi) {
  return static_cast<int64_t>(hi) - lo;
}

const uint16_t* Row(const Surface& s, int y) {
  return s.Pixels.data() + static_cast<size_t>(y) * s.Width;
}

template <bool Keyed>
void CopyRow(uint16_t* d, const uint16_t* s, int n, uint16_t key) {
  if constexpr (!Keyed) {
    std::memcpy(d, s, static_cast<size_t>(n) * sizeof(uint16_t));
  } else {
    for (int i = 0; i < n; ++i) {
      const uint16_t keep = static_cast<uint16_t>(-static_cast<uint16_t>(s[i] == key));
      d[i] = static_cast<uint16_t>((s[i] & ~keep) | (d[i] & keep));
    }
  }
}

template <bool Keyed>
void ScaleRow(uint16_t* d, const uint16_t* s, const int* cols, int n, uint16_t key) {
  for (int i = 0; i < n; ++i) {
    uint16_t p = s[cols[i]];
    if (!Keyed || p != key) d[i] = p;
  }
}

template <bool Keyed>
void BlendRowContiguous(uint16_t* d, const uint16_t* s, int n, uint16_t key, uint16_t a) {
  for (int i = 0; i < n; ++i)
    d[i] = Keyed ? BlendKeyed565(s[i], d[i], a, key) : Blend565(s[i], d[i], a);
}

template <bool Keyed>
void BlendRowScaled(uint16_t* d, const uint16_t* s, const int* cols, int n, uint16_t key,
                    uint16_t a) {
  for (int i = 0; i < n; ++i)
    d[i] = Keyed ? BlendKeyed565(s[cols[i]], d[i], a, key) : Blend565(s[cols[i]], d[i], a);
}

}  // namespace

void Copy(Surface& dest, int x, int y, TRect srcRect, const Surface& source, bool keyed,
          uint16_t key) {
  int64_t sl = srcRect.Left, st = srcRect.Top, sr = srcRect.Right, sb = srcRect.Bottom;
  int64_t dx = x, dy = y;
  if (sr <= sl || sb <= st) return;
  // Source cut to its surface, the destination moved along.
  if (sl < 0) {
    dx -= sl;
    sl = 0;
  }
  if (st < 0) {
    dy -= st;
    st = 0;
  }
  sr = std::min<int64_t>(sr, source.Width);
  sb = std::min<int64_t>(sb, source.Height);
  // Destination cut to its surface, the source cut by the same amounts.
  if (dx < 0) {
    sl -= dx;
    dx = 0;
  }
  if (dy < 0) {
    st -= dy;
    dy = 0;
  }
  if (dx + (sr - sl) > dest.Width) sr = sl + (dest.Width - dx);
  if (dy + (sb - st) > dest.Height) sb = st + (dest.Height - dy);
  if (sr <= sl || sb <= st) return;

  SourceView view(source, dest);
  const Surface& src = *view.S;
  const int n = static_cast<int>(sr - sl);
  for (int64_t r = 0; r < sb - st; ++r) {
    uint16_t* d = &dest.At(static_cast<int>(dx), static_cast<int>(dy + r));
    const uint16_t* s = Row(src, static_cast<int>(st + r)) + sl;
    if (keyed)
      CopyRow<true>(d, s, n, key);
    else
      CopyRow<false>(d, s, n, key);
  }
}

void Scale(Surface& dest, TRect destRect, TRect srcRect, const Surface& source, bool keyed,
           uint16_t key, int opacity) {
  if (opacity <= 0 || destRect.Empty() || srcRect.Empty()) return;
  const int64_t dw = Span(destRect.Left, destRect.Right), dh = Span(destRect.Top, destRect.Bottom);
  const int64_t stepX = (Span(srcRect.Left, srcRect.Right) << 16) / dw;
  const int64_t stepY = (Span(srcRect.Top, srcRect.Bottom) << 16) / dh;
  int64_t i0, i1, j0, j1;
  if (!SampleRange(destRect.Left, dw, dest.Width, srcRect.Left, stepX, source.Width, i0, i1))
    return;
  if (!SampleRange(destRect.Top, dh, dest.Height, srcRect.Top, stepY, source.Height, j0, j1))
    return;

  SourceView view(source, dest);
  const Surface& src = *view.S;
  const int n = static_cast<int>(i1 - i0);
  const int firstCol = static_cast<int>(srcRect.Left + ((i0 * stepX) >> 16));
  const bool contiguous = stepX == 65536;
  std::vector<int> cols;
  if (!contiguous) {
    cols.resize(n);
    for (int k = 0; k < n; ++k)
      cols[k] = static_cast<int>(srcRect.Left + (((i0 + k) * stepX) >> 16)) - firstCol;
  }
  const bool blend = opacity < 255;
  const auto a = static_cast<uint16_t>(opacity);
  for (int64_t j = j0; j < j1; ++j) {
    const int sy = static_cast<int>(srcRect.Top + ((j * stepY) >> 16));
    uint16_t* d =
        &dest.At(static_cast<int>(destRect.Left + i0), static_cast<int>(destRect.Top + j));
    const uint16_t* s = Row(src, sy) + firstCol;
    if (blend) {
      if (contiguous) {
        if (keyed)
          BlendRowContiguous<true>(d, s, n, key, a);
        else
          BlendRowContiguous<false>(d, s, n, key, a);
      } else {
        if (keyed)
          BlendRowScaled<true>(d, s, cols.data(), n, key, a);
        else
          BlendRowScaled<false>(d, s, cols.data(), n, key, a);
      }
    } else if (contiguous) {
      if (keyed)
        CopyRow<true>(d, s, n, key);
      else
        CopyRow<false>(d, s, n, key);
    } else {
      if (keyed)
        ScaleRow<true>(d, s, cols.data(), n, key);
      else
        ScaleRow<false>(d, s, cols.data(), n, key);
    }
  }
}

void Rotate(Surface& dest, int x, int y, int w, int h, TRect srcRect, const Surface& source,
            bool keyed, uint16_t key, double cx, double cy, int angle) {
  if (w <= 0 || h <= 0 || srcRect.Empty() || dest.Width <= 0 || dest.Height <= 0) return;
  if (!std::isfinite(cx) || !std::isfinite(cy)) return;
  const int a = ((angle % 256) + 256) % 256;
  const double c = CosTable(a), s = CosTable((a + 192) % 256);
  const double ox = w * cx, oy = h * cy;
  // Keep the fixed-point arithmetic far from overflow for absurd centres.
  if (std::fabs(ox) > 1e8 || std::fabs(oy) > 1e8) return;

  // Bounding box of the four transformed corners, one pixel of margin, cut to
  // the surface; pixels whose inverse leaves the pattern stay unchanged.
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  for (int k = 0; k < 4; ++k) {
    const double u = (k & 1 ? w : 0) - ox, v = (k & 2 ? h : 0) - oy;
    const double px = x + u * c - v * s, py = y + u * s + v * c;
    minX = std::min(minX, px), maxX = std::max(maxX, px);
    minY = std::min(minY, py), maxY = std::max(maxY, py);
  }
  const int64_t bx0 =
      std::max<int64_t>(0, static_cast<int64_t>(std::max(std::floor(minX), -1.0)) - 1);
  const int64_t by0 =
      std::max<int64_t>(0, static_cast<int64_t>(std::max(std::floor(minY), -1.0)) - 1);
  const int64_t bx1 =
      std::min<int64_t>(dest.Width - 1, static_cast<int64_t>(std::min(std::ceil(maxX), 1e9)) + 1);
  const int64_t by1 =
      std::min<int64_t>(dest.Height - 1, static_cast<int64_t>(std::min(std::ceil(maxY), 1e9)) + 1);
  if (bx0 > bx1 || by0 > by1) return;

  SourceView view(source, dest);
  const Surface& src = *view.S;
  // 16.16 fixed point: the inverse turn of (du, dv) plus the centre gives the
  // point of the scaled pattern; a second step maps it onto the source rect.
  const int64_t fc = std::llround(c * 65536), fs = std::llround(s * 65536);
  const int64_t fox = std::llround(ox * 65536), foy = std::llround(oy * 65536);
  const int64_t stepX = (Span(srcRect.Left, srcRect.Right) << 16) / w;
  const int64_t stepY = (Span(srcRect.Top, srcRect.Bottom) << 16) / h;
  for (int64_t dy = by0; dy <= by1; ++dy) {
    const int64_t dv = dy - y, du0 = bx0 - x;
    int64_t pu = du0 * fc + dv * fs + fox;
    int64_t pv = -du0 * fs + dv * fc + foy;
    uint16_t* row = &dest.At(0, static_cast<int>(dy));
    for (int64_t dx = bx0; dx <= bx1; ++dx, pu += fc, pv -= fs) {
      if (pu < 0 || pv < 0) continue;
      const int64_t px = pu >> 16, py = pv >> 16;
      if (px >= w || py >= h) continue;
      const int64_t sx = srcRect.Left + ((px * stepX) >> 16);
      const int64_t sy = srcRect.Top + ((py * stepY) >> 16);
      if (sx < 0 || sy < 0 || sx >= src.Width || sy >= src.Height) continue;
      const uint16_t p = src.At(static_cast<int>(sx), static_cast<int>(sy));
      if (!keyed || p != key) row[dx] = p;
    }
  }
}

}  // namespace blit
