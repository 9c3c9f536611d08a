// The stage backdrops "haikei_<terrain>": a seamless 40 x 40 pixel-art tile
// per terrain, kept dark so that the HUD, windows and enemies read over them.
// Only lone pixels (stars, flakes, embers) may be bright: anything drawn in
// runs or clusters stays under luminance 0.02, so even the darkest enemy
// (the foot soldier) keeps 3:1 against the pixels around it.
#include <cmath>
#include <string>

#include "gen_pictures/art.h"
#include "gen_pictures/backdrops.h"

namespace {

constexpr float kTau = 6.28318531f;
constexpr int kSize = 40;

// 4 x 4 ordered dither: true when the level v (0..1) lights this pixel.
bool Dither(float v, int x, int y) {
  static const int bayer[16] = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};
  return v * 16 > bayer[(y & 3) * 4 + (x & 3)] + 0.5f;
}

int Wrap(int v) {
  return ((v % kSize) + kSize) % kSize;
}

// Sky of the first steps: deep blue with soft dithered clouds drifting by.
TRgba Blue(int x, int y) {
  float cloud = TileNoise(x + 0.5f, (y + 0.5f) * 2, 4, 31) * 0.7f + TileNoise(x, y, 8, 32) * 0.3f;
  float below =
      TileNoise(x + 0.5f, (y + 1.5f) * 2, 4, 31) * 0.7f + TileNoise(x, y + 1, 8, 32) * 0.3f;
  if (cloud > 0.62f) return below <= 0.62f ? Rgb(16, 24, 66) : Rgb(16, 20, 57);
  if (Dither((cloud - 0.45f) / 0.17f, x, y)) return Rgb(8, 16, 49);
  if (Hash01(x, y, 33) > 0.992f) return Rgb(41, 52, 90);
  return Rgb(8, 12, 41);
}

// Meadow: dithered dark greens with tufts of blades and a few small flowers.
TRgba Grass(int x, int y) {
  TRgba c = Dither(TileNoise(x, y, 5, 41), x, y) ? Rgb(0, 16, 8) : Rgb(0, 12, 0);
  // One tuft in every 8 x 8 cell, somewhere inside it.
  static const char* const tuft[3] = {"..x..", "x.x.x", ".xxx."};
  int cx = Wrap(x) / 8, cy = Wrap(y) / 8;
  int ox = int(Hash01(cx, cy, 42) * 4), oy = int(Hash01(cx, cy, 43) * 5);
  int tx = Wrap(x) - cx * 8 - ox, ty = Wrap(y) - cy * 8 - oy;
  if (tx >= 0 && tx < 5 && ty >= 0 && ty < 3 && tuft[ty][tx] == 'x')
    return ty == 0 ? Rgb(16, 32, 16) : Rgb(8, 28, 8);
  if (tx == 2 && ty == 3) return Rgb(0, 8, 0);  // the tuft's shadow
  float flower = Hash01(cx, cy, 44);
  if (flower > 0.75f && tx == -1 && ty == -1)
    return flower > 0.88f ? Rgb(66, 49, 24) : Rgb(57, 36, 49);
  return c;
}

// Desert: dune ripples curving across the tile, pebbles here and there.
TRgba Sand(int x, int y) {
  float bend = 3 * std::sin(kTau * (x + 0.5f) / 40) + 2 * TileNoise(x, y, 4, 51);
  float band = std::fmod(y + bend + 40, 8.0f) / 8;
  if (band < 0.14f) return Rgb(16, 8, 0);
  if (band < 0.28f) return Rgb(33, 20, 8);
  TRgba c = Dither(TileNoise(x, y, 10, 52) * 0.6f, x, y) ? Rgb(33, 16, 8) : Rgb(24, 12, 8);
  if (Hash01(x / 2, y / 2, 53) > 0.985f) c = Rgb(16, 12, 8);
  return c;
}

