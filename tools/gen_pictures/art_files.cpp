// The bitmaps of the abc folder: the typed letters (10 x 14 on black, shapes
// from window_letters) and the seamless 40 x 40 backdrop tiles of the window.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "gen_pictures/art.h"
#include "gen_pictures/window_letters.h"

namespace {

constexpr float kTau = 6.28318531f;

float Wave(float v, float period) {
  return 0.5f + 0.5f * std::sin(kTau * v / period);
}

TRgba TilePixel(const std::string& name, float x, float y) {
  float n1 = TileNoise(x, y, 5, 1), n2 = TileNoise(x, y, 10, 2);
  if (name == "grass") {
    float blades = TileNoise(x * 1.0f, y * 0.25f, 20, 3);
    return Mix(Rgb(40, 110, 50), Rgb(90, 170, 70), 0.5f * blades + 0.3f * n1 + 0.2f * n2);
  }
  if (name == "sand") {
    float ripple = Wave(y + 3 * std::sin(kTau * x / 40) + 2 * n1, 10);
    return Mix(Rgb(180, 145, 90), Rgb(225, 195, 135), 0.6f * ripple + 0.4f * n2);
  }
  if (name == "night") {
    TRgba c = Mix(Rgb(14, 16, 44), Rgb(30, 30, 70), 0.6f * n1 + 0.4f * Wave(x + y, 40));
    float star = Hash01(int(x), int(y), 9);
    if (star > 0.985f) c = Mix(c, Rgb(230, 230, 255), 0.8f);
    return c;
  }
  if (name == "brick") {
    int row = int(y) / 10, yy = int(y) % 10;
    int xx = (int(x) + (row % 2) * 10) % 20;
    if (yy == 9 || xx == 19) return Rgb(70, 60, 60);
    float v = Hash01((int(x) + (row % 2) * 10) / 20 % 2, row, 4);
    return Mix(Rgb(140, 60, 45), Rgb(175, 85, 60), 0.5f * v + 0.5f * n2);
  }
  if (name == "sea") {
    float w = Wave(y + 4 * std::sin(kTau * (x + 10 * n1) / 40), 13.333f);
    TRgba c = Mix(Rgb(20, 80, 130), Rgb(40, 130, 170), 0.5f * w + 0.5f * n1);
    if (w > 0.93f) c = Mix(c, Rgb(170, 220, 240), 0.5f);
    return c;
  }
  if (name == "snow") {
    TRgba c = Mix(Rgb(150, 170, 205), Rgb(185, 200, 230), 0.6f * n1 + 0.4f * n2);
    float flake = Hash01(int(x) / 2, int(y) / 2, 5);
    if (flake > 0.96f) c = Rgb(240, 245, 255);
    return c;
  }
  if (name == "lava") {
    float crack = std::abs(TileNoise(x, y, 4, 6) - 0.5f) * 2;
    TRgba c = Mix(Rgb(60, 20, 20), Rgb(90, 30, 25), n2);
    if (crack < 0.18f) c = Mix(Rgb(255, 200, 60), Rgb(230, 80, 20), crack / 0.18f);
    return c;
  }
  if (name == "metal") {
    int px = int(x) % 20, py = int(y) % 20;
    TRgba c = Mix(Rgb(110, 118, 130), Rgb(140, 148, 160), 0.7f * Wave(x - y, 40) + 0.3f * n2);
    if (px == 0 || py == 0) c = Rgb(80, 86, 98);
    if (px == 1 || py == 1) c = Rgb(170, 176, 190);
    if ((px == 4 || px == 16) && (py == 4 || py == 16)) c = Rgb(200, 205, 215);
    return c;
  }
  // blue, the default: soft diagonal bands with a faint sparkle.
  TRgba c = Mix(Rgb(40, 80, 190), Rgb(75, 130, 235), 0.6f * Wave(x + y, 40) + 0.4f * n1);
  if (Hash01(int(x), int(y), 8) > 0.99f) c = Mix(c, Rgb(200, 225, 255), 0.6f);
  return c;
}

}  // namespace

float TileNoise(float x, float y, int cells, int seed) {
  float s = 40.0f / cells;
  float gx = x / s, gy = y / s;
  int ix = int(std::floor(gx)), iy = int(std::floor(gy));
  float fx = gx - ix, fy = gy - iy;
  fx = fx * fx * (3 - 2 * fx), fy = fy * fy * (3 - 2 * fy);
  auto at = [&](int i, int j) {
    return Hash01(((i % cells) + cells) % cells, ((j % cells) + cells) % cells, seed);
  };
  float a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
  return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

const std::vector<std::string>& TileNames() {
  static const std::vector<std::string> names = {"blue", "grass", "sand", "night", "brick",
                                                 "sea",  "snow",  "lava", "metal"};
  return names;
}

TRaster DrawTile(const std::string& name) {
  TRaster r(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) r.At(x, y) = TilePixel(name, x + 0.5f, y + 0.5f);
  return r;
}

TRaster DrawLetter(TArt&, const std::string& letter) {
  // The hand-drawn core at (1, 1) with a bright face, white at the top shading
  // to warm yellow, and a one-pixel dark rim all round that keeps the letter
  // apart from bright window tiles.
  TRaster out(10, 14);
  std::array<std::string, kWindowLetterHeight> rows;
  if (!WindowLetterShape(letter, rows)) return out;
  for (int y = 0; y < kWindowLetterHeight; ++y)
    for (int x = 0; x < kWindowLetterWidth; ++x)
      if (rows[y][x] == '#')
        out.At(x + 1, y + 1) =
            Mix(Rgb(255, 255, 250), Rgb(255, 215, 90), std::clamp((y - 2) / 9.0f, 0.f, 1.f));
  Outline(out, InkDark(), true);
  return out;
}
