// The picture catalog: named pictures cut into numbered patterns, and the
// pattern drawing operations built on the surface primitives.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "media/surface.h"

struct TPictureItem {
  std::string Name;
  Surface Picture;        // converted to 16 bits; width 0 = no picture
  int PatternWidth = 0;   // 0 = the picture's width
  int PatternHeight = 0;  // 0 = the picture's height
  int SkipWidth = 0;
  int SkipHeight = 0;
  bool SystemMemory = false;
  bool Transparent = false;
  TRgb TransparentColor;
  std::vector<TRect> Patterns;  // rebuilt by RestorePictures

  int PictureWidth() const { return Picture.Width; }
  int PictureHeight() const { return Picture.Height; }
  int PatternCount() const { return static_cast<int>(Patterns.size()); }
};

class TPictureList {
 public:
  std::vector<TPictureItem> Items;

  // Case-insensitive lookup; raises GameError "画像 '%s' が見つかりません".
  TPictureItem& FindPicture(const std::string& name);
  // nullptr when absent.
  TPictureItem* TryFindPicture(const std::string& name);
  // Rebuilds every item's patterns from its picture.
  void RestorePictures();

 private:
  // Lookups go through a sorted table of name hashes (letter case folded),
  // rebuilt when items are added; a hit is checked against the item's name,
  // and anything doubtful falls back to the search in resource order.
  std::vector<std::pair<uint64_t, int>> index_;
  size_t indexedCount_ = 0;
  void RebuildIndex();
  TPictureItem* LinearFind(const std::string& name);
};

// Slices one item's picture into patterns (row by row, partial cells dropped).
void RestorePicture(TPictureItem& item);

// Replaces the item's picture by a .bmp file (1, 4, 8, 24 or 32 bits, as
// written by common tools); patterns are not rebuilt. Raises GameError
// "ファイル %s は開けません" when the file cannot be opened, and another
// GameError when it is not a bitmap; the item then keeps its picture.
void LoadPictureFile(TPictureItem& item, const std::string& path);
// Largest picture decoded, in pixels: a small file can declare a huge picture
// (an 8 MiB 1-bit one holds 67 million), so the decoded size is what counts.
inline constexpr int64_t kMaxPicturePixels = 16000000;
// Decodes a BMP held in memory into RGB888 rows (top row first); false when it
// is not a bitmap this reader understands or has more than kMaxPicturePixels.
bool DecodeBmp(const std::vector<uint8_t>& bytes, int& width, int& height,
               std::vector<TRgb>& pixels);
// The same, with "too large" in `why` when the picture has too many pixels.
bool DecodeBmp(const std::vector<uint8_t>& bytes, int& width, int& height,
               std::vector<TRgb>& pixels, std::string& why);
// Sets an item's picture from RGB888 pixels (converted to 16 bits; the key
// colour is converted the same way).
void SetPicturePixels(TPictureItem& item, int width, int height, const std::vector<TRgb>& pixels);

// Pattern drawing: nothing is drawn for a pattern number outside the item's
// patterns. Transparency follows the item's Transparent flag.
void DrawPattern(const TPictureItem& item, Surface& dest, int x, int y, int pattern);
// count copies of a pattern, the i-th at (x + i * stepX, y + i * stepY), as
// count DrawPattern calls would draw them (window frames use it).
void DrawPatternRun(const TPictureItem& item, Surface& dest, int x, int y, int pattern, int count,
                    int stepX, int stepY);
// columns x rows copies of a pattern, the one of column c and row r at
// (x + c * stepX, y + r * stepY), as DrawPattern calls column by column would
// draw them (backdrops use it).
void DrawPatternGrid(const TPictureItem& item, Surface& dest, int x, int y, int pattern,
                     int columns, int rows, int stepX, int stepY);
void StretchPattern(const TPictureItem& item, Surface& dest, TRect rect, int pattern);
void BlendPattern(const TPictureItem& item, Surface& dest, TRect rect, int pattern, int opacity);
void RotatePattern(const TPictureItem& item, Surface& dest, int x, int y, int width, int height,
                   int pattern, double centerX, double centerY, int angle);
