// Small helpers shared by the media tests: surfaces with recognisable pixels
// and picture items built from them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "media/picture_list.h"

namespace mt {

// A pixel value that encodes its position (never 0 and never the key
// colours used by the tests).
inline uint16_t Mark(int x, int y) {
  return static_cast<uint16_t>(0x0800 + y * 64 + x);
}

// A w x h surface whose pixel (x, y) is Mark(x, y).
inline Surface Marked(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.At(x, y) = Mark(x, y);
  return s;
}

// An item whose picture is Marked(w, h), cut into pw x ph cells.
inline TPictureItem MarkedItem(int w, int h, int pw = 0, int ph = 0, bool transparent = false) {
  TPictureItem item;
  item.Name = "test";
  item.Picture = Marked(w, h);
  item.PatternWidth = pw;
  item.PatternHeight = ph;
  item.Transparent = transparent;
  RestorePicture(item);
  return item;
}

// A w x h surface whose pixels count up from first, row by row.
inline Surface Counting(int w, int h, uint16_t first) {
  Surface s(w, h);
  for (size_t i = 0; i < s.Pixels.size(); ++i) s.Pixels[i] = static_cast<uint16_t>(first + i);
  return s;
}

inline int CountValue(const Surface& s, uint16_t v) {
  int n = 0;
  for (uint16_t p : s.Pixels) n += p == v;
  return n;
}

}  // namespace mt
