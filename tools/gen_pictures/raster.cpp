// Drawing layer of the picture generator: shapes by supersampled coverage,
// outlines, resampled copies and the flattening to key-coloured RGB.
#include "gen_pictures/raster.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSub = 4;  // supersampling grid per pixel side

float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}

uint8_t To8(float v) {
  return uint8_t(std::lround(Clamp01(v) * 255.0f));
}

// Coverage-weighted accumulation in premultiplied form.
struct TAcc {
  float R = 0, G = 0, B = 0, A = 0;
  void Add(TRgba c, float w) {
    R += c.R * c.A * w;
    G += c.G * c.A * w;
    B += c.B * c.A * w;
    A += c.A * w;
  }
  TRgba Straight() const {
    if (A <= 1e-6f) return {};
    return {R / A, G / A, B / A, Clamp01(A)};
  }
};

TRgba SampleBilinear(const TRaster& s, float x, float y) {
  x -= 0.5f;
  y -= 0.5f;
  int x0 = int(std::floor(x)), y0 = int(std::floor(y));
  float fx = x - x0, fy = y - y0;
  TAcc acc;
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 2; ++i) {
      int sx = x0 + i, sy = y0 + j;
      float w = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
      if (sx < 0 || sy < 0 || sx >= s.W || sy >= s.H || w <= 0) continue;
      acc.Add(s.At(sx, sy), w);
    }
  TRgba c = acc.Straight();
  c.A = Clamp01(acc.A);
  return c;
}

// Box-filtered reduction of src to w x h.
TRaster AreaScale(const TRaster& src, int w, int h) {
  TRaster out(w, h);
  float fx = float(src.W) / w, fy = float(src.H) / h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float sx0 = x * fx, sx1 = (x + 1) * fx, sy0 = y * fy, sy1 = (y + 1) * fy;
      TAcc acc;
      for (int sy = int(sy0); sy < std::min(src.H, int(std::ceil(sy1))); ++sy)
        for (int sx = int(sx0); sx < std::min(src.W, int(std::ceil(sx1))); ++sx) {
          float wx = std::min(sx1, float(sx + 1)) - std::max(sx0, float(sx));
          float wy = std::min(sy1, float(sy + 1)) - std::max(sy0, float(sy));
          if (wx > 0 && wy > 0) acc.Add(src.At(sx, sy), wx * wy);
        }
      TRgba c = acc.Straight();
      c.A = Clamp01(acc.A / (fx * fy));
      out.At(x, y) = c;
    }
  return out;
}

}  // namespace

TRgba Rgb(int r, int g, int b, float a) {
  return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}

TRgba Mix(TRgba a, TRgba b, float t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
          a.A + (b.A - a.A) * t};
}

TRgba Shade(TRgba c, float f) {
  if (f <= 1) return {c.R * f, c.G * f, c.B * f, c.A};
  float t = std::min(1.0f, f - 1);
  return {c.R + (1 - c.R) * t, c.G + (1 - c.G) * t, c.B + (1 - c.B) * t, c.A};
}

void TRaster::Blend(int x, int y, TRgba c, float coverage) {
  if (x < 0 || y < 0 || x >= W || y >= H) return;
  float a = Clamp01(c.A * coverage);
  if (a <= 0) return;
  TRgba& d = At(x, y);
  float outA = a + d.A * (1 - a);
  if (outA <= 1e-6f) return;
  d.R = (c.R * a + d.R * d.A * (1 - a)) / outA;
  d.G = (c.G * a + d.G * d.A * (1 - a)) / outA;
  d.B = (c.B * a + d.B * d.A * (1 - a)) / outA;
  d.A = outA;
}

void TRaster::Fill(TRgba c) {
  std::fill(Px.begin(), Px.end(), c);
}

void FillShape(TRaster& r, float x0, float y0, float x1, float y1, const TInside& inside,
               const TPaint& paint) {
  int ix0 = std::max(0, int(std::floor(x0))), iy0 = std::max(0, int(std::floor(y0)));
  int ix1 = std::min(r.W, int(std::ceil(x1))), iy1 = std::min(r.H, int(std::ceil(y1)));
  for (int y = iy0; y < iy1; ++y)
    for (int x = ix0; x < ix1; ++x) {
      int hits = 0;
      for (int j = 0; j < kSub; ++j)
        for (int i = 0; i < kSub; ++i)
          if (inside(x + (i + 0.5f) / kSub, y + (j + 0.5f) / kSub)) ++hits;
      if (hits) r.Blend(x, y, paint(x + 0.5f, y + 0.5f), float(hits) / (kSub * kSub));
    }
}

