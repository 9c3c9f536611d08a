// 16-bit (RGB565) software surfaces and every drawing primitive of the game.
// Primitives are free functions, target surface first; all of them clip to the
// destination (and the source) without shifting the visible part.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "base/geometry.h"

class TextCanvas;

struct TRgb {
  uint8_t R = 0, G = 0, B = 0;
};

// RGB888 -> RGB565 by dropping the low bits of each channel.
constexpr uint16_t RgbTo565(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
constexpr uint16_t RgbTo565(TRgb c) { return RgbTo565(c.R, c.G, c.B); }
// RGB565 -> RGB888, replicating the high bits into the low ones, so that a
// round trip gives back the same 16-bit value.
TRgb Rgb565ToRgb(uint16_t p);

struct Surface {
  int Width = 0;
  int Height = 0;
  std::vector<uint16_t> Pixels;  // row-major, Width * Height
  uint16_t KeyColor = 0;         // used by keyed copies from this surface
  std::unique_ptr<TextCanvas> Canvas;  // created on first use (SurfaceCanvas)

  Surface();
  Surface(int w, int h);
  ~Surface();
  Surface(Surface&&) noexcept;
  Surface& operator=(Surface&&) noexcept;

  uint16_t& At(int x, int y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
  uint16_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

void ResizeSurface(Surface& s, int width, int height);
void FillSurface(Surface& s, uint16_t pixel);
void FillArea(Surface& s, TRect rect, uint16_t pixel);
// result = dst + floor((src - dst) * opacity / 256) per 8-bit channel, always.
void BlendFillArea(Surface& s, TRect rect, TRgb colour, int opacity);

// Unscaled copy of srcRect of source to (x, y); with transparent set, source
// pixels equal to source.KeyColor are skipped.
void CopySurfaceRect(Surface& dest, int x, int y, TRect srcRect, const Surface& source,
                     bool transparent);
// Scaled nearest-pixel copy of srcRect into destRect (16.16 sampling steps).
void StretchSurfaceRect(Surface& dest, TRect destRect, TRect srcRect, const Surface& source,
                        bool transparent);
// Scaled blend of srcRect into destRect: nothing at opacity <= 0, a keyed
// scaled copy at >= 255, else the per-channel blend formula.
void BlendSurfaceRect(Surface& dest, TRect destRect, TRect srcRect, const Surface& source,
                      bool transparent, int opacity);
// Scaled and rotated copy of srcRect: w x h at (x, y), centre fractions
// (cx, cy), angle in 1/256 turns (positive turns clockwise on screen).
void RotateSurfaceRect(Surface& dest, int x, int y, int w, int h, TRect srcRect,
                       const Surface& source, bool transparent, double cx, double cy, int angle);

// The 256-entry cosine table of the rotation.
double CosTable(int index);
