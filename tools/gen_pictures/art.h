// Shared drawing helpers of the picture generator and the per-item drawing
// routines, each returning the whole picture as an RGBA canvas.
#pragma once
#include <functional>
#include <string>

#include "gen_pictures/fonts.h"
#include "gen_pictures/raster.h"
#include "media/catalog_table.h"

struct TArt {
  TFonts& Fonts;
};

// The style's standard ink: dark outline and a few palette colours.
inline TRgba InkDark() {
  return Rgb(24, 16, 32);
}

// Deterministic pseudo-random value in [0, 1) for a lattice point.
inline float Hash01(int x, int y, int seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return float((h ^ (h >> 16)) & 0xFFFFFF) / float(0x1000000);
}
// Smooth value noise with a lattice step of `scale` pixels.
float Noise(float x, float y, float scale, int seed);
// Value noise that repeats every 40 pixels: `cells` lattice steps per tile.
float TileNoise(float x, float y, int cells, int seed);

// A picture of the item's size made of its cells: draw(cell, n) paints pattern n
// on a fresh cell-sized canvas.
TRaster Cells(const TPictureSpec& s, const std::function<void(TRaster&, int)>& draw);

// A colour emoji scaled into the box (w x h at x, y), turned and mirrored.
void StampEmoji(TArt& art, TRaster& dst, char32_t cp, float x, float y, float w, float h,
                float angle = 0, bool mirror = false);

struct TTextStyle {
  TRgba Top = Rgb(255, 255, 255), Bottom = Rgb(200, 200, 200);
  TRgba Edge = Rgb(24, 16, 32);
  int EdgeWidth = 1;  // outline thickness in pixels, 0 = none
  TRgba Shadow = Rgb(0, 0, 0, 0);
  int ShadowOffset = 0;  // drop shadow below right, 0 = none
  float Embolden = 0;
  bool Mono = false;
};

// Text of at most maxPx pixels, shrunk until it fits the box, centred in it.
// Returns the ink box used (x0, y0, x1, y1) through the optional pointer.
void TextInBox(TArt& art, TRaster& dst, const std::string& text, TFace face, int maxPx, float x0,
               float y0, float x1, float y1, const TTextStyle& style, float* inkBox = nullptr);
// Paints a coverage mask at (x, y) with the paint (evaluated in dst coordinates).
void PaintMask(TRaster& dst, const TRaster& mask, int x, int y, const TPaint& paint);
// Grows a mask by radius pixels (round brush).
TRaster Dilate(const TRaster& mask, int radius);

// Hand-made bold pixel digits: 6 x 9 (rows = 9) or 6 x 8 (rows = 8).
bool DigitPixel(int digit, int rows, int x, int y);

// The drawing of each catalog item, by name; false when the name is unknown.
bool DrawCatalogItem(TArt& art, const TPictureSpec& s, TRaster& out);

// Group routines (each file draws one family of items).
bool DrawUiItem(TArt& art, const TPictureSpec& s, TRaster& out);
bool DrawTextItem(TArt& art, const TPictureSpec& s, TRaster& out);
bool DrawEffectItem(TArt& art, const TPictureSpec& s, TRaster& out);
bool DrawEnemyItem(TArt& art, const TPictureSpec& s, TRaster& out);
bool DrawBossItem(TArt& art, const TPictureSpec& s, TRaster& out);

// Files of the abc folder.
TRaster DrawLetter(TArt& art, const std::string& letter);  // 10 x 14
TRaster DrawTile(const std::string& name);                 // 40 x 40, seamless
// The names of the backdrop tiles, the default first; they are also the
// terrains that the stage backdrops "haikei_<terrain>" are drawn for.
const std::vector<std::string>& TileNames();

// The stage backdrops: one seamless 40 x 40 picture per terrain.
bool DrawBackdropItem(const TPictureSpec& s, TRaster& out);
