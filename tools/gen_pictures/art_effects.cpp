// Effect pictures: the bomb, its explosion, the death burst, blood splashes
// and the festival dancer of the ending.
#include <cmath>
#include <string>

#include "gen_pictures/art.h"

namespace {

constexpr float kPi = 3.14159265f;

// Fire colour by heat 0 (smoke) .. 1 (white hot).
TRgba Heat(float h) {
  const TRgba stops[] = {Rgb(60, 50, 56), Rgb(150, 40, 20), Rgb(240, 110, 20), Rgb(255, 210, 60),
                         Rgb(255, 255, 220)};
  h = std::clamp(h, 0.0f, 1.0f) * 4;
  int i = std::min(3, int(h));
  return Mix(stops[i], stops[i + 1], h - i);
}

TRaster Explosion(const TPictureSpec& s) {
  return Cells(s, [](TRaster& c, int k) {
    // Frames 0..13 are shown: a fireball swells, cools and breaks into smoke.
    float t = std::min(1.0f, k / 13.0f);
    float cx = c.W / 2.0f, cy = c.H / 2.0f;
    float radius = 8 + 36 * std::sqrt(t);
    if (k >= 14) radius = 44;
    for (int y = 0; y < c.H; ++y)
      for (int x = 0; x < c.W; ++x) {
        float dx = x + 0.5f - cx, dy = y + 0.5f - cy, d = std::hypot(dx, dy);
        float a = std::atan2(dy, dx);
        float edge =
            radius * (1 + 0.10f * std::sin(5 * a + k) + 0.07f * std::sin(9 * a - 2.0f * k) +
                      0.25f * (Noise(x, y, 9, 3) - 0.5f));
        if (d > edge) continue;
        float n = Noise(x + k * 3, y - k * 4, 7, 11);
        // Late frames: holes grow in the smoke.
        float holes = std::max(0.0f, (t - 0.45f) * 1.8f);
        if (k >= 14) holes = 0.8f + 0.1f * (k - 14);
        if (n < holes * (0.6f + 0.5f * d / edge)) continue;
        float heat = (1 - t * 0.95f) * (1.15f - 0.8f * d / edge) + 0.25f * (n - 0.5f);
        c.At(x, y) = Heat(heat);
      }
    if (k < 3)  // a white flash at the start
      FillEllipse(c, cx, cy, 10 + 6 * k, 10 + 6 * k, Rgb(255, 255, 240, 0.9f));
  });
}

TRaster FinishBurst(const TPictureSpec& s) {
  return Cells(s, [](TRaster& c, int k) {
    float cx = 32, cy = 32;
    std::vector<TPt> outer, inner;
    int spikes = 12;
    for (int i = 0; i < spikes * 2; ++i) {
      float a = (i + k * 0.5f) * kPi / spikes;
      float r = i % 2 ? 13 : (i % 4 ? 30 : 24);
      outer.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
      inner.push_back({cx + r * 0.62f * std::cos(a), cy + r * 0.62f * std::sin(a)});
    }
    FillPolygon(c, outer, Rgb(255, 150, 40));
    FillPolygon(c, inner, Rgb(255, 235, 110));
    FillEllipse(c, cx, cy, 9, 9, Rgb(255, 255, 235));
    for (int i = 0; i < 6; ++i) {
      float a = (i * 60 + k * 30) * kPi / 180;
      FillEllipse(c, cx + 27 * std::cos(a), cy + 27 * std::sin(a), 2, 2, Rgb(255, 250, 200));
    }
  });
}

TRaster Blood(const TPictureSpec& s) {
  return Cells(s, [](TRaster& c, int k) {
    TRgba red = Rgb(170, 10, 20), dark = Rgb(100, 0, 8);
    float cx = 20, cy = 20;
    for (int y = 0; y < c.H; ++y)
      for (int x = 0; x < c.W; ++x) {
        float dx = x + 0.5f - cx, dy = (y + 0.5f - cy) * 1.15f;
        float a = std::atan2(dy, dx), d = std::hypot(dx, dy);
        float r = 10 + 4 * std::sin(7 * a + k * 2) + 3 * std::sin(3 * a - k) +
                  6 * (Noise(std::cos(a) * 20 + 40, std::sin(a) * 20 + 40, 4, 7 + k) - 0.5f);
        if (d < r) c.At(x, y) = d < r - 3 ? red : dark;
      }
    for (int i = 0; i < 9; ++i) {
      float a = Hash01(i, k, 1) * 2 * kPi, d = 14 + Hash01(i, k, 2) * 5;
      float rad = 1 + Hash01(i, k, 3) * 1.8f;
      FillEllipse(c, cx + d * std::cos(a), cy + d * std::sin(a) * 0.9f, rad, rad, red);
    }
    FillEllipse(c, cx - 3, cy - 4, 3, 2, Rgb(230, 70, 80));
    // A drip running down.
    FillRoundRect(c, 22 - 5 * k, 22, 25 - 5 * k, 33 + 2 * k, 1.5f, red);
    FillEllipse(c, 23.5f - 5 * k, 33 + 2 * k, 2.2f, 2.2f, red);
  });
}

TRaster Bomb(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int k) {
    StampEmoji(art, c, U'\U0001F4A3', 1, k ? 2 : 3, 21, 21);
    Harden(c);
    // A light rim keeps the dark bomb readable on the dark field.
    Outline(c, Rgb(230, 220, 200), false);
    if (k > 0) {
      // Rising: the fuse sparks, alternating between two shapes.
      float fx = 18, fy = 3;
      for (int i = 0; i < 6; ++i) {
        float a = (i * 60 + k * 30) * kPi / 180;
        Line(c, fx, fy, fx + 3.5f * std::cos(a), fy + 3.5f * std::sin(a), 1,
             i % 2 ? Rgb(255, 240, 120) : Rgb(255, 140, 30));
      }
      FillEllipse(c, fx, fy, 1.2f, 1.2f, Rgb(255, 255, 220));
    }
  });
}

