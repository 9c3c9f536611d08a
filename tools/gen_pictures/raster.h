// Drawing layer of the picture generator: an RGBA float canvas with
// anti-aliased shapes, outlines and resampled copies, and the flat RGB image it becomes.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

struct TRgb {
  uint8_t R = 0, G = 0, B = 0;
  bool operator==(const TRgb&) const = default;
};

// Straight (not premultiplied) colour with coverage, channels 0..1.
struct TRgba {
  float R = 0, G = 0, B = 0, A = 0;
};

TRgba Rgb(int r, int g, int b, float a = 1.0f);
TRgba Mix(TRgba a, TRgba b, float t);
TRgba Shade(TRgba c, float f);  // f < 1 darkens, f > 1 lightens towards white

// The finished picture: 8-bit RGB, top row first.
struct TImage {
  int W = 0, H = 0;
  std::vector<TRgb> Px;
  TImage() = default;
  TImage(int w, int h, TRgb fill) : W(w), H(h), Px(size_t(w) * h, fill) {}
  TRgb& At(int x, int y) { return Px[size_t(y) * W + x]; }
  const TRgb& At(int x, int y) const { return Px[size_t(y) * W + x]; }
};

class TRaster {
 public:
  TRaster() = default;
  TRaster(int w, int h) : W(w), H(h), Px(size_t(w) * h) {}
  int W = 0, H = 0;
  std::vector<TRgba> Px;

  TRgba& At(int x, int y) { return Px[size_t(y) * W + x]; }
  const TRgba& At(int x, int y) const { return Px[size_t(y) * W + x]; }
  bool Solid(int x, int y) const {
    return x >= 0 && y >= 0 && x < W && y < H && At(x, y).A >= 0.5f;
  }
  // Composites colour c with extra coverage over pixel (x, y); outside is ignored.
  void Blend(int x, int y, TRgba c, float coverage = 1.0f);
  void Fill(TRgba c);
};

using TInside = std::function<bool(float x, float y)>;
using TPaint = std::function<TRgba(float x, float y)>;

// Fills the pixels of box [x0,x1) x [y0,y1) by 4x4 supersampled coverage of the shape.
void FillShape(TRaster& r, float x0, float y0, float x1, float y1, const TInside& inside,
               const TPaint& paint);
void FillShape(TRaster& r, float x0, float y0, float x1, float y1, const TInside& inside, TRgba c);

void FillRect(TRaster& r, float x0, float y0, float x1, float y1, TRgba c);
void FillRect(TRaster& r, float x0, float y0, float x1, float y1, const TPaint& p);
void FillEllipse(TRaster& r, float cx, float cy, float rx, float ry, TRgba c);
void FillEllipse(TRaster& r, float cx, float cy, float rx, float ry, const TPaint& p);
void FillRing(TRaster& r, float cx, float cy, float outer, float inner, TRgba c);
void FillRing(TRaster& r, float cx, float cy, float outer, float inner, const TPaint& p);
void FillRoundRect(TRaster& r, float x0, float y0, float x1, float y1, float rad, TRgba c);
void FillRoundRect(TRaster& r, float x0, float y0, float x1, float y1, float rad, const TPaint& p);
struct TPt {
  float X, Y;
};
void FillPolygon(TRaster& r, const std::vector<TPt>& pts, TRgba c);
void FillPolygon(TRaster& r, const std::vector<TPt>& pts, const TPaint& p);
// A stroke with round caps.
void Line(TRaster& r, float x0, float y0, float x1, float y1, float width, TRgba c);
// A sharp single pixel.
void Dot(TRaster& r, int x, int y, TRgba c);

// Vertical gradient paint from top colour at y0 to bottom colour at y1.
TPaint VGradient(float y0, float y1, TRgba top, TRgba bottom);
// Radial highlight: colour c lightened towards (hx, hy).
TPaint Shaded(TRgba c, float cx, float cy, float radius, float hx, float hy);

// Adds a one-pixel rim of colour c around every solid pixel (8-neighbourhood
// when diagonal is set, 4-neighbourhood otherwise).
void Outline(TRaster& r, TRgba c, bool diagonal = true);
// Cuts every pixel's coverage to fully solid or fully empty at 50 %.
void Harden(TRaster& r);

// Draws src into dst scaled to w x h at (x, y), turned by angle degrees
// (clockwise on screen) about the centre of that box, optionally mirrored.
// Area-averaged when shrinking; coverage is composited over dst.
void Stamp(TRaster& dst, const TRaster& src, float x, float y, float w, float h, float angle = 0,
           bool mirror = false, float alpha = 1.0f);
// Unscaled copy at integer position.
void Paste(TRaster& dst, const TRaster& src, int x, int y);
// Tints every pixel of r towards colour c by t (keeps coverage).
void Tint(TRaster& r, TRgba c, float t);
// Mirrors r left to right.
TRaster Mirrored(const TRaster& r);

// Flattens the canvas: solid pixels keep their colour, the rest become the
// background. Colours that would read as the key colour once reduced to
// 16 bits are nudged away from it so they stay visible.
TImage Flatten(const TRaster& r, TRgb background, bool keyed);
// True when two colours become the same 16-bit (5-6-5) pixel.
bool SameAs565(TRgb a, TRgb b);
