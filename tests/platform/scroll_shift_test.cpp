// Finding the backdrop's scroll step from the pixels, moving the shown
// picture by it, and bringing the shown picture up to a new frame.
#include "platform/sdl/scroll_shift.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/changed_areas.h"
#include "platform/sdl/scale565.h"

namespace {

constexpr int kW = 50, kH = 40;

// A textured backdrop moved by (dx, dy), with a still box on it.
std::vector<uint16_t> Picture(int dx, int dy, bool box = true) {
  std::vector<uint16_t> p(static_cast<size_t>(kW) * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      p[static_cast<size_t>(y) * kW + x] =
          static_cast<uint16_t>(((x - dx + 100) * 31 + (y - dy + 100) * 977) & 0xFFFF);
  if (box)
    for (int y = 10; y < 20; ++y)
      for (int x = 5; x < 15; ++x) p[static_cast<size_t>(y) * kW + x] = 0xF800;
  return p;
}

}  // namespace

TEST(ScrollShift, FindsTheStepTheBackdropMovedBy) {
  const std::vector<uint16_t> shown = Picture(0, 0);
  auto is = [](TShift s, int dx, int dy) { return s.Dx == dx && s.Dy == dy; };
  EXPECT_TRUE(is(FindShift(Picture(0, 0).data(), shown.data(), kW, kH), 0, 0));
  EXPECT_TRUE(is(FindShift(Picture(0, 1).data(), shown.data(), kW, kH), 0, 1));
  EXPECT_TRUE(is(FindShift(Picture(1, 1).data(), shown.data(), kW, kH), 1, 1));
  // A move it does not know (up), or nothing alike at all: no move.
  EXPECT_TRUE(FindShift(Picture(0, -1).data(), shown.data(), kW, kH).Still());
  const std::vector<uint16_t> flat(static_cast<size_t>(kW) * kH, 7);
  EXPECT_TRUE(FindShift(flat.data(), shown.data(), kW, kH).Still());
}

TEST(ScrollShift, MovingTheShownPictureLeavesOnlyWhatElseChanged) {
  for (const TShift move : {TShift{0, 1}, TShift{1, 1}}) {
    std::vector<uint16_t> shown = Picture(0, 0, false);
    const std::vector<uint16_t> now = Picture(move.Dx, move.Dy, false);
    std::vector<TArea> uncovered;
    ApplyShift(move, now.data(), shown.data(), kW, kH, uncovered);
    // The backdrop alone moved: the moved picture is the new one.
    EXPECT_EQ(shown, now) << "move " << move.Dx << "," << move.Dy;
    // The strips it uncovered are listed for sending.
    ASSERT_EQ(uncovered.size(), static_cast<size_t>(1 + move.Dx));
    EXPECT_EQ(uncovered[0].Y0, 0);
    EXPECT_EQ(uncovered[0].Y1, 1);
    EXPECT_EQ(uncovered[0].X1 - uncovered[0].X0, kW);
    if (move.Dx) {
      EXPECT_EQ(uncovered[1].X1, 1);
      EXPECT_EQ(uncovered[1].Y1, kH);
    }
  }
  // With a still box on the moving backdrop, what differs after the move is
  // where the box's edges were and are: its top row and the row under it.
  std::vector<uint16_t> shown = Picture(0, 0);
  const std::vector<uint16_t> now = Picture(0, 1);
  std::vector<TArea> uncovered, areas;
  ApplyShift(TShift{0, 1}, now.data(), shown.data(), kW, kH, uncovered);
  ChangedAreas(now.data(), shown.data(), kW, kH, 1, 8, areas);
  ASSERT_EQ(areas.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(areas[i].X0, 5);
    EXPECT_EQ(areas[i].X1, 15);
    EXPECT_EQ(areas[i].Y1 - areas[i].Y0, 1);
  }
  EXPECT_EQ(areas[0].Y0, 10);
  EXPECT_EQ(areas[1].Y0, 20);
}

TEST(ScrollShift, PresentingChangesScalesThemAndKeepsTheShownPicture) {
  std::vector<uint16_t> shown = Picture(0, 0);
  const std::vector<uint16_t> before = shown, now = Picture(3, 2);
  std::vector<TArea> expected, areas;
  ChangedAreas(now.data(), before.data(), kW, kH, 4, 3, expected);
  // A target already showing the old picture at scale 2 on a 2-pixel border.
  const int tw = kW * 2 + 4, th = kH * 2 + 4;
  std::vector<uint32_t> pixels(static_cast<size_t>(tw) * th, 0xABCDEFu), whole = pixels;
  const TScaleTarget target{reinterpret_cast<uint8_t*>(pixels.data()), tw * 4, tw, th, 4, true};
  const TScaleTarget reference{reinterpret_cast<uint8_t*>(whole.data()), tw * 4, tw, th, 4, true};
  ScaleRows565(before.data(), kW, 0, kH, {}, 2, 2, 2, target);
  PresentChanges(now.data(), shown.data(), kW, kH, 4, 3, {}, 2, 2, 2, target, areas);
  ScaleRows565(now.data(), kW, 0, kH, {}, 2, 2, 2, reference);
  EXPECT_EQ(shown, now);
  EXPECT_EQ(pixels, whole);
  ASSERT_EQ(areas.size(), expected.size());
  for (size_t i = 0; i < areas.size(); ++i) {
    EXPECT_EQ(areas[i].X0, expected[i].X0);
    EXPECT_EQ(areas[i].Y1, expected[i].Y1);
  }
  // Taking the changes without scaling brings the shown picture up alike.
  std::vector<uint16_t> taken = before;
  TakeChanges(now.data(), taken.data(), kW, kH, 4, 3, areas);
  EXPECT_EQ(taken, now);
}
