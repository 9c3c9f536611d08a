// Glyph sources of the picture generator: the Japanese gothic face, a bold
// Latin face and the colour emoji face, found through fontconfig and drawn by FreeType.
#pragma once
#include <map>
#include <string>

#include "gen_pictures/raster.h"

enum class TFace { Japanese, Latin };

class TFonts {
 public:
  TFonts();
  ~TFonts();
  TFonts(const TFonts&) = delete;
  TFonts& operator=(const TFonts&) = delete;

  // Finds and opens the three faces; false with a message when one is missing.
  bool Open(std::string& error);
  // The text as white ink whose coverage is the glyph coverage, cropped to
  // the ink. embolden widens strokes by that many pixels; mono renders
  // hinted one-bit glyphs (crisp at small sizes).
  TRaster Text(const std::string& utf8, TFace face, int px, float embolden = 0, bool mono = false);
  // One colour emoji (136 x 128, straight alpha), cached; empty when the
  // face has no glyph for the code point.
  const TRaster& Emoji(char32_t cp);
  // Where each face came from, for the report.
  std::string Describe() const;

 private:
  struct TImpl;
  TImpl* Impl;
  std::map<char32_t, TRaster> EmojiCache;
};

// Decodes UTF-8 into code points (invalid bytes become U+FFFD).
std::u32string DecodeUtf8(const std::string& s);