void FillShape(TRaster& r, float x0, float y0, float x1, float y1, const TInside& inside, TRgba c) {
  FillShape(r, x0, y0, x1, y1, inside, [c](float, float) { return c; });
}

void FillRect(TRaster& r, float x0, float y0, float x1, float y1, const TPaint& p) {
  FillShape(
      r, x0, y0, x1, y1, [=](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; },
      p);
}

void FillRect(TRaster& r, float x0, float y0, float x1, float y1, TRgba c) {
  FillRect(r, x0, y0, x1, y1, [c](float, float) { return c; });
}

void FillEllipse(TRaster& r, float cx, float cy, float rx, float ry, const TPaint& p) {
  if (rx <= 0 || ry <= 0) return;
  FillShape(
      r, cx - rx, cy - ry, cx + rx, cy + ry,
      [=](float x, float y) {
        float dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1;
      },
      p);
}

void FillEllipse(TRaster& r, float cx, float cy, float rx, float ry, TRgba c) {
  FillEllipse(r, cx, cy, rx, ry, [c](float, float) { return c; });
}

void FillRing(TRaster& r, float cx, float cy, float outer, float inner, const TPaint& p) {
  FillShape(
      r, cx - outer, cy - outer, cx + outer, cy + outer,
      [=](float x, float y) {
        float d = std::hypot(x - cx, y - cy);
        return d <= outer && d >= inner;
      },
      p);
}

void FillRing(TRaster& r, float cx, float cy, float outer, float inner, TRgba c) {
  FillRing(r, cx, cy, outer, inner, [c](float, float) { return c; });
}

void FillRoundRect(TRaster& r, float x0, float y0, float x1, float y1, float rad, const TPaint& p) {
  FillShape(
      r, x0, y0, x1, y1,
      [=](float x, float y) {
        if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
        float qx = std::max({x0 + rad - x, x - (x1 - rad), 0.0f});
        float qy = std::max({y0 + rad - y, y - (y1 - rad), 0.0f});
        return qx * qx + qy * qy <= rad * rad;
      },
      p);
}

void FillRoundRect(TRaster& r, float x0, float y0, float x1, float y1, float rad, TRgba c) {
  FillRoundRect(r, x0, y0, x1, y1, rad, [c](float, float) { return c; });
}

void FillPolygon(TRaster& r, const std::vector<TPt>& pts, const TPaint& p) {
  if (pts.size() < 3) return;
  float x0 = pts[0].X, x1 = x0, y0 = pts[0].Y, y1 = y0;
  for (const TPt& q : pts) {
    x0 = std::min(x0, q.X), x1 = std::max(x1, q.X);
    y0 = std::min(y0, q.Y), y1 = std::max(y1, q.Y);
  }
  FillShape(
      r, x0, y0, x1 + 1, y1 + 1,
      [&pts](float x, float y) {
        bool in = false;  // even-odd crossing test
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
          const TPt &a = pts[i], &b = pts[j];
          if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) in = !in;
        }
        return in;
      },
      p);
}

void FillPolygon(TRaster& r, const std::vector<TPt>& pts, TRgba c) {
  FillPolygon(r, pts, [c](float, float) { return c; });
}

void Line(TRaster& r, float x0, float y0, float x1, float y1, float width, TRgba c) {
  float h = width / 2;
  float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  FillShape(
      r, std::min(x0, x1) - h, std::min(y0, y1) - h, std::max(x0, x1) + h, std::max(y0, y1) + h,
      [=](float x, float y) {
        float t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0f, 1.0f) : 0;
        float px = x0 + dx * t - x, py = y0 + dy * t - y;
        return px * px + py * py <= h * h;
      },
      c);
}

void Dot(TRaster& r, int x, int y, TRgba c) {
  r.Blend(x, y, c);
}

TPaint VGradient(float y0, float y1, TRgba top, TRgba bottom) {
  return [=](float, float y) {
    return Mix(top, bottom, y1 > y0 ? std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f) : 0);
  };
}

TPaint Shaded(TRgba c, float cx, float cy, float radius, float hx, float hy) {
  return [=](float x, float y) {
    float d = std::hypot(x - hx, y - hy) / std::max(1.0f, radius);
    float rim = std::hypot(x - cx, y - cy) / std::max(1.0f, radius);
    TRgba out = Shade(c, 1.45f - 0.45f * std::min(1.0f, d * 1.2f));
    if (rim > 0.7f) out = Shade(out, 1.0f - 0.5f * (rim - 0.7f));
    return out;
  };
}

