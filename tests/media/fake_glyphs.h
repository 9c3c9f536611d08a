// A glyph source for tests: every character is a solid block whose size
// depends on its width class, so positions can be read back from pixels.
#pragma once
#include <map>
#include <vector>

#include "media/text_canvas.h"

class FakeGlyphs : public IGlyphSource {
 public:
  // Half-width characters: a 3 x 4 block at (1, 2), advance 6; others a
  // 10 x 9 block at (1, 1), advance 12. Space is blank.
  const TGlyph& Glyph(char32_t code, int height) override {
    Requests.push_back(code);
    LastHeight = height;
    auto it = cache_.find(code);
    if (it != cache_.end()) return it->second;
    TGlyph g;
    const bool half = code < 0x100;
    g.Advance = half ? 6 : 12;
    if (code != U' ') {
      g.Width = half ? 3 : 10;
      g.Rows = half ? 4 : 9;
      g.Left = 1;
      g.Top = half ? 2 : 1;
      g.Bits.assign(static_cast<size_t>(g.Width) * g.Rows, 1);
    }
    return cache_.emplace(code, g).first->second;
  }
  std::vector<char32_t> Requests;
  int LastHeight = 0;

 private:
  std::map<char32_t, TGlyph> cache_;
};
