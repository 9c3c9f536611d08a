// Our own pixel font for the Latin letters, digits and ASCII punctuation of the
// 12 px text, drawn by hand so that every letter reads at scale 1 (M, W, H and N
// apart); other characters and sizes are handed to another glyph source.
#pragma once
#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "media/text_canvas.h"

// The text size the pixel font is drawn for, and the advance of every glyph.
constexpr int kPixelFontHeight = 12;
constexpr int kPixelFontAdvance = 6;

// One strip of the table: the characters it holds, left to right, and the
// rows of their 6 x 12 cells side by side ('#' ink, '.' paper).
struct TPixelFontStrip {
  const char* Codes;
  std::array<const char*, kPixelFontHeight> Rows;
};

// The hand-drawn table: every printable ASCII character from '!' to '~'.
std::span<const TPixelFontStrip> PixelFontStrips();
// What is wrong with the table: rows of the wrong length or with other marks,
// characters held twice or missing, glyphs with no ink. Empty when sound.
std::vector<std::string> PixelFontFaults();

// Serves the pixel font for ASCII at 12 px and passes everything else (kana,
// kanji, other sizes, characters the table lacks) to the glyph source behind.
class LatinPixelGlyphSource : public IGlyphSource {
 public:
  explicit LatinPixelGlyphSource(std::unique_ptr<IGlyphSource> rest);
  const TGlyph& Glyph(char32_t code, int height) override;
  // Whether the pixel font draws this code point at 12 px.
  bool Serves(char32_t code) const;

 private:
  static constexpr char32_t kFirst = U' ', kLast = U'~';
  std::unique_ptr<IGlyphSource> rest_;
  std::array<TGlyph, kLast - kFirst + 1> glyphs_;
  std::array<bool, kLast - kFirst + 1> drawn_{};
};
