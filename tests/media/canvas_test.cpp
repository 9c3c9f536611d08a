// The text canvas: glyph placement and colours, rectangles, lines, and the
// multi-line text drawing built on it.
#include <gtest/gtest.h>

#include "base/sjis.h"
#include "fake_glyphs.h"
#include "media/draw_txtline.h"
#include "media/text_canvas.h"
#include "media_test_util.h"

namespace {
const uint16_t kWhite = 0xFFFF;
}

TEST(Canvas, TextOutPlacesGlyphsByAdvance) {
  Surface s(60, 20);
  FakeGlyphs glyphs;
  TextCanvas& c = SurfaceCanvas(s, &glyphs);
  c.TextOut(2, 3, Sjis("Aあ B"));
  ASSERT_EQ(glyphs.Requests.size(), 4u);
  EXPECT_EQ(glyphs.Requests[1], U'あ');
  EXPECT_EQ(glyphs.LastHeight, 12);
  // 'A' block at (2+1, 3+2) 3 x 4; 'あ' from pen 8 at (9, 4) 10 x 9; ' ' blank;
  // 'B' from pen 26 at (27, 5).
  EXPECT_EQ(s.At(3, 5), kWhite);
  EXPECT_EQ(s.At(5, 8), kWhite);
  EXPECT_EQ(s.At(6, 8), 0);
  EXPECT_EQ(s.At(9, 4), kWhite);
  EXPECT_EQ(s.At(18, 12), kWhite);
  EXPECT_EQ(s.At(27, 5), kWhite);
  EXPECT_EQ(mt::CountValue(s, kWhite), 12 + 90 + 12);
}

TEST(Canvas, SolidBrushPaintsTheCellsAndFontColourIsUsed) {
  Surface s(20, 14);
  FakeGlyphs glyphs;
  TextCanvas& c = SurfaceCanvas(s, &glyphs);
  c.FontColor = TRgb{255, 0, 0};
  c.BrushColor = TRgb{0, 0, 255};
  c.BrushStyle = TBrushStyle::Solid;
  c.TextOut(-3, 1, "A");
  // Cell from x -3 to 2 and y 1 to 12; the glyph block at (-2..0, 3..6).
  EXPECT_EQ(s.At(0, 3), RgbTo565(255, 0, 0));
  EXPECT_EQ(s.At(1, 1), RgbTo565(0, 0, 255));
  EXPECT_EQ(s.At(2, 12), RgbTo565(0, 0, 255));
  EXPECT_EQ(s.At(3, 5), 0);
  EXPECT_EQ(s.At(0, 13), 0);
}

TEST(Canvas, RectangleOutlineAndFill) {
  Surface s(8, 8);
  TextCanvas& c = SurfaceCanvas(s);
  c.PenColor = TRgb{0, 128, 0};
  c.Rectangle(1, 1, 5, 4);
  const uint16_t pen = RgbTo565(0, 128, 0);
  EXPECT_EQ(s.At(1, 1), pen);
  EXPECT_EQ(s.At(4, 3), pen);
  EXPECT_EQ(s.At(5, 3), 0);  // right and bottom are exclusive
  EXPECT_EQ(s.At(2, 2), 0);  // clear brush leaves the inside
  EXPECT_EQ(mt::CountValue(s, pen), 10);
  c.BrushStyle = TBrushStyle::Solid;
  c.BrushColor = TRgb{255, 255, 255};
  c.Rectangle(-2, -2, 3, 3);  // clipped on two sides
  EXPECT_EQ(s.At(0, 0), kWhite);
  EXPECT_EQ(s.At(1, 1), kWhite);
  EXPECT_EQ(s.At(2, 0), pen);
  EXPECT_EQ(s.At(2, 2), pen);
  c.Rectangle(3, 3, 3, 9);  // empty: nothing
  EXPECT_EQ(s.At(3, 3), pen);
}

