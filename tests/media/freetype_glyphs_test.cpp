// The FreeType glyph source on the installed Japanese fixed-pitch face.
#include "platform/freetype/freetype_glyphs.h"

#include <gtest/gtest.h>

#include "base/sjis.h"

TEST(FreeTypeGlyphs, JapaneseFaceAtTwelvePixels) {
  std::string error;
  auto glyphs = FreeTypeGlyphSource::Create(error);
  ASSERT_NE(glyphs, nullptr) << error;
  const TGlyph& a = glyphs->Glyph(U'A', 12);
  const TGlyph& kana = glyphs->Glyph(U'あ', 12);
  const TGlyph& kanji = glyphs->Glyph(U'漢', 12);
  EXPECT_EQ(a.Advance, 6);
  EXPECT_EQ(kana.Advance, 12);
  EXPECT_EQ(kanji.Advance, 12);
  // Monochrome bits inside the 12-pixel cell.
  for (const TGlyph* g : {&a, &kana, &kanji}) {
    ASSERT_EQ(g->Bits.size(), static_cast<size_t>(g->Width) * g->Rows);
    int on = 0;
    for (uint8_t b : g->Bits) {
      ASSERT_LE(b, 1);
      on += b;
    }
    EXPECT_GT(on, 5);
    EXPECT_GE(g->Top, 0);
    EXPECT_LE(g->Top + g->Rows, 12);
  }
  // The same glyph comes from the cache; a blank of the right width for
  // characters without outline.
  EXPECT_EQ(&glyphs->Glyph(U'A', 12), &a);
  const TGlyph& space = glyphs->Glyph(U' ', 12);
  EXPECT_EQ(space.Advance, 6);
  EXPECT_EQ(glyphs->Glyph(0x10FFFD, 12).Advance, 12);
  EXPECT_TRUE(glyphs->Glyph(0x10FFFD, 12).Bits.empty());
}

TEST(FreeTypeGlyphs, MissingFontFileIsReportedNotFatal) {
  std::string error;
  auto glyphs = FreeTypeGlyphSource::CreateFromFile("/nonexistent/font.ttf", 0, error);
  EXPECT_EQ(glyphs, nullptr);
  EXPECT_NE(error.find("/nonexistent/font.ttf"), std::string::npos);
}
