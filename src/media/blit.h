// The pixel loops behind the surface and pattern drawing operations, with the
// key colour given explicitly (a picture item's key comes from its own field).
#pragma once
#include <cstdint>

#include "media/surface.h"

namespace blit {

// Unscaled copy of srcRect to (x, y), both rectangles cut to their surfaces.
void Copy(Surface& dest, int x, int y, TRect srcRect, const Surface& source, bool keyed,
          uint16_t key);
// count unscaled copies of srcRect, the i-th at (x + i * stepX, y + i * stepY):
// the same pixels as count calls of Copy, drawn as one span per row when the
// copies sit side by side in a row or a column.
void Tile(Surface& dest, int x, int y, TRect srcRect, const Surface& source, bool keyed,
          uint16_t key, int count, int stepX, int stepY);
// columns x rows unkeyed or keyed copies of srcRect, the one of column c and
// row r at (x + c * stepX, y + r * stepY), drawn as if column by column, top
// to bottom; copies side by side (steps equal to the size) share their rows.
void TileGrid(Surface& dest, int x, int y, TRect srcRect, const Surface& source, bool keyed,
              uint16_t key, int columns, int rows, int stepX, int stepY);
// Nearest-pixel scaled copy (opacity >= 255) or blend (0 < opacity < 255) of
// srcRect into destRect with 16.16 sampling steps; nothing at opacity <= 0.
void Scale(Surface& dest, TRect destRect, TRect srcRect, const Surface& source, bool keyed,
           uint16_t key, int opacity);
// Scaled and rotated copy by inverse mapping (see RotateSurfaceRect).
void Rotate(Surface& dest, int x, int y, int w, int h, TRect srcRect, const Surface& source,
            bool keyed, uint16_t key, double cx, double cy, int angle);

// 5- and 6-bit channels widened to 8 bits by repeating their high bits.
inline uint32_t Expand5(uint32_t v) {
  return (v << 3) | (v >> 2);
}
inline uint32_t Expand6(uint32_t v) {
  return (v << 2) | (v >> 4);
}

// One channel: d + floor((s - d) * a / 256), clamped to 0..255 (only reachable
// with opacities outside 0..256).
inline int BlendChannel(int s, int d, int a) {
  int r = d + (((s - d) * a) >> 8);
  return r < 0 ? 0 : (r > 255 ? 255 : r);
}

// One pixel blended per 8-bit channel and narrowed back to 5-6-5, for
// 0 <= a <= 256. It uses d + floor((s - d) * a / 256) written as
// (s * a + d * (256 - a)) >> 8, which has no negative terms and no branch.
inline uint16_t Blend565(uint16_t s, uint16_t d, uint16_t a) {
  const auto b = static_cast<uint16_t>(256 - a);
  auto e5 = [](unsigned v) { return static_cast<uint16_t>((v << 3) | (v >> 2)); };
  auto e6 = [](unsigned v) { return static_cast<uint16_t>((v << 2) | (v >> 4)); };
  auto mix = [a, b](uint16_t x, uint16_t y) {
    return static_cast<uint16_t>(static_cast<uint16_t>(x * a) + static_cast<uint16_t>(y * b));
  };
  // Each sum is the 8-bit result times 256; narrowing it to 5 or 6 bits and
  // putting it in place is one mask or shift.
  const uint16_t r = mix(e5(s >> 11), e5(d >> 11));
  const uint16_t g = mix(e6((s >> 5) & 63), e6((d >> 5) & 63));
  const uint16_t bl = mix(e5(s & 31), e5(d & 31));
  return static_cast<uint16_t>((r & 0xF800u) | ((g >> 5) & 0x07E0u) | (bl >> 11));
}

// The blended pixel, or d where the source pixel is the key (without a branch).
inline uint16_t BlendKeyed565(uint16_t s, uint16_t d, uint16_t a, uint16_t key) {
  const uint16_t keep = static_cast<uint16_t>(-static_cast<uint16_t>(s == key));
  return static_cast<uint16_t>((Blend565(s, d, a) & ~keep) | (d & keep));
}

}  // namespace blit