// Night sky: a faint dithered nebula, dim stars and a few twinkling ones.
TRgba Night(int x, int y) {
  float haze = TileNoise(x, y, 4, 61) * TileNoise(x + 13, y, 8, 62);
  TRgba c = Dither(haze * 1.6f, x, y) ? Rgb(16, 8, 41) : Rgb(8, 4, 24);
  struct TStar {
    int X, Y;
    bool Bright;
  };
  static const TStar stars[] = {{4, 6, true},   {23, 3, false}, {31, 14, false}, {13, 17, false},
                                {35, 27, true}, {8, 30, false}, {20, 36, false}, {27, 23, false},
                                {17, 9, false}, {38, 38, false}};
  for (const TStar& s : stars) {
    int dx = std::abs(Wrap(x - s.X + 20) - 20), dy = std::abs(Wrap(y - s.Y + 20) - 20);
    if (dx == 0 && dy == 0) return s.Bright ? Rgb(156, 160, 206) : Rgb(33, 36, 66);
    if (s.Bright && dx + dy == 1) return Rgb(24, 24, 57);
  }
  return c;
}

// Brick wall: staggered 20 x 10 bricks, each its own shade, dark mortar.
TRgba Brick(int x, int y) {
  int row = Wrap(y) / 10, yy = Wrap(y) % 10;
  int shifted = Wrap(x + (row % 2) * 10), col = shifted / 20, xx = shifted % 20;
  if (yy == 9 || xx == 19) return Rgb(8, 4, 8);
  float shade = Hash01(col, row, 71);
  TRgba c = shade < 0.33f ? Rgb(33, 12, 8) : shade < 0.66f ? Rgb(24, 8, 8) : Rgb(33, 12, 16);
  if (yy == 0 || xx == 0) c = Rgb(41, 16, 16);  // the lit top and left edges
  if (Hash01(shifted / 3, y / 3, 72) > 0.93f && yy > 1 && xx > 1) c = Rgb(24, 8, 8);  // chips
  return c;
}

// Sea: rows of scalloped wave crests over water darkening with depth.
TRgba Sea(int x, int y) {
  int row = Wrap(y) / 10;
  float crest = row * 10 + 2 + 1.5f * std::sin(kTau * (x + 0.5f + row * 7) / 20);
  float depth = Wrap(y) + 0.5f - crest;
  if (depth < 0) depth += 40;
  if (depth >= 40) depth -= 40;
  if (depth < 1) {  // the crest: dim foam with lone glints
    if (Hash01(x, row, 83) > 0.92f) return Rgb(49, 89, 99);
    return Hash01(x / 2, row, 82) > 0.75f ? Rgb(16, 28, 57) : Rgb(16, 24, 41);
  }
  if (depth > 38 || (depth < 2 && Hash01(x, row, 81) > 0.5f)) return Rgb(8, 24, 41);
  float lit = 1 - std::fmin(depth, 10.0f) / 10;
  return Dither(lit * 0.8f, x, y) ? Rgb(0, 16, 33) : Rgb(0, 12, 24);
}

// Snowfield: slate drifts with pale ridges and falling flakes.
TRgba Snow(int x, int y) {
  float ridge = std::fmod(y + 2 * std::sin(kTau * (x + 0.5f) / 40 + 1) + 40, 13.333f);
  TRgba c = Dither(TileNoise(x, y, 5, 91) * 0.7f, x, y) ? Rgb(16, 20, 41) : Rgb(8, 12, 33);
  if (ridge < 1) c = Rgb(16, 20, 49);
  if (ridge >= 1 && ridge < 2) c = Rgb(0, 4, 24);
  static const int flakes[][2] = {{5, 3}, {19, 11}, {33, 6}, {11, 24}, {27, 29}, {37, 19}, {2, 35}};
  for (auto& f : flakes) {
    int dx = std::abs(Wrap(x - f[0] + 20) - 20), dy = std::abs(Wrap(y - f[1] + 20) - 20);
    if (dx == 0 && dy == 0) return Rgb(156, 168, 197);
    if (dx + dy == 1) return Rgb(24, 28, 57);
  }
  return c;
}

