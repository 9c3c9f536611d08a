// FreeType glyph source: fontconfig finds the face, FreeType renders each
// glyph once in monochrome, placed in a cell of the requested pixel height.
#include "platform/freetype/freetype_glyphs.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

struct FreeTypeGlyphSource::Impl {
  FT_Library Lib = nullptr;
  FT_Face Face = nullptr;
  int SizedFor = 0;  // pixel height the face is currently set to
  ~Impl() {
    if (Face) FT_Done_Face(Face);
    if (Lib) FT_Done_FreeType(Lib);
  }
};

FreeTypeGlyphSource::FreeTypeGlyphSource(std::unique_ptr<Impl> impl, std::string file)
    : impl_(std::move(impl)), file_(std::move(file)) {}

FreeTypeGlyphSource::~FreeTypeGlyphSource() = default;

std::unique_ptr<FreeTypeGlyphSource> FreeTypeGlyphSource::Create(std::string& error) {
  if (!FcInit()) {
    error = "fontconfig did not start";
    return nullptr;
  }
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("monospace:lang=ja"));
  if (!pattern) {
    error = "fontconfig could not parse the font request";
    return nullptr;
  }
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) {
    error = "no font matches monospace:lang=ja (install fonts-ipafont-gothic)";
    return nullptr;
  }
  FcChar8* file = nullptr;
  int index = 0;
  std::string path;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
    path = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(match, FC_INDEX, 0, &index);
  FcPatternDestroy(match);
  if (path.empty()) {
    error = "the font matching monospace:lang=ja has no file";
    return nullptr;
  }
  return CreateFromFile(path, index, error);
}

std::unique_ptr<FreeTypeGlyphSource> FreeTypeGlyphSource::CreateFromFile(const std::string& path,
                                                                         int index,
                                                                         std::string& error) {
  auto impl = std::make_unique<Impl>();
  if (FT_Init_FreeType(&impl->Lib)) {
    impl->Lib = nullptr;
    error = "FreeType did not start";
    return nullptr;
  }
  if (FT_New_Face(impl->Lib, path.c_str(), index, &impl->Face)) {
    impl->Face = nullptr;
    error = "FreeType cannot open the font " + path;
    return nullptr;
  }
  if (!FT_IS_SCALABLE(impl->Face) || FT_Select_Charmap(impl->Face, FT_ENCODING_UNICODE)) {
    error = "the font " + path + " is not a scalable Unicode font";
    return nullptr;
  }
  return std::unique_ptr<FreeTypeGlyphSource>(new FreeTypeGlyphSource(std::move(impl), path));
}

const TGlyph& FreeTypeGlyphSource::Glyph(char32_t code, int height) {
  height = std::clamp(height, 1, 256);
  const uint64_t key = (static_cast<uint64_t>(height) << 32) | static_cast<uint32_t>(code);
  auto it = cache_.find(key);
  if (it == cache_.end()) it = cache_.emplace(key, Render(code, height)).first;
  return it->second;
}

namespace {

// Half-width characters take half a cell: ASCII, Latin-1 and half-width kana.
bool IsHalfWidth(char32_t c) {
  return c < 0x100 || (c >= 0xFF61 && c <= 0xFF9F);
}

}  // namespace

TGlyph FreeTypeGlyphSource::Render(char32_t code, int height) {
  TGlyph g;
  const int half = (height + 1) / 2;
  g.Advance = IsHalfWidth(code) ? half : height;
  FT_Face face = impl_->Face;
  if (impl_->SizedFor != height) {
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(height))) return g;
    impl_->SizedFor = height;
  }
  if (code < 0x20) return g;  // control characters draw nothing
  const FT_UInt index = FT_Get_Char_Index(face, code);
  if (index == 0) return g;  // the face lacks it: a blank of the right width
  if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME))
    return g;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bm = slot->bitmap;
  // The baseline sits where the face's ascent, scaled into the cell, ends.
  const double asc = face->ascender, desc = -static_cast<double>(face->descender);
  const int baseline =
      asc + desc > 0 ? static_cast<int>(std::lround(height * asc / (asc + desc))) : height;
  g.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
  g.Width = static_cast<int>(bm.width);
  g.Rows = static_cast<int>(bm.rows);
  g.Left = slot->bitmap_left;
  g.Top = baseline - slot->bitmap_top;
  g.Bits.assign(static_cast<size_t>(g.Width) * g.Rows, 0);
  for (int r = 0; r < g.Rows; ++r) {
    const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(r) * bm.pitch;
    for (int c = 0; c < g.Width; ++c) {
      bool on =
          bm.pixel_mode == FT_PIXEL_MODE_MONO ? (row[c >> 3] >> (7 - (c & 7))) & 1 : row[c] >= 128;
      g.Bits[static_cast<size_t>(r) * g.Width + c] = on ? 1 : 0;
    }
  }
  return g;
}
