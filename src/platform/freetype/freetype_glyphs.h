// Glyphs of the fixed-pitch Japanese face (fontconfig "monospace:lang=ja")
// rendered monochrome by FreeType and kept per code point and pixel height.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "media/text_canvas.h"

class FreeTypeGlyphSource : public IGlyphSource {
 public:
  // The face found by fontconfig, or nullptr with a message in error.
  static std::unique_ptr<FreeTypeGlyphSource> Create(std::string& error);
  // A given font file (index = face in a collection), or nullptr with a message.
  static std::unique_ptr<FreeTypeGlyphSource> CreateFromFile(const std::string& path, int index,
                                                             std::string& error);
  ~FreeTypeGlyphSource() override;
  FreeTypeGlyphSource(const FreeTypeGlyphSource&) = delete;
  FreeTypeGlyphSource& operator=(const FreeTypeGlyphSource&) = delete;

  const TGlyph& Glyph(char32_t code, int height) override;
  const std::string& FontFile() const { return file_; }

 private:
  struct Impl;
  FreeTypeGlyphSource(std::unique_ptr<Impl> impl, std::string file);
  TGlyph Render(char32_t code, int height);
  std::unique_ptr<Impl> impl_;
  std::string file_;
  std::unordered_map<uint64_t, TGlyph> cache_;
};
