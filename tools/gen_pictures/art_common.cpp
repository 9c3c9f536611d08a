// Shared drawing helpers: cell layout, emoji stamps, outlined gradient text,
// the hand-made pixel digits and the dispatch over the catalog items.
#include <algorithm>
#include <cmath>

#include "gen_pictures/art.h"

float Noise(float x, float y, float scale, int seed) {
  x /= scale, y /= scale;
  int ix = int(std::floor(x)), iy = int(std::floor(y));
  float fx = x - ix, fy = y - iy;
  fx = fx * fx * (3 - 2 * fx), fy = fy * fy * (3 - 2 * fy);
  float a = Hash01(ix, iy, seed), b = Hash01(ix + 1, iy, seed);
  float c = Hash01(ix, iy + 1, seed), d = Hash01(ix + 1, iy + 1, seed);
  return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

TRaster Cells(const TPictureSpec& s, const std::function<void(TRaster&, int)>& draw) {
  TRaster out(s.Width, s.Height);
  int pw = s.PatternWidth > 0 ? s.PatternWidth : s.Width;
  int ph = s.PatternHeight > 0 ? s.PatternHeight : s.Height;
  int cols = s.Width / pw, rows = s.Height / ph;
  for (int n = 0; n < cols * rows; ++n) {
    TRaster cell(pw, ph);
    draw(cell, n);
    Paste(out, cell, (n % cols) * pw, (n / cols) * ph);
  }
  return out;
}

void StampEmoji(TArt& art, TRaster& dst, char32_t cp, float x, float y, float w, float h,
                float angle, bool mirror) {
  const TRaster& e = art.Fonts.Emoji(cp);
  Stamp(dst, e, x, y, w, h, angle, mirror);
}

TRaster Dilate(const TRaster& mask, int radius) {
  TRaster out(mask.W + 2 * radius, mask.H + 2 * radius);
  for (int y = 0; y < out.H; ++y)
    for (int x = 0; x < out.W; ++x) {
      float best = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
          if (dx * dx + dy * dy > radius * radius + radius) continue;
          int sx = x - radius + dx, sy = y - radius + dy;
          if (sx < 0 || sy < 0 || sx >= mask.W || sy >= mask.H) continue;
          best = std::max(best, mask.At(sx, sy).A);
        }
      out.At(x, y) = {1, 1, 1, best};
    }
  return out;
}

void PaintMask(TRaster& dst, const TRaster& mask, int x, int y, const TPaint& paint) {
  for (int j = 0; j < mask.H; ++j)
    for (int i = 0; i < mask.W; ++i) {
      float a = mask.At(i, j).A;
      if (a > 0) dst.Blend(x + i, y + j, paint(x + i + 0.5f, y + j + 0.5f), a);
    }
}

void TextInBox(TArt& art, TRaster& dst, const std::string& text, TFace face, int maxPx, float x0,
               float y0, float x1, float y1, const TTextStyle& st, float* inkBox) {
  TRaster mask;
  for (int px = maxPx; px >= 6; --px) {
    mask = art.Fonts.Text(text, face, px, st.Embolden * px / 16.0f, st.Mono);
    if (mask.W + 2 * st.EdgeWidth + st.ShadowOffset <= x1 - x0 &&
        mask.H + 2 * st.EdgeWidth + st.ShadowOffset <= y1 - y0)
      break;
  }
  int tx = int(std::floor(x0 + (x1 - x0 - mask.W - st.ShadowOffset) / 2));
  int ty = int(std::floor(y0 + (y1 - y0 - mask.H - st.ShadowOffset) / 2));
  if (st.ShadowOffset > 0) {
    TRaster sh = Dilate(mask, st.EdgeWidth);
    TRgba c = st.Shadow;
    PaintMask(dst, sh, tx - st.EdgeWidth + st.ShadowOffset, ty - st.EdgeWidth + st.ShadowOffset,
              [c](float, float) { return c; });
  }
  if (st.EdgeWidth > 0) {
    TRaster edge = Dilate(mask, st.EdgeWidth);
    TRgba c = st.Edge;
    PaintMask(dst, edge, tx - st.EdgeWidth, ty - st.EdgeWidth, [c](float, float) { return c; });
  }
  PaintMask(dst, mask, tx, ty, VGradient(float(ty), float(ty + mask.H), st.Top, st.Bottom));
  if (inkBox) {
    inkBox[0] = float(tx), inkBox[1] = float(ty);
    inkBox[2] = float(tx + mask.W), inkBox[3] = float(ty + mask.H);
  }
}

namespace {

// Bold 6 x 9 digits, two-pixel strokes.
const char* const kDigits9[10][9] = {
    {".####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", ".####."},
    {"..##..", ".###..", "####..", "..##..", "..##..", "..##..", "..##..", "..##..", "######"},
    {".####.", "##..##", "....##", "...##.", "..##..", ".##...", "##....", "##....", "######"},
    {".####.", "##..##", "....##", "....##", "..###.", "....##", "....##", "##..##", ".####."},
    {"...##.", "..###.", ".####.", "##.##.", "##.##.", "######", "...##.", "...##.", "...##."},
    {"######", "##....", "##....", "#####.", "....##", "....##", "....##", "##..##", ".####."},
    {"..###.", ".##...", "##....", "#####.", "##..##", "##..##", "##..##", "##..##", ".####."},
    {"######", "....##", "....##", "...##.", "...##.", "..##..", "..##..", "..##..", "..##.."},
    {".####.", "##..##", "##..##", "##..##", ".####.", "##..##", "##..##", "##..##", ".####."},
    {".####.", "##..##", "##..##", "##..##", ".#####", "....##", "....##", "...##.", ".###.."},
};

}  // namespace

bool DigitPixel(int digit, int rows, int x, int y) {
  if (digit < 0 || digit > 9 || x < 0 || x >= 6 || y < 0 || y >= rows) return false;
  // The 8-row face drops the third row, which every glyph can spare.
  int row = rows == 9 ? y : (y < 2 ? y : y + 1);
  if (row >= 9) return false;
  return kDigits9[digit][row][x] == '#';
}

bool DrawCatalogItem(TArt& art, const TPictureSpec& s, TRaster& out) {
  return DrawUiItem(art, s, out) || DrawTextItem(art, s, out) || DrawEffectItem(art, s, out) ||
         DrawEnemyItem(art, s, out) || DrawBossItem(art, s, out) || DrawBackdropItem(s, out);
}
