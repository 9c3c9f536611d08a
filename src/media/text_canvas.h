// The text canvas of a surface: Shift-JIS text in a fixed-pitch Japanese font
// 12 px high, rectangles and lines, with pen, brush and font kept between uses.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "media/surface.h"

// One monochrome glyph: Width x Rows coverage (0/1), placed Left/Top from the
// pen position (Top counted down from the cell's top), and its advance.
struct TGlyph {
  int Width = 0, Rows = 0, Left = 0, Top = 0, Advance = 0;
  std::vector<uint8_t> Bits;
};

// Where glyphs come from (FreeType in the platform layer, a fake in tests).
class IGlyphSource {
 public:
  virtual ~IGlyphSource() = default;
  // Glyph of a code point at the given pixel height; never null (a blank
  // glyph of the right advance for characters the font lacks).
  virtual const TGlyph& Glyph(char32_t code, int height) = 0;
};

enum class TBrushStyle { Solid, Clear };

class TextCanvas {
 public:
  explicit TextCanvas(Surface& surface) : surface_(&surface) {}
  // Points the canvas at another surface (used when a surface is moved).
  void Rebind(Surface& surface) { surface_ = &surface; }

  // Font, brush and pen keep their values between uses.
  TRgb FontColor{255, 255, 255};
  int FontHeight = 12;
  bool FixedPitch = true;
  TRgb BrushColor{0, 0, 0};
  TBrushStyle BrushStyle = TBrushStyle::Clear;
  TRgb PenColor{0, 128, 0};

  void SetGlyphSource(IGlyphSource* source) { glyphs_ = source; }
  IGlyphSource* GlyphSource() const { return glyphs_; }
  // Text is CP932 bytes; (x, y) is the top-left corner of the text.
  void TextOut(int x, int y, const std::string& sjis);
  // Outline in the pen colour; the inside filled with the brush unless Clear.
  void Rectangle(int left, int top, int right, int bottom);
  void MoveTo(int x, int y);
  // Line in the pen colour; the end point itself is not drawn.
  void LineTo(int x, int y);
  int PenX() const { return penX_; }
  int PenY() const { return penY_; }

 private:
  void Plot(int x, int y, uint16_t pixel);
  // The code points of a CP932 text: the same few texts are drawn every
  // frame, so the last kTextCacheSize conversions are kept.
  const std::u32string& CodePoints(const std::string& sjis);
  static constexpr size_t kTextCacheSize = 32;
  struct TConverted {
    std::string Sjis;
    std::u32string Codes;
  };
  std::vector<TConverted> converted_;
  size_t nextSlot_ = 0;
  Surface* surface_;
  IGlyphSource* glyphs_ = nullptr;
  int penX_ = 0, penY_ = 0;
};

// The canvas of a surface, created on first use. The glyph source given the
// first time is kept.
TextCanvas& SurfaceCanvas(Surface& surface, IGlyphSource* glyphs = nullptr);
// Ends a run of canvas calls (kept for the drawing order; nothing is buffered).
void ReleaseCanvas(Surface& surface);
