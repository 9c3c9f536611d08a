// The screens' shared drawing: text rows keep the canvas's colour, shadows
// fall one pixel down and right, right-aligned rows end where asked, and a
// panel is a blended fill with a frame on its edge.
#include <gtest/gtest.h>

#include "base/sjis.h"
#include "fake_glyphs.h"
#include "media/text_canvas.h"
#include "media/ui_kit.h"
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
  EXPECT_EQ(t.At(3, 5), 0xFFFF);   // text
  EXPECT_EQ(t.At(6, 9), RgbTo565(0, 0, 255));  // shadow's last pixel, past the text
  EXPECT_EQ(t.At(5, 8), 0xFFFF);   // text covers the shadow where they overlap

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
