// Fuzz target for the bitmap reader: the input is a .bmp file. A picture the
// reader accepts is put into a picture item, cut into patterns as a letter or
// a tile would be, and drawn onto a field-sized surface in every way the game
// draws patterns.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "media/picture_list.h"
#include "media/surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  int width = -1, height = -1;
  std::vector<TRgb> pixels;
  if (!DecodeBmp(bytes, width, height, pixels)) {
    fuzz::Check(width == -1 && height == -1 && pixels.empty(), "a refused file changes nothing");
    return 0;
  }
  fuzz::Check(width > 0 && height > 0, "an accepted picture has a size");
  fuzz::Check(pixels.size() == static_cast<size_t>(width) * static_cast<size_t>(height),
              "one pixel per position");

  TPictureItem item;
  item.Name = "fuzz";
  item.Transparent = true;
  item.PatternWidth = 10;
  item.PatternHeight = 16;
  SetPicturePixels(item, width, height, pixels);
  fuzz::Check(item.PictureWidth() == width && item.PictureHeight() == height, "item size");
  RestorePicture(item);
  for (const TRect& r : item.Patterns)
    fuzz::Check(r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height,
                "patterns lie inside the picture");

  Surface field(430, 400);
  const int last = item.PatternCount() - 1;
  DrawPattern(item, field, -3, 390, 0);
  DrawPattern(item, field, 425, -5, last);
  StretchPattern(item, field, TRect{-20, 10, 40, 37}, last);
  BlendPattern(item, field, TRect{400, 380, 460, 420}, 0, 128);
  RotatePattern(item, field, 200, 200, 30, 40, 0, 0.5, 0.5, 77);

  // The same item cut as a whole-picture tile.
  item.PatternWidth = 0;
  item.PatternHeight = 0;
  RestorePicture(item);
  fuzz::Check(item.PatternCount() == 1, "a tile is one pattern");
  DrawPattern(item, field, 0, 0, 0);
  return 0;
}