void Outline(TRaster& r, TRgba c, bool diagonal) {
  TRaster src = r;
  for (int y = 0; y < r.H; ++y)
    for (int x = 0; x < r.W; ++x) {
      if (src.Solid(x, y)) continue;
      bool edge =
          src.Solid(x - 1, y) || src.Solid(x + 1, y) || src.Solid(x, y - 1) || src.Solid(x, y + 1);
      if (diagonal && !edge)
        edge = src.Solid(x - 1, y - 1) || src.Solid(x + 1, y - 1) || src.Solid(x - 1, y + 1) ||
               src.Solid(x + 1, y + 1);
      if (edge) r.At(x, y) = c;
    }
}

void Harden(TRaster& r) {
  for (TRgba& p : r.Px) p.A = p.A >= 0.5f ? 1.0f : 0.0f;
}

void Stamp(TRaster& dst, const TRaster& src, float x, float y, float w, float h, float angle,
           bool mirror, float alpha) {
  if (w <= 0 || h <= 0 || src.W == 0 || src.H == 0) return;
  // Shrink first by area averaging to about twice the target size, then
  // sample that with a supersampled bilinear lookup.
  const TRaster* s = &src;
  TRaster reduced;
  int tw = std::max(1, int(std::ceil(std::abs(w) * 2))),
      th = std::max(1, int(std::ceil(std::abs(h) * 2)));
  if (tw < src.W || th < src.H) {
    reduced = AreaScale(src, std::min(tw, src.W), std::min(th, src.H));
    s = &reduced;
  }
  float cx = x + w / 2, cy = y + h / 2;
  float rad = angle * 3.14159265f / 180.0f, cs = std::cos(rad), sn = std::sin(rad);
  float ext = std::hypot(w, h) / 2 + 1;
  int bx0 = int(std::floor(cx - ext)), bx1 = int(std::ceil(cx + ext));
  int by0 = int(std::floor(cy - ext)), by1 = int(std::ceil(cy + ext));
  const int n = 3;
  for (int py = std::max(0, by0); py < std::min(dst.H, by1); ++py)
    for (int px = std::max(0, bx0); px < std::min(dst.W, bx1); ++px) {
      TAcc acc;
      for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
          float ox = px + (i + 0.5f) / n - cx, oy = py + (j + 0.5f) / n - cy;
          // inverse rotation into the unrotated box
          float ux = ox * cs + oy * sn, uy = -ox * sn + oy * cs;
          float fx = (ux + w / 2) / w, fy = (uy + h / 2) / h;
          if (fx < 0 || fy < 0 || fx >= 1 || fy >= 1) continue;
          if (mirror) fx = 1 - fx;
          acc.Add(SampleBilinear(*s, fx * s->W, fy * s->H), 1.0f / (n * n));
        }
      if (acc.A > 0) {
        TRgba c = acc.Straight();
        dst.Blend(px, py, {c.R, c.G, c.B, 1.0f}, Clamp01(acc.A) * alpha);
      }
    }
}

void Paste(TRaster& dst, const TRaster& src, int x, int y) {
  for (int j = 0; j < src.H; ++j)
    for (int i = 0; i < src.W; ++i) dst.Blend(x + i, y + j, src.At(i, j));
}

void Tint(TRaster& r, TRgba c, float t) {
  for (TRgba& p : r.Px) {
    float a = p.A;
    p = Mix(p, c, t);
    p.A = a;
  }
}

TRaster Mirrored(const TRaster& r) {
  TRaster m(r.W, r.H);
  for (int y = 0; y < r.H; ++y)
    for (int x = 0; x < r.W; ++x) m.At(r.W - 1 - x, y) = r.At(x, y);
  return m;
}

bool SameAs565(TRgb a, TRgb b) {
  return (a.R >> 3) == (b.R >> 3) && (a.G >> 2) == (b.G >> 2) && (a.B >> 3) == (b.B >> 3);
}

TImage Flatten(const TRaster& r, TRgb background, bool keyed) {
  TImage img(r.W, r.H, background);
  for (int y = 0; y < r.H; ++y)
    for (int x = 0; x < r.W; ++x) {
      const TRgba& p = r.At(x, y);
      if (keyed) {
        if (p.A < 0.5f) continue;
        TRgb c{To8(p.R), To8(p.G), To8(p.B)};
        if (SameAs565(c, background)) {
          // Step each channel one 16-bit level away from the key.
          c.R = c.R >= 128 ? c.R - 8 : c.R + 8;
          c.G = c.G >= 128 ? c.G - 8 : c.G + 8;
          c.B = c.B >= 128 ? c.B - 8 : c.B + 8;
        }
        img.At(x, y) = c;
      } else {
        float a = Clamp01(p.A);
        img.At(x, y) = {To8(p.R * a + background.R / 255.0f * (1 - a)),
                        To8(p.G * a + background.G / 255.0f * (1 - a)),
                        To8(p.B * a + background.B / 255.0f * (1 - a))};
      }
    }
  return img;
}
