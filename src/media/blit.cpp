// Row loops of the copies, scaled copies, blends and rotations. Every routine
// first cuts its rectangles (dest to the destination surface, the source by
// the same amounts), then runs one specialised loop per row.
#include "media/blit.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "media/blit_rows.h"

namespace blit {
namespace {

// The source's pixels, or a private copy of them when the source is also the
// destination, so that overlapping areas read the picture as it was before
// the call. Nothing is allocated in the usual case of two surfaces.
struct SourceView {
  const uint16_t* Pixels;
  int Width, Height;
  std::vector<uint16_t> Own;
  SourceView(const Surface& source, const Surface& dest)
      : Pixels(source.Pixels.data()), Width(source.Width), Height(source.Height) {
    if (&source == &dest) {
      Own = source.Pixels;
      Pixels = Own.data();
    }
  }
  const uint16_t* Row(int y) const { return Pixels + static_cast<size_t>(y) * Width; }
  uint16_t At(int x, int y) const { return Row(y)[x]; }
};

// Scratch rows of one draw call (sampled columns, gathered or repeated
// pixels): on the stack for the widths the game draws, on the heap only for
// wider ones.
template <typename T>
class RowBuffer {
 public:
  explicit RowBuffer(int64_t n) {
    if (n > kStack) heap_.resize(static_cast<size_t>(n));
    data_ = n > kStack ? heap_.data() : stack_;
  }
  T* Data() { return data_; }

