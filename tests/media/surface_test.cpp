// Surface primitives: blend arithmetic, sampling steps, clipping, key colours,
// rotation and the canvas link of moved surfaces.
#include "media/surface.h"

#include <gtest/gtest.h>

#include <cmath>

#include "media/text_canvas.h"
#include "media_test_util.h"

using mt::Mark;

TEST(Surface, ColourConversionRoundTripsEvery16BitValue) {
  for (int p = 0; p < 65536; ++p) ASSERT_EQ(RgbTo565(Rgb565ToRgb(static_cast<uint16_t>(p))), p);
  EXPECT_EQ(Rgb565ToRgb(0xFFFF).R, 255);
  EXPECT_EQ(Rgb565ToRgb(0xFFFF).G, 255);
  EXPECT_EQ(Rgb565ToRgb(RgbTo565(16, 32, 64)).B, 66);  // 8 in five bits widens to 66
}

TEST(Surface, BlendRoundsDownInBothDirections) {
  Surface src(1, 1), dst(1, 1);
  // White onto black at 100: 0 + floor(255 * 100 / 256) = 99 in every channel.
  src.At(0, 0) = 0xFFFF;
  dst.At(0, 0) = 0x0000;
  BlendSurfaceRect(dst, {0, 0, 1, 1}, {0, 0, 1, 1}, src, false, 100);
  EXPECT_EQ(dst.At(0, 0), RgbTo565(99, 99, 99));
  // Black onto white at 100: 255 + floor(-99.6) = 155 (not 156, which
  // truncation toward zero would give).
  src.At(0, 0) = 0x0000;
  dst.At(0, 0) = 0xFFFF;
  BlendSurfaceRect(dst, {0, 0, 1, 1}, {0, 0, 1, 1}, src, false, 100);
  EXPECT_EQ(dst.At(0, 0), RgbTo565(155, 155, 155));
  EXPECT_NE(RgbTo565(155, 155, 155), RgbTo565(156, 156, 156));
}

TEST(Surface, BlendOpacityLimits) {
  TPictureItem item = mt::MarkedItem(4, 4, 0, 0, true);
  item.TransparentColor = Rgb565ToRgb(Mark(1, 1));
  Surface base(6, 6);
  FillSurface(base, 0x1234);
  auto draw = [&](int opacity) {
    Surface s(6, 6);
    s.Pixels = base.Pixels;
    BlendPattern(item, s, {1, 1, 5, 5}, 0, opacity);
    return s.Pixels;
  };
  Surface stretched(6, 6);
  stretched.Pixels = base.Pixels;
  StretchPattern(item, stretched, {1, 1, 5, 5}, 0);
  EXPECT_EQ(draw(255), stretched.Pixels);
  EXPECT_EQ(draw(300), stretched.Pixels);
  EXPECT_EQ(stretched.At(2, 2), 0x1234);  // the key pixel was skipped
  EXPECT_EQ(stretched.At(1, 1), Mark(0, 0));
  EXPECT_EQ(draw(0), base.Pixels);
  EXPECT_EQ(draw(-5), base.Pixels);
  EXPECT_NE(draw(128), base.Pixels);
}

TEST(Surface, BlendFillAlwaysBlendsAndClips) {
  Surface s(4, 2);
  FillSurface(s, 0xFFFF);
  // Black at 80 over white: 255 + floor(-255 * 80 / 256) = 175.
  BlendFillArea(s, {-3, 1, 2, 9}, TRgb{0, 0, 0}, 80);
  EXPECT_EQ(s.At(0, 1), RgbTo565(175, 175, 175));
  EXPECT_EQ(s.At(1, 1), RgbTo565(175, 175, 175));
  EXPECT_EQ(s.At(2, 1), 0xFFFF);
  EXPECT_EQ(s.At(0, 0), 0xFFFF);
  // No short cuts at the ends: 0 leaves the pixel, 256 gives the colour.
  BlendFillArea(s, {0, 0, 1, 1}, TRgb{0, 0, 0}, 0);
  EXPECT_EQ(s.At(0, 0), 0xFFFF);
  BlendFillArea(s, {0, 0, 1, 1}, TRgb{0, 0, 0}, 256);
  EXPECT_EQ(s.At(0, 0), 0);
  // Opacities beyond the range saturate instead of spilling into other channels.
  BlendFillArea(s, {3, 0, 4, 1}, TRgb{0, 0, 0}, 600);
  EXPECT_EQ(s.At(3, 0), 0);
}