TEST(Canvas, LinesLeaveOutTheirEndPoint) {
  Surface s(10, 10);
  TextCanvas& c = SurfaceCanvas(s);
  c.PenColor = TRgb{255, 255, 255};
  c.MoveTo(1, 1);
  c.LineTo(5, 1);
  EXPECT_EQ(mt::CountValue(s, kWhite), 4);
  EXPECT_EQ(s.At(5, 1), 0);
  EXPECT_EQ(c.PenX(), 5);
  // A diagonal steps one pixel on each axis; continuing from the pen.
  c.LineTo(8, 4);
  EXPECT_EQ(s.At(5, 1), kWhite);
  EXPECT_EQ(s.At(6, 2), kWhite);
  EXPECT_EQ(s.At(7, 3), kWhite);
  EXPECT_EQ(s.At(8, 4), 0);
  // A shallow line: 8 steps across, 2 down, rounded to the nearer row.
  Surface t(10, 4);
  TextCanvas& d = SurfaceCanvas(t);
  d.PenColor = TRgb{255, 255, 255};
  d.MoveTo(0, 0);
  d.LineTo(8, 2);
  const int rows[8] = {0, 0, 1, 1, 1, 1, 2, 2};
  for (int x = 0; x < 8; ++x) EXPECT_EQ(t.At(x, rows[x]), kWhite) << x;
  EXPECT_EQ(mt::CountValue(t, kWhite), 8);
  // Upwards and leftwards, and a line with no length draws nothing.
  Surface u(5, 5);
  TextCanvas& e = SurfaceCanvas(u);
  e.PenColor = TRgb{255, 255, 255};
  e.MoveTo(4, 4);
  e.LineTo(4, 0);
  e.LineTo(4, 0);
  EXPECT_EQ(mt::CountValue(u, kWhite), 4);
  EXPECT_EQ(u.At(4, 0), 0);
  EXPECT_EQ(u.At(4, 1), kWhite);
}

TEST(Canvas, LinesFarOffTheSurfaceAreClippedQuickly) {
  Surface s(10, 10);
  TextCanvas& c = SurfaceCanvas(s);
  c.PenColor = TRgb{255, 255, 255};
  c.MoveTo(-2000000000, 5);
  c.LineTo(2000000000, 5);
  EXPECT_EQ(mt::CountValue(s, kWhite), 10);
  c.MoveTo(5, 2000000000);
  c.LineTo(5, -2000000000);
  EXPECT_EQ(mt::CountValue(s, kWhite), 19);
  c.MoveTo(-2000000000, -2000000000);
  c.LineTo(2000000000, 2000000000);
  EXPECT_EQ(s.At(3, 3), kWhite);
  EXPECT_EQ(s.At(9, 9), kWhite);
}

TEST(TextLines, SplitsAtArrowsWithFifteenPixelPitch) {
  Surface s(200, 100);
  FakeGlyphs glyphs;
  SurfaceCanvas(s, &glyphs);
  DrawTextLines(s, "A<-B", 10, 20, 4);
  // Line 0 at y 20 (block at y 22), line 1 at y 35 (block at 37).
  EXPECT_EQ(s.At(11, 22), kWhite);
  EXPECT_EQ(s.At(11, 37), kWhite);
  EXPECT_EQ(mt::CountValue(s, kWhite), 24);
  EXPECT_EQ(glyphs.Requests, (std::vector<char32_t>{U'A', U'B'}));
}

TEST(TextLines, EndMarkerStopsAndLinesAreCut) {
  Surface s(600, 400);
  FakeGlyphs glyphs;
  SurfaceCanvas(s, &glyphs);
  DrawTextLines(s, "A<-end;<-B", 0, 0, 4);
  EXPECT_EQ(glyphs.Requests, std::vector<char32_t>{U'A'});
  glyphs.Requests.clear();
  DrawTextLines(s, "plain text", 0, 0, 4);
  EXPECT_EQ(glyphs.Requests.size(), 10u);
  // A line is cut to 60 bytes, without splitting a two-byte character.
  glyphs.Requests.clear();
  std::string kana;
  for (int i = 0; i < 40; ++i) kana += "か";
  DrawTextLines(s, "x" + Sjis(kana), 0, 0, 4);
  EXPECT_EQ(glyphs.Requests.size(), 1u + 29u);
  // At most fifteen lines.
  glyphs.Requests.clear();
  std::string many;
  for (int i = 0; i < 20; ++i) many += (i ? "<-" : "") + std::string(1, static_cast<char>('a' + i));
  DrawTextLines(s, many, 0, 0, 4);
  ASSERT_EQ(glyphs.Requests.size(), 15u);
  EXPECT_EQ(glyphs.Requests.back(), U'o');
}
