// Runs of patterns (window frames) against the same patterns drawn one by
// one, and picture lookup through the catalog's name table.
#include <gtest/gtest.h>

#include "base/game_error.h"
#include "media/picture_list.h"
#include "media_test_util.h"

namespace {

// A 5 x 5-cell strip like the window frame pictures, with a keyed pixel in
// every cell so transparency shows.
TPictureItem FrameLike(bool transparent) {
  TPictureItem item = mt::MarkedItem(30, 5, 5, 5, transparent);
  item.TransparentColor = TRgb{255, 0, 255};
  for (int c = 0; c < 6; ++c) item.Picture.At(c * 5 + 2, 2) = RgbTo565(255, 0, 255);
  RestorePicture(item);
  return item;
}

Surface Background() {
  return mt::Counting(40, 30, 0x1000);
}

}  // namespace

TEST(PatternRun, DrawsWhatOneByOneDrawingDrawsAlsoWhenClippedOrOverlapping) {
  struct Case {
    int X, Y, Pattern, Count, StepX, StepY;
  };
  const Case cases[] = {
      {5, 3, 0, 4, 5, 0},     // a row inside the surface
      {-7, 0, 1, 6, 5, 0},    // cut on the left, mid-cell
      {30, 28, 0, 5, 5, 0},   // cut on the right and at the bottom
      {2, -8, 1, 9, 0, 5},    // a column cut at the top and the bottom
      {38, 4, 3, 3, 0, 5},    // a column mostly outside on the right
      {4, 4, 2, 5, 3, 0},     // overlapping copies: later ones on top
      {4, 4, 2, 4, 5, 2},     // a diagonal run
      {4, 4, 6, 4, 5, 0},     // no such pattern
      {4, 4, 0, 0, 5, 0},     // nothing to draw
      {-100, 4, 0, 3, 5, 0},  // wholly outside
  };
  for (bool transparent : {false, true}) {
    const TPictureItem item = FrameLike(transparent);
    for (const Case& c : cases) {
      Surface run = Background(), single = Background();
      DrawPatternRun(item, run, c.X, c.Y, c.Pattern, c.Count, c.StepX, c.StepY);
      for (int i = 0; i < c.Count; ++i)
        DrawPattern(item, single, c.X + i * c.StepX, c.Y + i * c.StepY, c.Pattern);
      EXPECT_EQ(run.Pixels, single.Pixels)
          << "at " << c.X << "," << c.Y << " pattern " << c.Pattern << " count " << c.Count
          << " transparent " << transparent;
    }
  }
  // A run drawn from a picture onto itself, as one-by-one drawing does it.
  TPictureItem self = FrameLike(false), ref = FrameLike(false);
  DrawPatternRun(self, self.Picture, 3, 0, 0, 3, 5, 0);
  for (int i = 0; i < 3; ++i) DrawPattern(ref, ref.Picture, 3 + 5 * i, 0, 0);
  EXPECT_EQ(self.Picture.Pixels, ref.Picture.Pixels);
}

TEST(PatternRun, LookupFollowsItemsAddedAndRenamedAfterTheFirstSearch) {
  TPictureList list;
  for (const char* n : {"huti", "Tips", "tips", "enemy_1"}) {
    list.Items.emplace_back();
    list.Items.back().Name = n;
  }
  // The first of two names equal but for case, in resource order.
  EXPECT_EQ(&list.FindPicture("TIPS"), &list.Items[1]);
  EXPECT_EQ(&list.FindPicture("enemy_1"), &list.Items[3]);
  EXPECT_EQ(list.TryFindPicture("enemy_2"), nullptr);
  list.Items.emplace_back();
  list.Items.back().Name = "enemy_2";
  EXPECT_EQ(list.TryFindPicture("Enemy_2"), &list.Items[4]);
  list.Items[0].Name = "boss1";
  EXPECT_EQ(list.TryFindPicture("huti"), nullptr);
  EXPECT_EQ(list.TryFindPicture("boss1"), &list.Items[0]);
  EXPECT_THROW(list.FindPicture("huti"), GameError);
}
