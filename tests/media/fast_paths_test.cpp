// The drawing primitives against plain per-pixel versions of their rules, on
// random pixels, sizes and clipping (row widths around the vector widths),
// and the pattern grid and runs against patterns drawn one by one, with
// pattern rows that are all key, solid, one run or mixed.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "media/picture_list.h"
#include "media_test_util.h"

namespace {

uint16_t Ref5(uint16_t v) {
  return static_cast<uint16_t>((v << 3) | (v >> 2));
}
uint16_t Ref6(uint16_t v) {
  return static_cast<uint16_t>((v << 2) | (v >> 4));
}

// d + floor((s - d) * a / 256) on each 8-bit channel, narrowed back.
uint16_t RefBlend(int sr, int sg, int sb, uint16_t d, int a) {
  auto ch = [a](int s, int dv) {
    int r = dv + static_cast<int>(std::floor((s - dv) * a / 256.0));
    return r < 0 ? 0 : (r > 255 ? 255 : r);
  };
  const int r = ch(sr, Ref5(d >> 11)), g = ch(sg, Ref6((d >> 5) & 63)), b = ch(sb, Ref5(d & 31));
  return RgbTo565(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
}
uint16_t RefBlend565(uint16_t s, uint16_t d, int a) {
  return RefBlend(Ref5(s >> 11), Ref6((s >> 5) & 63), Ref5(s & 31), d, a);
}

struct Rng {
  std::mt19937 Gen{12345};
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(Gen); }
  uint16_t Pixel() { return static_cast<uint16_t>(Int(0, 65535)); }
};

// Random pixels with about one in four equal to key.
Surface Noise(Rng& rng, int w, int h, uint16_t key) {
  Surface s(w, h);
  for (uint16_t& p : s.Pixels) p = rng.Int(0, 3) == 0 ? key : rng.Pixel();
  return s;
}

// The destination pixel a scaled draw of src (srcRect -> destRect) reads for
// (x, y), or false when none: 16.16 steps, rounded down.
bool Sample(TRect dr, TRect sr, const Surface& src, int x, int y, uint16_t& p) {
  const int64_t stepX = (int64_t{sr.Width()} << 16) / dr.Width();
  const int64_t stepY = (int64_t{sr.Height()} << 16) / dr.Height();
  const int64_t sx = sr.Left + (((x - dr.Left) * stepX) >> 16);
  const int64_t sy = sr.Top + (((y - dr.Top) * stepY) >> 16);
  if (sx < 0 || sy < 0 || sx >= src.Width || sy >= src.Height) return false;
  p = src.At(static_cast<int>(sx), static_cast<int>(sy));
  return true;
}

}  // namespace

TEST(FastPaths, BlendsAndKeyedCopiesMatchThePerPixelRules) {
  Rng rng;
  const uint16_t key = 0xF81F;
  for (int round = 0; round < 400; ++round) {
    Surface src = Noise(rng, rng.Int(1, 80), rng.Int(1, 20), key);
    src.KeyColor = key;
    Surface dest = Noise(rng, 70, 24, key);
    const std::vector<uint16_t> before = dest.Pixels;
    const int kind = round % 4;  // copy, blend 1:1, scaled blend, scaled copy
    const bool keyed = rng.Int(0, 1) == 1;
    const int opacity = rng.Int(1, 254);
    const TRect sr = MakeRect(rng.Int(-3, src.Width - 1), rng.Int(-2, src.Height - 1),
                              rng.Int(1, src.Width + 3), rng.Int(1, src.Height + 2));
    if (sr.Empty()) continue;
    TRect dr = MakeRect(rng.Int(-20, 60), rng.Int(-5, 20), 0, 0);
    dr.Right = dr.Left + (kind >= 2 ? rng.Int(1, 90) : sr.Width());
    dr.Bottom = dr.Top + (kind >= 2 ? rng.Int(1, 25) : sr.Height());
    if (kind == 0)
      CopySurfaceRect(dest, dr.Left, dr.Top, sr, src, keyed);
    else if (kind == 3)
      StretchSurfaceRect(dest, dr, sr, src, keyed);
    else
      BlendSurfaceRect(dest, dr, sr, src, keyed, opacity);
    for (int y = 0; y < dest.Height; ++y) {
      for (int x = 0; x < dest.Width; ++x) {
        uint16_t want = before[static_cast<size_t>(y * dest.Width + x)], p = 0;
        const bool inside = x >= dr.Left && x < dr.Right && y >= dr.Top && y < dr.Bottom;
        if (kind == 0) {
          // Unscaled: the source pixel at the same offset, if it exists and lies in srcRect.
          const int sx = sr.Left + x - dr.Left, sy = sr.Top + y - dr.Top;
          if (inside && sx >= 0 && sy >= 0 && sx < src.Width && sy < src.Height) p = src.At(sx, sy);
          if (inside && sx >= 0 && sy >= 0 && sx < src.Width && sy < src.Height &&
              !(keyed && p == key))
            want = p;
        } else if (inside && Sample(dr, sr, src, x, y, p) && !(keyed && p == key)) {
          want = kind == 3 ? p : RefBlend565(p, want, opacity);
        }
        ASSERT_EQ(dest.At(x, y), want)
            << "round " << round << " kind " << kind << " keyed " << keyed << " at " << x << ","
            << y << " opacity " << opacity;
      }
    }
  }
}