// Lava field: black basalt plates split by cracks that glow from within.
TRgba Lava(int x, int y) {
  // Distances to the two nearest feature points of a jittered 4 x 4 grid.
  float d1 = 1e9f, d2 = 1e9f;
  for (int gy = 0; gy < 4; ++gy)
    for (int gx = 0; gx < 4; ++gx) {
      float px = gx * 10 + 2 + Hash01(gx, gy, 101) * 6, py = gy * 10 + 2 + Hash01(gx, gy, 102) * 6;
      float dx = std::abs(x + 0.5f - px), dy = std::abs(y + 0.5f - py);
      dx = std::fmin(dx, 40 - dx), dy = std::fmin(dy, 40 - dy);
      float d = std::sqrt(dx * dx + dy * dy);
      if (d < d1)
        d2 = d1, d1 = d;
      else if (d < d2)
        d2 = d;
    }
  // The cracks glow dull red, with lone embers where the heat shows through.
  float edge = d2 - d1;
  if (edge < 0.6f) {
    if (TileNoise(x, y, 5, 103) > 0.6f && Hash01(x, y, 105) > 0.8f) return Rgb(206, 89, 16);
    return TileNoise(x, y, 5, 103) > 0.5f ? Rgb(57, 12, 0) : Rgb(41, 8, 0);
  }
  if (edge < 1.4f) return Rgb(24, 4, 0);
  return Dither(TileNoise(x, y, 8, 104) * 0.5f, x, y) ? Rgb(16, 12, 16) : Rgb(8, 8, 8);
}

// Steel deck: 20 x 20 plates with bevelled seams, rivets and a soft sheen.
TRgba Metal(int x, int y) {
  int px = Wrap(x) % 20, py = Wrap(y) % 20;
  if (px == 0 || py == 0) return Rgb(0, 4, 8);
  if (px == 1 || py == 1) return Rgb(16, 24, 33);
  if ((px == 4 || px == 16) && (py == 4 || py == 16)) return Rgb(82, 89, 107);
  if ((px == 5 || px == 17) && (py == 5 || py == 17)) return Rgb(0, 4, 8);
  float sheen = 0.5f + 0.5f * std::sin(kTau * (x - y + 0.5f) / 40);
  return Dither(sheen * 0.6f, x, y) ? Rgb(16, 20, 24) : Rgb(8, 12, 16);
}

TRgba TerrainPixel(const std::string& terrain, int x, int y) {
  if (terrain == "grass") return Grass(x, y);
  if (terrain == "sand") return Sand(x, y);
  if (terrain == "night") return Night(x, y);
  if (terrain == "brick") return Brick(x, y);
  if (terrain == "sea") return Sea(x, y);
  if (terrain == "snow") return Snow(x, y);
  if (terrain == "lava") return Lava(x, y);
  if (terrain == "metal") return Metal(x, y);
  return Blue(x, y);
}

}  // namespace

const std::array<TPictureSpec, 9> kBackdropSpecs = {{
    {"haikei_blue", 40, 40, 40, 40, 1, false, 255, 0, 255},
    {"haikei_grass", 40, 40, 40, 40, 1, false, 255, 0, 255},
    {"haikei_sand", 40, 40, 40, 40, 1, false, 255, 0, 255},
    {"haikei_night", 40, 40, 40, 40, 1, false, 255, 0, 255},
    {"haikei_brick", 40, 40, 40, 40, 1, false, 255, 0, 255},
    {"haikei_sea", 40, 40, 40, 40, 1, false, 255, 0, 255},
    {"haikei_snow", 40, 40, 40, 40, 1, false, 255, 0, 255},
    {"haikei_lava", 40, 40, 40, 40, 1, false, 255, 0, 255},
    {"haikei_metal", 40, 40, 40, 40, 1, false, 255, 0, 255},
}};

bool DrawBackdropItem(const TPictureSpec& s, TRaster& out) {
  const std::string name = s.Name, prefix = "haikei_";
  if (name.rfind(prefix, 0) != 0) return false;
  const std::string terrain = name.substr(prefix.size());
  bool known = false;
  for (const std::string& t : TileNames()) known = known || t == terrain;
  if (!known) return false;
  out = TRaster(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) out.At(x, y) = TerrainPixel(terrain, x, y);
  return true;
}
