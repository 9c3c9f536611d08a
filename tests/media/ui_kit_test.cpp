// The screens' shared drawing: text rows keep the canvas's colour, shadows
// fall one pixel down and right, right-aligned rows end where asked, and a
// panel is a blended fill with a frame on its edge.
#include "media/ui_kit.h"

#include <gtest/gtest.h>

#include "base/sjis.h"
#include "fake_glyphs.h"
#include "media/text_canvas.h"
#include "media_test_util.h"

TEST(UiKit, TextRowsDrawInTheirColourAndLeaveTheCanvasColour) {
  Surface s(40, 20);
  FakeGlyphs glyphs;
  TextCanvas& c = SurfaceCanvas(s, &glyphs);
  c.FontColor = TRgb{0, 255, 0};
  DrawTextRow(s, &glyphs, 2, 3, "A", TRgb{255, 0, 0});
  EXPECT_EQ(s.At(3, 5), RgbTo565(255, 0, 0));
  EXPECT_EQ(c.FontColor.G, 255);  // the canvas's own colour is kept
  EXPECT_EQ(c.FontColor.R, 0);

  // The shadow is the same block one pixel down and right, under the text.
  Surface t(40, 20);
  DrawShadowedText(t, &glyphs, 2, 3, "A", TRgb{255, 255, 255}, TRgb{0, 0, 255});
  EXPECT_EQ(t.At(3, 5), 0xFFFF);               // text
  EXPECT_EQ(t.At(6, 9), RgbTo565(0, 0, 255));  // shadow's last pixel, past the text
  EXPECT_EQ(t.At(5, 8), 0xFFFF);               // text covers the shadow where they overlap

  // "AB" ends at 30: it starts 12 pixels before (6 a character).
  Surface u(40, 20);
  DrawTextRowRight(u, &glyphs, 30, 0, "AB", TRgb{255, 255, 255});
  EXPECT_EQ(u.At(19, 2), 0xFFFF);
  EXPECT_EQ(u.At(18, 2), 0);
  EXPECT_EQ(u.At(25, 2), 0xFFFF);
}

TEST(UiKit, PanelBlendsItsAreaAndFramesItsEdge) {
  Surface s(30, 30);
  FakeGlyphs glyphs;
  FillArea(s, MakeRect(0, 0, 30, 30), RgbTo565(200, 200, 200));
  const TPanelStyle style{TRgb{0, 0, 0}, 128, TRgb{255, 0, 0}};
  DrawPanel(s, &glyphs, MakeRect(5, 5, 20, 20), style);
  EXPECT_EQ(s.At(4, 4), RgbTo565(200, 200, 200));  // outside untouched
  EXPECT_EQ(s.At(5, 5), RgbTo565(255, 0, 0));      // the frame's corner
  EXPECT_EQ(s.At(19, 12), RgbTo565(255, 0, 0));    // its right edge
  EXPECT_EQ(s.At(20, 12), RgbTo565(200, 200, 200));
  const uint16_t inside = s.At(12, 12);
  EXPECT_NE(inside, RgbTo565(200, 200, 200));  // darkened by the fill
  EXPECT_NE(inside, 0);                        // but not replaced by it

  // Unframed: the edge is blended like the inside.
  Surface t(30, 30);
  FillArea(t, MakeRect(0, 0, 30, 30), RgbTo565(200, 200, 200));
  DrawPanel(t, &glyphs, MakeRect(5, 5, 20, 20), TPanelStyle{TRgb{0, 0, 0}, 128, {}, false});
  EXPECT_EQ(t.At(5, 5), inside);
  EXPECT_EQ(t.At(12, 12), inside);
}

