// The picture catalog: lookup, slicing into patterns and pattern drawing.
#include "media/picture_list.h"

#include <gtest/gtest.h>

#include "base/game_error.h"
#include "media_test_util.h"

using mt::Mark;

TEST(PictureList, FindIgnoresAsciiCaseAndNamesTheMissingItem) {
  TPictureList list;
  list.Items.resize(2);
  list.Items[0].Name = "tips";
  list.Items[1].Name = "GameOver";
  EXPECT_EQ(&list.FindPicture("TIPS"), &list.Items[0]);
  EXPECT_EQ(&list.FindPicture("gameover"), &list.Items[1]);
  EXPECT_EQ(list.TryFindPicture("tip"), nullptr);
  try {
    list.FindPicture("nothing");
    FAIL() << "no error raised";
  } catch (const GameError& e) {
    EXPECT_STREQ(e.what(), "画像 'nothing' が見つかりません");
  }
}

TEST(PictureList, SlicingRowByRow) {
  // neko: 76 x 92 in 38 x 23 cells, 2 columns by 4 rows.
  TPictureItem neko = mt::MarkedItem(76, 92, 38, 23);
  ASSERT_EQ(neko.PatternCount(), 8);
  EXPECT_EQ(neko.Patterns[3].Left, 38);
  EXPECT_EQ(neko.Patterns[3].Top, 23);
  EXPECT_EQ(neko.Patterns[3].Width(), 38);
  EXPECT_EQ(neko.Patterns[7].Top, 69);
  // Partial cells at the right and bottom are dropped.
  TPictureItem partial = mt::MarkedItem(10, 7, 4, 3);
  EXPECT_EQ(partial.PatternCount(), 4);
  // Cell 0 x 0 is the whole picture; the one dimension given cuts the other whole.
  EXPECT_EQ(mt::MarkedItem(46, 46).PatternCount(), 1);
  TPictureItem kame = mt::MarkedItem(30, 80, 30, 16);
  ASSERT_EQ(kame.PatternCount(), 5);
  EXPECT_EQ(kame.Patterns[4].Top, 64);
  TPictureItem rows = mt::MarkedItem(30, 80, 0, 40);
  EXPECT_EQ(rows.PatternCount(), 2);
}

TEST(PictureList, SlicingHonoursSkipsAndRejectsOversizedCells) {
  TPictureItem item = mt::MarkedItem(11, 5, 3, 5);
  item.SkipWidth = 1;
  RestorePicture(item);
  // Stride 4: (11 + 1) / 4 = 3 columns at 0, 4 and 8.
  ASSERT_EQ(item.PatternCount(), 3);
  EXPECT_EQ(item.Patterns[2].Left, 8);
  EXPECT_EQ(item.Patterns[2].Right, 11);
  EXPECT_EQ(mt::MarkedItem(10, 10, 12, 5).PatternCount(), 0);
  EXPECT_EQ(mt::MarkedItem(10, 10, 5, 11).PatternCount(), 0);
  TPictureItem negative = mt::MarkedItem(10, 10, 2, 2);
  negative.SkipWidth = -2;
  RestorePicture(negative);
  EXPECT_EQ(negative.PatternCount(), 0);
}

TEST(PictureList, ItemWithoutPictureHasNoPatternsAndDrawsNothing) {
  TPictureList list;
  list.Items.resize(1);
  list.Items[0].Name = "A";
  list.Items[0].Transparent = true;
  list.RestorePictures();
  const TPictureItem& a = list.Items[0];
  EXPECT_EQ(a.PictureWidth(), 0);
  EXPECT_EQ(a.PatternCount(), 0);
  Surface s(8, 8);
  FillSurface(s, 3);
  DrawPattern(a, s, 0, 0, 0);
  StretchPattern(a, s, {0, 0, 8, 8}, 0);
  BlendPattern(a, s, {0, 0, 8, 8}, 0, 100);
  RotatePattern(a, s, 4, 4, 8, 8, 0, 0.5, 0.5, 10);
  EXPECT_EQ(mt::CountValue(s, 3), 64);
}

TEST(PictureList, PatternNumbersOutsideTheCatalogDrawNothing) {
  // enemy_1: 182 x 40 in 26 x 40 cells, patterns 0..6.
  TPictureItem enemy = mt::MarkedItem(182, 40, 26, 40);
  Surface s(30, 40);
  DrawPattern(enemy, s, 0, 0, 7);
  DrawPattern(enemy, s, 0, 0, -1);
  StretchPattern(enemy, s, {0, 0, 30, 40}, 7);
  BlendPattern(enemy, s, {0, 0, 30, 40}, -1, 100);
  RotatePattern(enemy, s, 10, 10, 26, 40, 7, 0.5, 0.5, 0);
  EXPECT_EQ(mt::CountValue(s, 0), 30 * 40);
  DrawPattern(enemy, s, 0, 0, 6);
  EXPECT_EQ(s.At(0, 0), Mark(156, 0));
  EXPECT_EQ(s.At(25, 39), Mark(181, 39));
  EXPECT_EQ(s.At(26, 0), 0);
}

TEST(PictureList, DrawPatternClippedOnTheLeftStaysAligned) {
  TPictureItem item = mt::MarkedItem(40, 6, 20, 6);
  Surface s(30, 6);
  DrawPattern(item, s, -10, 0, 1);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(s.At(x, 3), Mark(30 + x, 3));
  EXPECT_EQ(s.At(10, 3), 0);
}

TEST(PictureList, KeyColourIsComparedAfterConversion) {
  TPictureItem item;
  item.Transparent = true;
  item.TransparentColor = TRgb{255, 0, 255};
  // (250, 3, 252) differs from the key only below 16-bit precision.
  SetPicturePixels(item, 3, 1, {TRgb{250, 3, 252}, TRgb{240, 0, 255}, TRgb{255, 0, 255}});
  RestorePicture(item);
  Surface s(3, 1);
  FillSurface(s, 1);
  DrawPattern(item, s, 0, 0, 0);
  EXPECT_EQ(s.At(0, 0), 1);
  EXPECT_EQ(s.At(1, 0), RgbTo565(240, 0, 255));
  EXPECT_EQ(s.At(2, 0), 1);
  // Transparency is read at every draw, and so is the key colour.
  item.Transparent = false;
  DrawPattern(item, s, 0, 0, 0);
  EXPECT_EQ(s.At(0, 0), RgbTo565(255, 0, 255));
  item.Transparent = true;
  item.TransparentColor = TRgb{240, 0, 255};
  FillSurface(s, 1);
  DrawPattern(item, s, 0, 0, 0);
  EXPECT_EQ(s.At(0, 0), RgbTo565(255, 0, 255));
  EXPECT_EQ(s.At(1, 0), 1);
}

TEST(PictureList, BlendAndRotateSkipTheKeyToo) {
  TPictureItem item;
  item.Transparent = true;
  item.TransparentColor = TRgb{255, 255, 255};
  SetPicturePixels(item, 2, 1, {TRgb{255, 255, 255}, TRgb{0, 0, 0}});
  RestorePicture(item);
  Surface s(2, 1);
  FillSurface(s, 0xFFFF);
  BlendPattern(item, s, {0, 0, 2, 1}, 0, 128);
  EXPECT_EQ(s.At(0, 0), 0xFFFF);
  EXPECT_EQ(s.At(1, 0), RgbTo565(127, 127, 127));
  FillSurface(s, 7);
  RotatePattern(item, s, 1, 0, 2, 1, 0, 0.5, 0.0, 0);
  EXPECT_EQ(s.At(0, 0), 7);
  EXPECT_EQ(s.At(1, 0), 0);
}
