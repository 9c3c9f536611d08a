// The hand-drawn pixel font of the 12 px text: the table's shapes (sizes,
// baseline, no blobs, letters far enough apart) and which glyphs it serves.
#include "media/latin_pixel_font.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstring>
#include <string>

#include "base/sjis.h"
#include "fake_glyphs.h"
#include "platform/freetype/freetype_glyphs.h"

namespace {

using TCell = std::array<std::array<uint8_t, kPixelFontAdvance>, kPixelFontHeight>;

// A glyph placed in its 6 x 12 cell, as the canvas draws it.
TCell Place(const TGlyph& g) {
  TCell cell{};
  for (int y = 0; y < g.Rows; ++y)
    for (int x = 0; x < g.Width; ++x)
      if (g.Bits[static_cast<size_t>(y) * g.Width + x]) {
        const int cx = g.Left + x, cy = g.Top + y;
        if (cx >= 0 && cy >= 0 && cx < kPixelFontAdvance && cy < kPixelFontHeight) cell[cy][cx] = 1;
      }
  return cell;
}

// The cell of a character as the table draws it, read straight from its strip.
TCell TableCell(char c) {
  TCell cell{};
  for (const TPixelFontStrip& s : PixelFontStrips()) {
    const char* at = std::strchr(s.Codes, c);
    if (!at) continue;
    const size_t k = static_cast<size_t>(at - s.Codes);
    for (int y = 0; y < kPixelFontHeight; ++y)
      for (int x = 0; x < kPixelFontAdvance; ++x)
        cell[y][x] = s.Rows[y][k * kPixelFontAdvance + x] == '#';
  }
  return cell;
}

bool HasFilledBlock(const TCell& c) {
  for (int y = 0; y + 3 <= kPixelFontHeight; ++y)
    for (int x = 0; x + 3 <= kPixelFontAdvance; ++x) {
      int n = 0;
      for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) n += c[y + j][x + i];
      if (n == 9) return true;
    }
  return false;
}

int Differing(const TCell& a, const TCell& b) {
  int n = 0;
  for (int y = 0; y < kPixelFontHeight; ++y)
    for (int x = 0; x < kPixelFontAdvance; ++x) n += a[y][x] != b[y][x];
  return n;
}

bool IsKeyChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-';
}

LatinPixelGlyphSource FakeBacked(FakeGlyphs*& fake) {
  auto rest = std::make_unique<FakeGlyphs>();
  fake = rest.get();
  return LatinPixelGlyphSource(std::move(rest));
}

}  // namespace

TEST(LatinPixelFont, TableIsWhole) {
  for (const std::string& fault : PixelFontFaults()) ADD_FAILURE() << fault;
  int held = 0;
  for (const TPixelFontStrip& s : PixelFontStrips()) held += static_cast<int>(std::strlen(s.Codes));
  EXPECT_EQ(held, '~' - '!' + 1);
}

TEST(LatinPixelFont, GlyphsSitInTheirCellsOnOneBaseline) {
  FakeGlyphs* fake = nullptr;
  LatinPixelGlyphSource font = FakeBacked(fake);
  for (char c = '!'; c <= '~'; ++c) {
    SCOPED_TRACE(std::string("glyph '") + c + "'");
    const TGlyph& g = font.Glyph(static_cast<char32_t>(c), kPixelFontHeight);
    EXPECT_EQ(g.Advance, kPixelFontAdvance);
    ASSERT_EQ(g.Bits.size(), static_cast<size_t>(g.Width) * g.Rows);
    int ink = 0;
    for (uint8_t b : g.Bits) ink += b;
    EXPECT_GT(ink, 0);
    // The last column stays blank so that neighbours never touch.
    EXPECT_GE(g.Left, 0);
    EXPECT_LE(g.Left + g.Width, kPixelFontAdvance - 1);
    EXPECT_GE(g.Top, 0);
    EXPECT_LE(g.Top + g.Rows, kPixelFontHeight);
    // Capitals and digits stand on rows 3..9, small letters end on row 9
    // or, with a descender, on row 11.
    const int bottom = g.Top + g.Rows - 1;
    if (std::isupper(static_cast<unsigned char>(c)) ||
        std::isdigit(static_cast<unsigned char>(c))) {
      EXPECT_EQ(g.Top, 3);
      EXPECT_EQ(bottom, 9);
    } else if (std::islower(static_cast<unsigned char>(c))) {
      const bool descends = std::strchr("gjpqy", c) != nullptr;
      EXPECT_EQ(bottom, descends ? 11 : 9);
      EXPECT_LE(g.Top, 5);
    }
    // The glyph served is the table's drawing.
    EXPECT_EQ(Place(g), TableCell(c));
  }
  EXPECT_TRUE(fake->Requests.empty());
}