 private:
  static constexpr int kStack = 1024;
  T stack_[kStack];
  std::vector<T> heap_;
  T* data_;
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

template <bool Keyed>
void CopyRow(uint16_t* d, const uint16_t* s, int n, uint16_t key) {
  if constexpr (!Keyed)
    std::memcpy(d, s, static_cast<size_t>(n) * sizeof(uint16_t));
  else
    KeyedCopyRow(d, s, n, key);
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
  if constexpr (Keyed)
    BlendKeyedRow(d, s, n, a, key);
  else
    BlendRow(d, s, n, a);
}

// The sampled pixels are gathered into a row first, so that the blend itself
// runs over contiguous pixels (which the compiler vectorises).
template <bool Keyed>
void BlendRowScaled(uint16_t* d, const uint16_t* s, const int* cols, int n, uint16_t key,
                    uint16_t a, uint16_t* gathered) {
  for (int i = 0; i < n; ++i) gathered[i] = s[cols[i]];
  BlendRowContiguous<Keyed>(d, gathered, n, key, a);
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

  SourceView src(source, dest);
  const int n = static_cast<int>(sr - sl), h = static_cast<int>(sb - st);
  uint16_t* d = &dest.At(static_cast<int>(dx), static_cast<int>(dy));
  const uint16_t* s = src.Row(static_cast<int>(st)) + sl;
  if (keyed) {
    KeyedCopyRect(d, dest.Width, s, src.Width, n, h, key);
    return;
  }
  for (int r = 0; r < h; ++r, d += dest.Width, s += src.Width)
    std::memcpy(d, s, static_cast<size_t>(n) * sizeof(uint16_t));
}

namespace {

// Whether srcRect lies wholly inside the source surface.
bool Inside(TRect r, const Surface& source) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= source.Width && r.Bottom <= source.Height;
}

// n pixels copied; short runs (window frame pieces are 3 to 5 pixels wide)
// by two overlapping fixed-size moves instead of a call.
void CopyPixels(uint16_t* d, const uint16_t* s, int64_t n) {
  if (n > 8) {
    std::memcpy(d, s, static_cast<size_t>(n) * sizeof(uint16_t));
  } else if (n >= 4) {
    uint64_t head, tail;
    std::memcpy(&head, s, 8);
    std::memcpy(&tail, s + n - 4, 8);
    std::memcpy(d, &head, 8);
    std::memcpy(d + n - 4, &tail, 8);
  } else if (n >= 2) {
    uint32_t head, tail;
    std::memcpy(&head, s, 4);
    std::memcpy(&tail, s + n - 2, 4);
    std::memcpy(d, &head, 4);
    std::memcpy(d + n - 2, &tail, 4);
  } else if (n == 1) {
    d[0] = s[0];
  }
}

// out[k] = row[(first + k) % width] for k < n: the pattern row from column
// first, then repeated by doubling what is already there (a handful of
// copies however many times the pattern repeats).
void RepeatRow(uint16_t* out, const uint16_t* row, int64_t width, int64_t first, int64_t n) {
  int64_t filled = std::min(width - first, n);
  CopyPixels(out, row + first, filled);
  if (filled < n) {
    const int64_t wrap = std::min(first, n - filled);
    CopyPixels(out + filled, row, wrap);
    filled += wrap;
  }
  while (filled < n) {
    const int64_t k = std::min(filled, n - filled);
    CopyPixels(out + filled, out, k);
    filled += k;
  }
}

// Where a pattern row is opaque under a key: pixels First..Last-1 hold every
// pixel that is not the key (First == Last: none), and Solid says that none
// between them is the key either.
// (Trivial, so that a stack buffer of them costs nothing to set up.)
struct TOpaqueRun {
  int64_t First, Last;
  bool Solid;
};

TOpaqueRun OpaqueRun(const uint16_t* row, int64_t n, uint16_t key) {
  TOpaqueRun run{0, 0, true};
  int64_t a = 0, b = n;
  while (a < b && row[a] == key) ++a;
  while (b > a && row[b - 1] == key) --b;
  run.First = a;
  run.Last = b;
  for (int64_t i = a; i < b && run.Solid; ++i) run.Solid = row[i] != key;
  return run;
}

// Rows y0..y1-1 of copies of srcRect side by side from x, the pattern's rows
// repeating downwards from y; columns cut to x0..x1-1. Unkeyed rows are built
// straight in the destination, and a row ph below another visible one is the
// same pixels, so it is copied whole. Keyed pattern rows that are all key are
// skipped, and those without a key pixel (or with one run of opaque pixels
// when the row holds a single copy) are drawn as plain copies.
void TileRows(Surface& dest, int64_t x, int64_t y, TRect srcRect, const Surface& source, bool keyed,
              uint16_t key, int64_t x0, int64_t x1, int64_t y0, int64_t y1) {
  const int64_t pw = srcRect.Right - srcRect.Left, ph = srcRect.Bottom - srcRect.Top;
  const int64_t spanLen = x1 - x0, firstCol = (x0 - x) % pw;
  const bool single = spanLen <= pw - firstCol;
  RowBuffer<uint16_t> buffer(keyed && !single ? spanLen : 0);
  uint16_t* span = buffer.Data();
  auto patternRow = [&](int64_t r) {
    return &source.Pixels[static_cast<size_t>(srcRect.Top + r) * source.Width + srcRect.Left];
  };
  RowBuffer<TOpaqueRun> runBuffer(keyed ? ph : 0);
  TOpaqueRun* runs = runBuffer.Data();
  if (keyed)
    for (int64_t r = 0; r < ph; ++r) runs[r] = OpaqueRun(patternRow(r), pw, key);
  int64_t row = (y0 - y) % ph;
  const size_t rowBytes = static_cast<size_t>(spanLen) * sizeof(uint16_t);
  for (int64_t dy = y0; dy < y1; ++dy, row = row + 1 == ph ? 0 : row + 1) {
    const uint16_t* s = patternRow(row);
    uint16_t* d = &dest.At(static_cast<int>(x0), static_cast<int>(dy));
    if (!keyed) {
      if (dy - y0 >= ph)
        std::memcpy(d, d - ph * dest.Width, rowBytes);
      else
        RepeatRow(d, s, pw, firstCol, spanLen);
      continue;
    }
    const TOpaqueRun& run = runs[row];
    if (run.First == run.Last) continue;
    if (run.Solid && run.First == 0 && run.Last == pw) {
      RepeatRow(d, s, pw, firstCol, spanLen);
    } else if (single && run.Solid) {
      // The opaque run, cut to the visible part of the one copy.
      const int64_t a = std::max(run.First, firstCol), b = std::min(run.Last, firstCol + spanLen);
      if (a < b) CopyPixels(d + (a - firstCol), s + a, b - a);
    } else if (single) {
      KeyedCopyRow(d, s + firstCol, static_cast<int>(spanLen), key);
    } else {
      RepeatRow(span, s, pw, firstCol, spanLen);
      KeyedCopyRow(d, span, static_cast<int>(spanLen), key);
    }
  }
}

}  // namespace

void Tile(Surface& dest, int x, int y, TRect srcRect, const Surface& source, bool keyed,
          uint16_t key, int count, int stepX, int stepY) {
  const int pw = srcRect.Right - srcRect.Left, ph = srcRect.Bottom - srcRect.Top;
  // Side by side in a row or a column without overlap: one span per row.
  const bool row = stepY == 0 && stepX == pw, column = stepX == 0 && stepY == ph;
  if (count <= 0 || pw <= 0 || ph <= 0) return;
  if (!Inside(srcRect, source) || &source == &dest || !(row || column) || count > (1 << 20)) {
    for (int i = 0; i < count; ++i)
      Copy(dest, x + i * stepX, y + i * stepY, srcRect, source, keyed, key);
    return;
  }
  const int64_t w = row ? int64_t{pw} * count : pw, h = column ? int64_t{ph} * count : ph;
  const int64_t x0 = std::max<int64_t>(x, 0), x1 = std::min<int64_t>(x + w, dest.Width);
  const int64_t y0 = std::max<int64_t>(y, 0), y1 = std::min<int64_t>(y + h, dest.Height);
  if (x0 >= x1 || y0 >= y1) return;
  TileRows(dest, x, y, srcRect, source, keyed, key, x0, x1, y0, y1);
}

void TileGrid(Surface& dest, int x, int y, TRect srcRect, const Surface& source, bool keyed,
              uint16_t key, int columns, int rows, int stepX, int stepY) {
  const int pw = srcRect.Right - srcRect.Left, ph = srcRect.Bottom - srcRect.Top;
  if (columns <= 0 || rows <= 0 || pw <= 0 || ph <= 0) return;
  if (!Inside(srcRect, source) || &source == &dest || stepX != pw || stepY != ph ||
      columns > (1 << 20) || rows > (1 << 20)) {
    // Column by column, top to bottom, as single copies would be drawn.
    for (int c = 0; c < columns; ++c)
      for (int r = 0; r < rows; ++r)
        Copy(dest, x + c * stepX, y + r * stepY, srcRect, source, keyed, key);
    return;
  }
  const int64_t x0 = std::max<int64_t>(x, 0),
                x1 = std::min<int64_t>(x + int64_t{pw} * columns, dest.Width);
  const int64_t y0 = std::max<int64_t>(y, 0),
                y1 = std::min<int64_t>(y + int64_t{ph} * rows, dest.Height);
  if (x0 >= x1 || y0 >= y1) return;
  TileRows(dest, x, y, srcRect, source, keyed, key, x0, x1, y0, y1);
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

  SourceView src(source, dest);
  const int n = static_cast<int>(i1 - i0);
  const int firstCol = static_cast<int>(srcRect.Left + ((i0 * stepX) >> 16));
  const bool contiguous = stepX == 65536;
  RowBuffer<int> colBuffer(contiguous ? 0 : n);
  int* cols = colBuffer.Data();
  RowBuffer<uint16_t> gatherBuffer(contiguous || opacity >= 255 ? 0 : n);
  uint16_t* gathered = gatherBuffer.Data();
  if (!contiguous) {
    for (int k = 0; k < n; ++k)
      cols[k] = static_cast<int>(srcRect.Left + (((i0 + k) * stepX) >> 16)) - firstCol;
  }
  const bool blend = opacity < 255;
  const auto a = static_cast<uint16_t>(opacity);
  for (int64_t j = j0; j < j1; ++j) {
    const int sy = static_cast<int>(srcRect.Top + ((j * stepY) >> 16));
    uint16_t* d =
        &dest.At(static_cast<int>(destRect.Left + i0), static_cast<int>(destRect.Top + j));
    const uint16_t* s = src.Row(sy) + firstCol;
    if (blend) {
      if (contiguous) {
        if (keyed)
          BlendRowContiguous<true>(d, s, n, key, a);
        else
          BlendRowContiguous<false>(d, s, n, key, a);
      } else {
        if (keyed)
          BlendRowScaled<true>(d, s, cols, n, key, a, gathered);
        else
          BlendRowScaled<false>(d, s, cols, n, key, a, gathered);
      }
    } else if (contiguous) {
      if (keyed)
        CopyRow<true>(d, s, n, key);
      else
        CopyRow<false>(d, s, n, key);
    } else {
      if (keyed)
        ScaleRow<true>(d, s, cols, n, key);
      else
        ScaleRow<false>(d, s, cols, n, key);
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

  SourceView src(source, dest);
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