TEST(Surface, HalvingTakesEverySecondPixel) {
  TPictureItem item = mt::MarkedItem(200, 200, 0, 0, false);
  Surface s(200, 200);
  BlendPattern(item, s, {0, 0, 100, 100}, 0, 255);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_EQ(s.At(x, y), Mark(2 * x, 2 * y)) << x << "," << y;
  Surface same(200, 200);
  BlendPattern(item, same, {0, 0, 200, 200}, 0, 255);
  EXPECT_EQ(same.Pixels, item.Picture.Pixels);
}

TEST(Surface, SamplingUsesTheRoundedDownFixedPointStep) {
  // 3 -> 9: step = floor(3 * 65536 / 9) = 21845, so column 3 still samples
  // source column 0 (65535 / 65536) although 3 * 3 / 9 is exactly 1.
  Surface src = mt::Marked(3, 1), dst(9, 1);
  StretchSurfaceRect(dst, {0, 0, 9, 1}, {0, 0, 3, 1}, src, false);
  const int expected[9] = {0, 0, 0, 0, 1, 1, 1, 2, 2};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(dst.At(i, 0), Mark(expected[i], 0)) << i;
  // Clipping keeps the sampling counted from the unclipped corner.
  Surface clipped(6, 1);
  StretchSurfaceRect(clipped, {-3, 0, 6, 1}, {0, 0, 3, 1}, src, false);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(clipped.At(i, 0), Mark(expected[i + 3], 0)) << i;
}

TEST(Surface, EmptyOrMirroredRectanglesDrawNothing) {
  Surface src = mt::Marked(4, 4), dst(8, 8);
  StretchSurfaceRect(dst, {5, 0, 1, 4}, {0, 0, 4, 4}, src, false);
  BlendSurfaceRect(dst, {0, 5, 4, 1}, {0, 0, 4, 4}, src, false, 100);
  StretchSurfaceRect(dst, {0, 0, 4, 4}, {3, 0, 1, 4}, src, false);
  CopySurfaceRect(dst, 0, 0, {2, 2, 2, 4}, src, false);
  EXPECT_EQ(mt::CountValue(dst, 0), 64);
}

TEST(Surface, CopyClipsWithoutShifting) {
  Surface src = mt::Marked(8, 4);
  Surface dst(5, 3);
  CopySurfaceRect(dst, -3, -1, {0, 0, 8, 4}, src, false);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(dst.At(x, y), Mark(x + 3, y + 1));
  // A source rectangle reaching outside its surface is cut the same way.
  Surface dst2(6, 6);
  CopySurfaceRect(dst2, 2, 2, {-1, -2, 3, 3}, src, false);
  EXPECT_EQ(dst2.At(3, 4), Mark(0, 0));
  EXPECT_EQ(dst2.At(5, 5), Mark(2, 1));
  EXPECT_EQ(dst2.At(2, 4), 0);  // the column left of the source stays untouched
  EXPECT_EQ(dst2.At(3, 3), 0);
  EXPECT_EQ(mt::CountValue(dst2, 0), 36 - 6);
  // Far-off positions neither crash nor draw; a huge stretch keeps sampling
  // (its step rounds down to 0, so every column takes source column 0).
  Surface dst3(4, 4);
  CopySurfaceRect(dst3, 2147483000, -2147483000, {0, 0, 8, 4}, src, false);
  EXPECT_EQ(mt::CountValue(dst3, 0), 16);
  StretchSurfaceRect(dst3, {-2147483000, 0, 2147483000, 4}, {0, 0, 8, 4}, src, false);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dst3.At(x, y), Mark(0, y));
}

TEST(Surface, CopyWithinOneSurfaceReadsTheOldPixels) {
  Surface s = mt::Marked(5, 1);
  CopySurfaceRect(s, 1, 0, {0, 0, 4, 1}, s, false);
  const uint16_t expected[5] = {Mark(0, 0), Mark(0, 0), Mark(1, 0), Mark(2, 0), Mark(3, 0)};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(s.At(x, 0), expected[x]);
}

TEST(Surface, FillAreaClips) {
  Surface s(4, 4);
  FillArea(s, {2, -5, 9, 2}, 7);
  EXPECT_EQ(mt::CountValue(s, 7), 4);
  EXPECT_EQ(s.At(3, 1), 7);
  EXPECT_EQ(s.At(1, 1), 0);
  FillArea(s, {3, 3, 3, 9}, 9);
  EXPECT_EQ(mt::CountValue(s, 9), 0);
}

