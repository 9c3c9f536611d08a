// The text canvas of a surface: glyph drawing of CP932 text, rectangles and
// lines, every pixel clipped to the surface.
#include "media/text_canvas.h"

#include <algorithm>
#include <cstdlib>

#include "base/sjis.h"

void TextCanvas::Plot(int x, int y, uint16_t pixel) {
  if (x >= 0 && y >= 0 && x < surface_->Width && y < surface_->Height) surface_->At(x, y) = pixel;
}

const std::u32string& TextCanvas::CodePoints(const std::string& sjis) {
  for (const TConverted& c : converted_)
    if (c.Sjis == sjis) return c.Codes;
  if (converted_.size() < kTextCacheSize) {
    converted_.push_back({sjis, SjisToUtf32(sjis)});
    return converted_.back().Codes;
  }
  TConverted& slot = converted_[nextSlot_];
  nextSlot_ = (nextSlot_ + 1) % kTextCacheSize;
  slot.Sjis = sjis;
  slot.Codes = SjisToUtf32(sjis);
  return slot.Codes;
}

void TextCanvas::TextOut(int x, int y, const std::string& sjis) {
  if (!glyphs_ || sjis.empty()) return;
  const uint16_t ink = RgbTo565(FontColor);
  const uint16_t paper = RgbTo565(BrushColor);
  const int height = FontHeight > 0 ? FontHeight : 12;
  int64_t penX = x;
  for (char32_t code : CodePoints(sjis)) {
    const TGlyph& g = glyphs_->Glyph(code, height);
    if (penX > surface_->Width) break;  // the rest of the line is off the surface
    if (BrushStyle == TBrushStyle::Solid && g.Advance > 0) {
      for (int row = 0; row < height; ++row)
        for (int col = 0; col < g.Advance; ++col)
          Plot(static_cast<int>(penX + col), y + row, paper);
    }
    const size_t need = static_cast<size_t>(std::max(g.Width, 0)) * std::max(g.Rows, 0);
    if (g.Bits.size() >= need) {
      for (int row = 0; row < g.Rows; ++row)
        for (int col = 0; col < g.Width; ++col)
          if (g.Bits[static_cast<size_t>(row) * g.Width + col])
            Plot(static_cast<int>(penX + g.Left + col), y + g.Top + row, ink);
    }
    penX += g.Advance;
  }
}

void TextCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  // Only the part that can reach the surface is walked.
  const uint16_t pen = RgbTo565(PenColor);
  const int x0 = std::max(left, -1), x1 = std::min(right - 1, surface_->Width);
  const int y0 = std::max(top, -1), y1 = std::min(bottom - 1, surface_->Height);
  if (BrushStyle == TBrushStyle::Solid) {
    const uint16_t fill = RgbTo565(BrushColor);
    for (int y = std::max(top + 1, 0); y < std::min(bottom - 1, surface_->Height); ++y)
      for (int x = std::max(left + 1, 0); x < std::min(right - 1, surface_->Width); ++x)
        surface_->At(x, y) = fill;
  }
  for (int x = x0; x <= x1; ++x) {
    Plot(x, top, pen);
    Plot(x, bottom - 1, pen);
  }
  for (int y = y0; y <= y1; ++y) {
    Plot(left, y, pen);
    Plot(right - 1, y, pen);
  }
}

void TextCanvas::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void TextCanvas::LineTo(int x, int y) {
  // Bresenham along the major axis: step k puts the minor coordinate at
  // round(k * dMinor / dMajor) (halves away from the start). Only the steps
  // whose major coordinate lies on the surface are walked, so far-away end
  // points cost nothing.
  const uint16_t pen = RgbTo565(PenColor);
  const int64_t x0 = penX_, y0 = penY_;
  const int64_t dx = static_cast<int64_t>(x) - x0, dy = static_cast<int64_t>(y) - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const int64_t sMaj = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int64_t sMin = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int64_t start = xMajor ? x0 : y0, startMin = xMajor ? y0 : x0;
  const int64_t limit = xMajor ? surface_->Width : surface_->Height;
  // Steps k in [0, major) with start + sMaj * k in [0, limit).
  int64_t k0, k1;
  if (sMaj > 0) {
    k0 = std::max<int64_t>(0, -start);
    k1 = std::min<int64_t>(major, limit - start);
  } else {
    k0 = std::max<int64_t>(0, start - (limit - 1));
    k1 = std::min<int64_t>(major, start + 1);
  }
  // 2 * k * minor fits 64 bits unless the line is billions of pixels long.
  const bool narrow = major < (int64_t{1} << 30) && minor < (int64_t{1} << 30);
  for (int64_t k = k0; k < k1; ++k) {
    const int64_t a = start + sMaj * k;
    int64_t step = 0;
    if (minor == 0)
      step = 0;
    else if (narrow)
      step = (2 * k * minor + major) / (2 * major);
    else
      step = static_cast<int64_t>((static_cast<__int128>(2 * k) * minor + major) / (2 * major));
    const int64_t b = startMin + sMin * step;
    if (xMajor)
      Plot(static_cast<int>(a), static_cast<int>(std::clamp<int64_t>(b, -1, surface_->Height)),
           pen);
    else
      Plot(static_cast<int>(std::clamp<int64_t>(b, -1, surface_->Width)), static_cast<int>(a), pen);
  }
  penX_ = x;
  penY_ = y;
}

TextCanvas& SurfaceCanvas(Surface& surface, IGlyphSource* glyphs) {
  if (!surface.Canvas) surface.Canvas = std::make_unique<TextCanvas>(surface);
  if (glyphs && !surface.Canvas->GlyphSource()) surface.Canvas->SetGlyphSource(glyphs);
  return *surface.Canvas;
}

void ReleaseCanvas(Surface&) {}