TEST(LatinPixelFont, NoGlyphIsABlob) {
  for (char c = '!'; c <= '~'; ++c)
    EXPECT_FALSE(HasFilledBlock(TableCell(c))) << "'" << c << "' has a filled 3 x 3 block";
}

// A letter, digit or '-' differs from every other glyph in at least 3 pixels:
// one or two pixels are a dot or a stroke end, which is lost at scale 1 when
// the text is dimmed or read at a glance; 3 is a piece of stroke. Other
// punctuation need only differ ('.' and ':' are one dot apart).
TEST(LatinPixelFont, LettersDifferInAtLeastThreePixels) {
  for (char a = '!'; a <= '~'; ++a)
    for (char b = static_cast<char>(a + 1); b <= '~'; ++b)
      EXPECT_GE(Differing(TableCell(a), TableCell(b)), IsKeyChar(a) || IsKeyChar(b) ? 3 : 1)
          << "'" << a << "' and '" << b << "'";
}

TEST(LatinPixelFont, ServesAsciiAtTwelvePixelsAndHandsOnTheRest) {
  FakeGlyphs* fake = nullptr;
  LatinPixelGlyphSource font = FakeBacked(fake);
  EXPECT_TRUE(font.Serves(U'M'));
  EXPECT_TRUE(font.Serves(U' '));
  EXPECT_EQ(font.Glyph(U' ', 12).Advance, 6);
  EXPECT_TRUE(font.Glyph(U' ', 12).Bits.empty());
  EXPECT_EQ(Place(font.Glyph(U'M', 12)), TableCell('M'));
  EXPECT_TRUE(fake->Requests.empty());
  // Kana, full-width letters, control characters, DEL, Latin-1 and other
  // sizes come from the source behind.
  const std::pair<char32_t, int> passed[] = {{U'あ', 12}, {U'Ｍ', 12}, {U'\t', 12}, {0x7F, 12},
                                             {U'é', 12},  {U'M', 16},  {U'M', 11},  {U'漢', 24}};
  for (auto [code, height] : passed) {
    fake->Requests.clear();
    const TGlyph& g = font.Glyph(code, height);
    ASSERT_EQ(fake->Requests.size(), 1u) << static_cast<uint32_t>(code);
    EXPECT_EQ(fake->Requests[0], code);
    EXPECT_EQ(fake->LastHeight, height);
    EXPECT_EQ(&g, &fake->Glyph(code, height));
  }
}

TEST(LatinPixelFont, CanvasDrawsTheTableOverTheJapaneseFace) {
  std::string error;
  auto face = FreeTypeGlyphSource::Create(error);
  ASSERT_NE(face, nullptr) << error;
  FreeTypeGlyphSource* ft = face.get();
  LatinPixelGlyphSource font(std::move(face));
  Surface s(40, 16);
  TextCanvas& c = SurfaceCanvas(s, &font);
  c.TextOut(2, 1, Sjis("MWあ"));
  // M and W exactly as drawn in the table, each from its pen position.
  for (int k = 0; k < 2; ++k) {
    const TCell want = TableCell("MW"[k]);
    for (int y = 0; y < kPixelFontHeight; ++y)
      for (int x = 0; x < kPixelFontAdvance; ++x)
        EXPECT_EQ(s.At(2 + 6 * k + x, 1 + y) != 0, want[y][x] != 0)
            << "MW"[k] << " at " << x << "," << y;
  }
  // The kana keeps the Japanese face after them.
  int kana = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 14; x < 26; ++x) kana += s.At(x, y) != 0;
  int want = 0;
  for (uint8_t b : ft->Glyph(U'あ', 12).Bits) want += b;
  EXPECT_GT(want, 10);
  EXPECT_EQ(kana, want);
  // Other sizes of Latin letters are the face's own glyphs.
  EXPECT_EQ(&font.Glyph(U'M', 16), &ft->Glyph(U'M', 16));
}