TEST(Surface, RotationQuarterTurnIsClockwise) {
  // A 4 x 4 pattern about its centre at (10, 10): source (px, py) has
  // u = px - 2, v = py - 2 and lands at (10 - v, 10 + u).
  Surface src = mt::Marked(4, 4);
  Surface dst(20, 20);
  RotateSurfaceRect(dst, 10, 10, 4, 4, {0, 0, 4, 4}, src, false, 0.5, 0.5, 64);
  for (int py = 0; py < 4; ++py)
    for (int px = 0; px < 4; ++px)
      EXPECT_EQ(dst.At(12 - py, 8 + px), Mark(px, py)) << px << "," << py;
  EXPECT_EQ(mt::CountValue(dst, 0), 400 - 16);
  // Angles are taken modulo a full turn.
  Surface neg(20, 20);
  RotateSurfaceRect(neg, 10, 10, 4, 4, {0, 0, 4, 4}, src, false, 0.5, 0.5, -192);
  EXPECT_EQ(neg.Pixels, dst.Pixels);
}

TEST(Surface, RotationByAFullTurnIsAPlainCopy) {
  Surface src = mt::Marked(6, 4);
  Surface copy(20, 20), turn0(20, 20), turn256(20, 20);
  CopySurfaceRect(copy, 7, 8, {0, 0, 6, 4}, src, false);
  RotateSurfaceRect(turn0, 10, 10, 6, 4, {0, 0, 6, 4}, src, false, 0.5, 0.5, 0);
  RotateSurfaceRect(turn256, 10, 10, 6, 4, {0, 0, 6, 4}, src, false, 0.5, 0.5, 256);
  EXPECT_EQ(turn0.Pixels, copy.Pixels);
  EXPECT_EQ(turn256.Pixels, copy.Pixels);
}

TEST(Surface, RotationHonoursKeyScaleAndClipping) {
  Surface src = mt::Marked(2, 2);
  src.KeyColor = Mark(1, 0);
  Surface dst(3, 3);
  FillSurface(dst, 5);
  // Scaled 2x to 4 x 4, centred on (1, 1): half of it falls off the surface.
  RotateSurfaceRect(dst, 1, 1, 4, 4, {0, 0, 2, 2}, src, true, 0.5, 0.5, 0);
  EXPECT_EQ(dst.At(0, 0), Mark(0, 0));  // scaled pixel (1, 1) -> source (0, 0)
  EXPECT_EQ(dst.At(1, 0), 5);           // source (1, 0) is the key
  EXPECT_EQ(dst.At(2, 2), Mark(1, 1));
  // An eighth of a turn of a big picture far off the surface leaves it alone.
  Surface big = mt::Marked(40, 40);
  Surface other(10, 10);
  RotateSurfaceRect(other, 500, -500, 40, 40, {0, 0, 40, 40}, big, false, 0.5, 0.5, 32);
  EXPECT_EQ(mt::CountValue(other, 0), 100);
}

TEST(Surface, RotationTableUsesShiftedCosineForSine) {
  EXPECT_DOUBLE_EQ(CosTable(0), 1.0);
  EXPECT_NEAR(CosTable(64), 0.0, 1e-12);
  EXPECT_DOUBLE_EQ(CosTable(128), -1.0);
  EXPECT_NEAR(CosTable((64 + 192) % 256), 1.0, 1e-12);  // sin of a quarter turn
  EXPECT_NEAR(CosTable(32), std::sqrt(0.5), 1e-12);
  EXPECT_DOUBLE_EQ(CosTable(300), CosTable(44));
}

TEST(Surface, MovedSurfaceKeepsItsCanvasOnItself) {
  Surface a(4, 4);
  TextCanvas& canvas = SurfaceCanvas(a);
  canvas.PenColor = TRgb{255, 255, 255};
  Surface b(std::move(a));
  EXPECT_EQ(a.Width, 0);
  SurfaceCanvas(b).Rectangle(0, 0, 4, 4);
  EXPECT_EQ(b.At(0, 0), 0xFFFF);
  EXPECT_EQ(b.At(1, 1), 0);
  Surface c;
  c = std::move(b);
  SurfaceCanvas(c).MoveTo(1, 1);
  SurfaceCanvas(c).LineTo(3, 1);
  EXPECT_EQ(c.At(1, 1), 0xFFFF);
}
