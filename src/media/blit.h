// The pixel loops behind the surface and pattern drawing operations, with the
// key colour given explicitly (a picture item's key comes from its own field).
#pragma once
#include <cstdint>

#include "media/surface.h"

namespace blit {

// Unscaled copy of srcRect to (x, y), both rectangles cut to their surfaces.
void Copy(Surface& dest, int x, int y, TRect srcRect, const Surface& source, bool keyed,
          uint16_t key);
// Nearest-pixel scaled copy (opacity >= 255) or blend (0 < opacity < 255) of
// srcRect into destRect with 16.16 sampling steps; nothing at opacity <= 0.
void Scale(Surface& dest, TRect destRect, TRect srcRect, const Surface& source, bool keyed,
           uint16_t key, int opacity);
// Scaled and rotated copy by inverse mapping (see RotateSurfaceRect).
void Rotate(Surface& dest, int x, int y, int w, int h, TRect srcRect, const Surface& source,
            bool keyed, uint16_t key, double cx, double cy, int angle);

// 5- and 6-bit channels widened to 8 bits by repeating their high bits.
inline int Expand5(int v) { return (v << 3) | (v >> 2); }
inline int Expand6(int v) { return (v << 2) | (v >> 4); }

// One channel: d + floor((s - d) * a / 256), clamped to 0..255 (only reachable
// with opacities outside 0..256).
inline int BlendChannel(int s, int d, int a) {
  int r = d + (((s - d) * a) >> 8);
  return r < 0 ? 0 : (r > 255 ? 255 : r);
}

// One pixel blended per 8-bit channel and narrowed back to 5-6-5.
inline uint16_t Blend565(uint16_t s, uint16_t d, int a) {
  int r = BlendChannel(Expand5(s >> 11), Expand5(d >> 11), a);
  int g = BlendChannel(Expand6((s >> 5) & 63), Expand6((d >> 5) & 63), a);
  int b = BlendChannel(Expand5(s & 31), Expand5(d & 31), a);
  return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

}  // namespace blit