TEST(FastPaths, BlendFillMatchesThePerPixelRuleAtEveryOpacity) {
  Rng rng;
  for (int opacity = -2; opacity <= 258; ++opacity) {
    Surface s = Noise(rng, 37, 3, 0);
    const std::vector<uint16_t> before = s.Pixels;
    const TRgb c{static_cast<uint8_t>(rng.Int(0, 255)), static_cast<uint8_t>(rng.Int(0, 255)),
                 static_cast<uint8_t>(rng.Int(0, 255))};
    BlendFillArea(s, MakeRect(-4, 1, 33, 9), c, opacity);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 37; ++x) {
        const uint16_t old = before[static_cast<size_t>(y * 37 + x)];
        const uint16_t want = y >= 1 && x < 33 ? RefBlend(c.R, c.G, c.B, old, opacity) : old;
        ASSERT_EQ(s.At(x, y), want) << "opacity " << opacity << " at " << x << "," << y;
      }
  }
}

namespace {

// A 6 x 5 pattern sheet (two patterns side by side) whose rows are, top to
// bottom: all key, solid, one run with key at both ends, mixed, solid
// except a key pixel at the far right.
TPictureItem Sheet(bool transparent) {
  TPictureItem item = mt::MarkedItem(12, 5, 6, 5, transparent);
  item.TransparentColor = TRgb{255, 0, 255};
  const uint16_t key = RgbTo565(item.TransparentColor);
  const char* rows[] = {"......", "######", ".####.", "#.##.#", "#####."};
  for (int c = 0; c < 2; ++c)
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x)
        if (rows[y][x] == '.') item.Picture.At(c * 6 + x, y) = key;
  RestorePicture(item);
  return item;
}

Surface Backdrop() {
  return mt::Counting(50, 40, 0x2000);
}

}  // namespace

TEST(FastPaths, GridsAndRunsDrawWhatOneByOneDrawingDraws) {
  for (bool transparent : {true, false}) {
    const TPictureItem item = Sheet(transparent);
    struct Grid {
      int X, Y, Pattern, Columns, Rows, StepX, StepY;
    };
    const Grid grids[] = {
        {0, 0, 0, 3, 2, 6, 5},    {-8, -3, 1, 11, 10, 6, 5}, {45, 37, 0, 4, 4, 6, 5},
        {-40, 2, 1, 9, 1, 6, 5},  {3, 4, 0, 5, 3, 4, 5},     {3, 4, 1, 2, 2, 6, 9},
        {-2, -7, 0, 1, 12, 6, 5}, {10, 10, 0, 0, 3, 6, 5},   {10, 10, 1, 3, 3, 6, 5},
    };
    for (const Grid& c : grids) {
      Surface fast = Backdrop(), slow = Backdrop();
      DrawPatternGrid(item, fast, c.X, c.Y, c.Pattern, c.Columns, c.Rows, c.StepX, c.StepY);
      for (int col = 0; col < c.Columns; ++col)
        for (int row = 0; row < c.Rows; ++row)
          DrawPattern(item, slow, c.X + col * c.StepX, c.Y + row * c.StepY, c.Pattern);
      EXPECT_EQ(fast.Pixels, slow.Pixels)
          << "grid at " << c.X << "," << c.Y << " transparent " << transparent;
    }
    // Rows and columns of the same pieces, also cut mid-piece on every side.
    struct Run {
      int X, Y, Count, StepX, StepY;
    };
    const Run runs[] = {{-4, 3, 9, 6, 0},  {2, -2, 12, 0, 5}, {47, 30, 3, 0, 5},
                        {10, 36, 2, 6, 0}, {-3, 5, 1, 0, 5},  {20, 8, 1, 6, 0}};
    for (const Run& r : runs) {
      for (int pattern = 0; pattern < 2; ++pattern) {
        Surface fast = Backdrop(), slow = Backdrop();
        DrawPatternRun(item, fast, r.X, r.Y, pattern, r.Count, r.StepX, r.StepY);
        for (int i = 0; i < r.Count; ++i)
          DrawPattern(item, slow, r.X + i * r.StepX, r.Y + i * r.StepY, pattern);
        EXPECT_EQ(fast.Pixels, slow.Pixels)
            << "run at " << r.X << "," << r.Y << " transparent " << transparent;
      }
    }
  }
}