// TUi records each text with its cells, its lit pixels and the frame in
// force; FitsFrame judges both against the frame.
TEST(UiKit, TextsAreRecordedWithTheirBoxesAndFrames) {
  Surface s(200, 100);
  FakeGlyphs glyphs;
  TPictureList pictures;
  TUiRecord record;
  record.Recording = true;
  TUi ui(s, &glyphs, pictures, 0, record);
  EXPECT_EQ(ui.Text(10, 20, "AB"), 22);  // returns the x after the text
  ASSERT_EQ(record.Texts.size(), 1u);
  const TUiText& t = record.Texts[0];
  EXPECT_EQ(t.Cells.Left, 10);
  EXPECT_EQ(t.Cells.Right, 22);
  EXPECT_EQ(t.Cells.Bottom, 32);
  // The blocks: A at 11..13, B at 17..19, rows 22..25.
  EXPECT_EQ(t.Ink.Left, 11);
  EXPECT_EQ(t.Ink.Right, 20);
  EXPECT_EQ(t.Ink.Top, 22);
  EXPECT_EQ(t.Ink.Bottom, 26);
  EXPECT_EQ(t.Frame.Right, 200);  // the whole surface before any panel
  EXPECT_TRUE(FitsFrame(t));

  // A panel's inside (within its one-pixel frame line) is the frame after it.
  ui.Panel(MakeRect(20, 40, 80, 80));
  EXPECT_EQ(ui.Frame().Left, 21);
  EXPECT_EQ(ui.Frame().Right, 79);
  ui.Text(60, 50, "ABC");  // cells to 78: inside
  EXPECT_TRUE(FitsFrame(record.Texts.back()));
  ui.Text(62, 50, "ABC");  // cells to 80: one past the frame line
  EXPECT_FALSE(FitsFrame(record.Texts.back()));
  // Cells inside but a pixel out: a glyph drawn left of its cell.
  TUiText inked = record.Texts[1];
  inked.Ink.Left = inked.Frame.Left - 1;
  EXPECT_FALSE(FitsFrame(inked));
  // A shadowed text owns its shadow's pixel column and row as well.
  ui.SetFrame(MakeRect(0, 0, 200, 100));
  ui.Shadowed(0, 0, "A", TRgb{255, 255, 255});
  EXPECT_EQ(record.Texts.back().Ink.Right, 5);
  EXPECT_EQ(record.Texts.back().Ink.Bottom, 7);

  // Nothing is kept while not recording.
  record.Recording = false;
  const size_t n = record.Texts.size();
  ui.Text(0, 0, "A");
  EXPECT_EQ(record.Texts.size(), n);
}

TEST(UiKit, LongTextIsWrappedOrCutToTheFrame) {
  Surface s(200, 200);
  FakeGlyphs glyphs;
  TPictureList pictures;
  TUiRecord record;
  record.Recording = true;
  TUi ui(s, &glyphs, pictures, 0, record);
  ui.SetFrame(MakeRect(0, 0, 100, 200));
  // Twenty half-width letters in words: broken at the spaces, each line in the frame.
  int after = ui.Wrapped(4, 10, "AAAA BBBB CCCC DDDD EEEE FFFF", TRgb{255, 255, 255}, 15, 5);
  ASSERT_EQ(record.Texts.size(), 2u);
  EXPECT_EQ(after, 40);
  // "AAAA BBBB CCCC D" would be the 96 px that fit: the break goes back to the space.
  EXPECT_EQ(record.Texts[0].Sjis, "AAAA BBBB CCCC");
  for (const TUiText& t : record.Texts) EXPECT_TRUE(FitsFrame(t)) << t.Sjis;
  // Japanese without spaces: broken between characters (8 of 12 px fit in 96).
  record.Texts.clear();
  ui.Wrapped(4, 10, "あいうえおかきくけこさしすせそ", TRgb{255, 255, 255}, 15, 5);
  ASSERT_EQ(record.Texts.size(), 2u);
  EXPECT_EQ(record.Texts[0].Cells.Width(), 96);
  // Out of lines: the last one ends in "…" and still fits.
  record.Texts.clear();
  ui.Wrapped(4, 10, "あいうえおかきくけこさしすせそ", TRgb{255, 255, 255}, 15, 1);
  ASSERT_EQ(record.Texts.size(), 1u);
  EXPECT_TRUE(FitsFrame(record.Texts[0]));
  EXPECT_EQ(SjisToUtf8(record.Texts[0].Sjis), "あいうえおかき…");
  // Fit: whole when it fits, else cut with "…" within the width.
  EXPECT_EQ(ui.Fit("ABC", 18), "ABC");
  EXPECT_EQ(ui.Fit("ABCDEF", 30), "ABC…");
  EXPECT_LE(ui.Width(ui.Fit("あいうえお", 40)), 40);
}
