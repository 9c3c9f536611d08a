// RGB565 surfaces: construction, fills, the blended fill, and the public
// copy, scale, blend and rotate operations (their loops live in blit.cpp).
#include "media/surface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "media/blit.h"
#include "media/blit_rows.h"
#include "media/text_canvas.h"

TRgb Rgb565ToRgb(uint16_t p) {
  return TRgb{static_cast<uint8_t>(blit::Expand5(p >> 11u)),
              static_cast<uint8_t>(blit::Expand6((p >> 5u) & 63u)),
              static_cast<uint8_t>(blit::Expand5(p & 31u))};
}

Surface::Surface() = default;
Surface::Surface(int w, int h) {
  ResizeSurface(*this, w, h);
}
Surface::~Surface() = default;

Surface::Surface(Surface&& o) noexcept
    : Width(o.Width),
      Height(o.Height),
      Pixels(std::move(o.Pixels)),
      KeyColor(o.KeyColor),
      Canvas(std::move(o.Canvas)) {
  if (Canvas) Canvas->Rebind(*this);
  o.Width = o.Height = 0;
  o.Pixels.clear();
}

Surface& Surface::operator=(Surface&& o) noexcept {
  if (this == &o) return *this;
  Width = o.Width;
  Height = o.Height;
  Pixels = std::move(o.Pixels);
  KeyColor = o.KeyColor;
  Canvas = std::move(o.Canvas);
  if (Canvas) Canvas->Rebind(*this);
  o.Width = o.Height = 0;
  o.Pixels.clear();
  return *this;
}

void ResizeSurface(Surface& s, int width, int height) {
  if (width <= 0 || height <= 0) width = height = 0;
  s.Width = width;
  s.Height = height;
  // A new size starts black, so that runs stay reproducible.
  s.Pixels.assign(static_cast<size_t>(width) * height, 0);
}

void FillSurface(Surface& s, uint16_t pixel) {
  std::fill(s.Pixels.begin(), s.Pixels.end(), pixel);
}

namespace {

// The rectangle cut to the surface; false when nothing is left.
bool ClipToSurface(const Surface& s, TRect& r) {
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  r.Right = std::min(r.Right, s.Width);
  r.Bottom = std::min(r.Bottom, s.Height);
  return !r.Empty();
}

}  // namespace

void FillArea(Surface& s, TRect rect, uint16_t pixel) {
  if (!ClipToSurface(s, rect)) return;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    uint16_t* row = &s.At(rect.Left, y);
    std::fill(row, row + rect.Width(), pixel);
  }
}

void BlendFillArea(Surface& s, TRect rect, TRgb colour, int opacity) {
  if (!ClipToSurface(s, rect)) return;
  // The fill colour takes part at 8 bits per channel, as given.
  const int cr = colour.R, cg = colour.G, cb = colour.B;
  if (opacity >= 0 && opacity <= 256) {
    // The usual case, one vectorised row loop.
    for (int y = rect.Top; y < rect.Bottom; ++y)
      blit::BlendColourRow(&s.At(rect.Left, y), rect.Width(), static_cast<uint16_t>(cr),
                           static_cast<uint16_t>(cg), static_cast<uint16_t>(cb),
                           static_cast<uint16_t>(opacity));
    return;
  }
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    uint16_t* row = &s.At(rect.Left, y);
    for (int i = 0; i < rect.Width(); ++i) {
      const uint16_t d = row[i];
      const int r = blit::BlendChannel(cr, static_cast<int>(blit::Expand5(d >> 11)), opacity);
      const int g = blit::BlendChannel(cg, static_cast<int>(blit::Expand6((d >> 5) & 63)), opacity);
      const int b = blit::BlendChannel(cb, static_cast<int>(blit::Expand5(d & 31)), opacity);
      row[i] = static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
    }
  }
}

void CopySurfaceRect(Surface& dest, int x, int y, TRect srcRect, const Surface& source,
                     bool transparent) {
  blit::Copy(dest, x, y, srcRect, source, transparent, source.KeyColor);
}

void StretchSurfaceRect(Surface& dest, TRect destRect, TRect srcRect, const Surface& source,
                        bool transparent) {
  blit::Scale(dest, destRect, srcRect, source, transparent, source.KeyColor, 255);
}

void BlendSurfaceRect(Surface& dest, TRect destRect, TRect srcRect, const Surface& source,
                      bool transparent, int opacity) {
  blit::Scale(dest, destRect, srcRect, source, transparent, source.KeyColor, opacity);
}

void RotateSurfaceRect(Surface& dest, int x, int y, int w, int h, TRect srcRect,
                       const Surface& source, bool transparent, double cx, double cy, int angle) {
  blit::Rotate(dest, x, y, w, h, srcRect, source, transparent, source.KeyColor, cx, cy, angle);
}

double CosTable(int index) {
  const int i = ((index % 256) + 256) % 256;
  // Exact values at the quarter turns, so that right angles stay exact.
  switch (i) {
    case 0:
      return 1.0;
    case 64:
      return 0.0;
    case 128:
      return -1.0;
    case 192:
      return 0.0;
    default:
      return std::cos(2.0 * std::numbers::pi * i / 256.0);
  }
}