// A small festival dancer: headband, happi coat, arms and knees swinging.
TRaster Dancer(const TPictureSpec& s) {
  return Cells(s, [](TRaster& c, int k) {
    float ph = 2 * kPi * k / 14;
    float bob = std::abs(std::sin(ph)) * 2;
    float hx = 12 + std::sin(ph) * 1.5f, hy = 6 + bob;
    TRgba skin = Rgb(255, 205, 160), coat = Rgb(40, 110, 220), coatDark = Rgb(25, 60, 150);
    TRgba ink = InkDark();
    // Legs (knees bend in turn).
    float kneeL = std::sin(ph) * 3, kneeR = -std::sin(ph) * 3;
    Line(c, hx - 2, 15 + bob, 8 - kneeL, 19 + bob * 0.5f, 2.2f, Rgb(240, 240, 240));
    Line(c, 8 - kneeL, 19 + bob * 0.5f, 7, 23, 2.2f, Rgb(240, 240, 240));
    Line(c, hx + 2, 15 + bob, 16 + kneeR, 19 + bob * 0.5f, 2.2f, Rgb(240, 240, 240));
    Line(c, 16 + kneeR, 19 + bob * 0.5f, 17, 23, 2.2f, Rgb(240, 240, 240));
    // Arms: one up, one out, swapping through the loop.
    float aL = -kPi / 2 + std::sin(ph) * 1.2f - 0.6f, aR = -kPi / 2 - std::sin(ph) * 1.2f + 0.6f;
    float sxL = hx - 3, sxR = hx + 3, sy = 11 + bob;
    Line(c, sxL, sy, sxL + 6 * std::cos(aL - 0.9f), sy + 6 * std::sin(aL - 0.9f), 2, skin);
    Line(c, sxR, sy, sxR + 6 * std::cos(aR + 0.9f), sy + 6 * std::sin(aR + 0.9f), 2, skin);
    // Body: the coat.
    FillRoundRect(c, hx - 4, 10 + bob, hx + 4, 17 + bob, 1.5f, coat);
    FillRect(c, hx - 4, 15 + bob, hx + 4, 16 + bob, coatDark);
    FillRect(c, hx - 0.5f, 10 + bob, hx + 0.5f, 15 + bob, Rgb(240, 240, 250));
    // Head with headband and moustache.
    FillEllipse(c, hx, hy, 3.8f, 3.8f, skin);
    FillRect(c, hx - 3.8f, hy - 2.5f, hx + 3.8f, hy - 1.2f, Rgb(230, 40, 40));
    Dot(c, int(hx - 1.5f), int(hy), ink);
    Dot(c, int(hx + 1.5f), int(hy), ink);
    FillRect(c, hx - 2, hy + 1.5f, hx + 2, hy + 2.3f, Rgb(60, 40, 30));
    Harden(c);
    Outline(c, ink, false);
  });
}

}  // namespace

bool DrawEffectItem(TArt& art, const TPictureSpec& s, TRaster& out) {
  const std::string n = s.Name;
  if (n == "barst_1")
    out = Explosion(s);
  else if (n == "effect_finish")
    out = FinishBurst(s);
  else if (n == "blood")
    out = Blood(s);
  else if (n == "bakudan")
    out = Bomb(art, s);
  else if (n == "dance_oyaji")
    out = Dancer(s);
  else
    return false;
  return true;
}
