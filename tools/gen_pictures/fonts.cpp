// FreeType and fontconfig access for the picture generator: text masks from
// outline fonts and colour emoji bitmaps.
#include "gen_pictures/fonts.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>

#include <algorithm>
#include <cmath>
#include <vector>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

struct TFonts::TImpl {
  FT_Library Lib = nullptr;
  FT_Face Japanese = nullptr, Latin = nullptr, Emoji = nullptr;
  std::string JapanesePath, LatinPath, EmojiPath;
};

namespace {

std::string MatchFont(const char* pattern) {
  std::string path;
  FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
  if (!pat) return path;
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pat, &result);
  if (match) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
      path = reinterpret_cast<const char*>(file);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pat);
  return path;
}

}  // namespace

std::u32string DecodeUtf8(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = s[i];
    int n = c < 0x80             ? 0
            : (c & 0xE0) == 0xC0 ? 1
            : (c & 0xF0) == 0xE0 ? 2
            : (c & 0xF8) == 0xF0 ? 3
                                 : -1;
    if (n < 0) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    char32_t cp = n == 0 ? c : c & (0x7F >> (n + 1));
    bool ok = true;
    for (int k = 1; k <= n; ++k) {
      if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    out.push_back(ok ? cp : 0xFFFD);
    i += ok ? n + 1 : 1;
  }
  return out;
}

TFonts::TFonts() : Impl(new TImpl) {}

TFonts::~TFonts() {
  if (Impl->Japanese) FT_Done_Face(Impl->Japanese);
  if (Impl->Latin) FT_Done_Face(Impl->Latin);
  if (Impl->Emoji) FT_Done_Face(Impl->Emoji);
  if (Impl->Lib) FT_Done_FreeType(Impl->Lib);
  delete Impl;
}

bool TFonts::Open(std::string& error) {
  if (FT_Init_FreeType(&Impl->Lib)) {
    error = "FreeType did not start";
    return false;
  }
  if (!FcInit()) {
    error = "fontconfig did not start";
    return false;
  }
  Impl->JapanesePath = MatchFont("sans:lang=ja");
  Impl->LatinPath = MatchFont("DejaVu Sans:bold");
  Impl->EmojiPath = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";
  if (FILE* f = fopen(Impl->EmojiPath.c_str(), "rb")) {
    fclose(f);
  } else {
    Impl->EmojiPath = MatchFont("Noto Color Emoji");
  }
  struct {
    const std::string& Path;
    FT_Face* Face;
    const char* What;
  } faces[] = {{Impl->JapanesePath, &Impl->Japanese, "Japanese font (fonts-ipafont-gothic)"},
               {Impl->LatinPath, &Impl->Latin, "bold Latin font (fonts-dejavu-core)"},
               {Impl->EmojiPath, &Impl->Emoji, "colour emoji font (fonts-noto-color-emoji)"}};
  for (auto& f : faces)
    if (f.Path.empty() || FT_New_Face(Impl->Lib, f.Path.c_str(), 0, f.Face)) {
      error = std::string("cannot open the ") + f.What + " '" + f.Path + "'";
      return false;
    }
  if (Impl->Emoji->num_fixed_sizes < 1 || FT_Select_Size(Impl->Emoji, 0)) {
    error = "the emoji font has no bitmap strike";
    return false;
  }
  return true;
}

std::string TFonts::Describe() const {
  return Impl->JapanesePath + ", " + Impl->LatinPath + ", " + Impl->EmojiPath;
}

TRaster TFonts::Text(const std::string& utf8, TFace which, int px, float embolden, bool mono) {
  FT_Face face = which == TFace::Japanese ? Impl->Japanese : Impl->Latin;
  FT_Set_Pixel_Sizes(face, 0, px);
  struct TGlyph {
    std::vector<uint8_t> Cov;
    int W, H, Left, Top, Adv;
  };
  std::vector<TGlyph> glyphs;
  int pen = 0, minX = 1 << 20, maxX = -(1 << 20), minY = 1 << 20, maxY = -(1 << 20);
  std::vector<int> at;
  for (char32_t cp : DecodeUtf8(utf8)) {
    FT_UInt index = FT_Get_Char_Index(face, cp);
    FT_Int32 flags = mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
    if (FT_Load_Glyph(face, index, flags | FT_LOAD_NO_BITMAP)) continue;
    FT_GlyphSlot slot = face->glyph;
    if (embolden > 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      FT_Pos e = FT_Pos(embolden * 64);
      FT_Outline_EmboldenXY(&slot->outline, e, e);
    }
    if (FT_Render_Glyph(slot, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL)) continue;
    const FT_Bitmap& bm = slot->bitmap;
    TGlyph g{{},
             int(bm.width),
             int(bm.rows),
             slot->bitmap_left,
             slot->bitmap_top,
             int((slot->advance.x + 32) >> 6) + int(std::lround(embolden))};
    g.Cov.resize(size_t(g.W) * g.H);
    for (int y = 0; y < g.H; ++y)
      for (int x = 0; x < g.W; ++x) {
        const unsigned char* row = bm.buffer + y * bm.pitch;
        g.Cov[size_t(y) * g.W + x] = mono ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255 : row[x];
      }
    if (g.W > 0 && g.H > 0) {
      minX = std::min(minX, pen + g.Left), maxX = std::max(maxX, pen + g.Left + g.W);
      minY = std::min(minY, -g.Top), maxY = std::max(maxY, -g.Top + g.H);
    }
    at.push_back(pen);
    glyphs.push_back(std::move(g));
    pen += glyphs.back().Adv;
  }
  if (maxX <= minX || maxY <= minY) return TRaster(1, 1);
  TRaster out(maxX - minX, maxY - minY);
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const TGlyph& g = glyphs[i];
    for (int y = 0; y < g.H; ++y)
      for (int x = 0; x < g.W; ++x) {
        float c = g.Cov[size_t(y) * g.W + x] / 255.0f;
        if (c <= 0) continue;
        int ox = at[i] + g.Left + x - minX, oy = -g.Top + y - minY;
        TRgba& p = out.At(ox, oy);
        p = {1, 1, 1, std::min(1.0f, p.A + c)};
      }
  }
  return out;
}

const TRaster& TFonts::Emoji(char32_t cp) {
  auto found = EmojiCache.find(cp);
  if (found != EmojiCache.end()) return found->second;
  TRaster& out = EmojiCache[cp];
  FT_Face face = Impl->Emoji;
  FT_UInt index = FT_Get_Char_Index(face, cp);
  if (!index || FT_Load_Glyph(face, index, FT_LOAD_COLOR) ||
      FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL))
    return out;
  const FT_Bitmap& bm = face->glyph->bitmap;
  if (bm.pixel_mode != FT_PIXEL_MODE_BGRA) return out;
  out = TRaster(int(bm.width), int(bm.rows));
  for (int y = 0; y < out.H; ++y)
    for (int x = 0; x < out.W; ++x) {
      const unsigned char* p = bm.buffer + y * bm.pitch + x * 4;
      float a = p[3] / 255.0f;
      // The strike is premultiplied BGRA.
      if (a > 0) out.At(x, y) = {p[2] / 255.0f / a, p[1] / 255.0f / a, p[0] / 255.0f / a, a};
    }
  return out;
}
