// The progress graph and the keyboard heat map, checked at a few known pixels.
#include <gtest/gtest.h>

#include "records/records_graph.h"

namespace {

uint16_t Px(TRgb c) {
  return RgbTo565(c);
}

TEST(ProgressGraph, AxesAndPointsLandWhereTheScalesSay) {
  Surface s(430, 400);
  FillSurface(s, 0);
  std::vector<TGraphPoint> points = {{1.0, 0.9}, {3.5, 1.0}, {2.0, 0.5}, {6.2, 0.75}};
  TGraphLayout l = DrawProgressGraph(s, nullptr, MakeRect(4, 170, 426, 290), points);
  EXPECT_EQ(l.KpsMax, 8);  // 6.2 rounded up to an even whole number
  // The axes: left, right and bottom edges of the plot.
  EXPECT_EQ(s.At(l.Plot.Left, (l.Plot.Top + l.Plot.Bottom) / 2), Px(kGraphAxis));
  EXPECT_EQ(s.At(l.Plot.Right - 1, l.Plot.Top + 3), Px(kGraphAxis));
  EXPECT_EQ(s.At((l.Plot.Left + l.Plot.Right) / 2, l.Plot.Bottom - 1), Px(kGraphAxis));
  // First point on the left edge, last on the right; kps on top of accuracy.
  EXPECT_EQ(GraphX(l, 0, 4), l.Plot.Left);
  EXPECT_EQ(GraphX(l, 3, 4), l.Plot.Right - 1);
  int x1 = GraphX(l, 1, 4);
  EXPECT_EQ(s.At(x1, GraphKpsY(l, 3.5)), Px(kGraphKps));
  EXPECT_EQ(s.At(x1, GraphAccuracyY(l, 1.0)), Px(kGraphAccuracy));
  EXPECT_EQ(GraphAccuracyY(l, 1.0), l.Plot.Top);
  // 50 % accuracy and below sit on the bottom line, 75 % half-way up.
  EXPECT_EQ(GraphAccuracyY(l, 0.5), l.Plot.Bottom - 1);
  EXPECT_EQ(GraphAccuracyY(l, 0.2), l.Plot.Bottom - 1);
  int mid = l.Plot.Bottom - 1 - (l.Plot.Bottom - l.Plot.Top - 1) / 2;
  EXPECT_NEAR(GraphAccuracyY(l, 0.75), mid, 1);
  int x3 = GraphX(l, 3, 4);
  EXPECT_EQ(s.At(x3 - 1, GraphKpsY(l, 6.2) + 1), Px(kGraphKps));
  // Between two points the line passes through their middle.
  int x2 = GraphX(l, 2, 4);
  int midY = (GraphKpsY(l, 3.5) + GraphKpsY(l, 2.0)) / 2;
  bool onLine = false;
  for (int dy = -1; dy <= 1; ++dy)
    onLine = onLine || s.At((x1 + x2) / 2, midY + dy) == Px(kGraphKps);
  EXPECT_TRUE(onLine);
  // Nothing is drawn outside the area.
  EXPECT_EQ(s.At(2, 168), 0);
  EXPECT_EQ(s.At(428, 292), 0);
}

// A part where nothing was typed shows its speed of 0 but no accuracy, and
// the accuracy line leaves a gap there instead of jumping to 100 %.
TEST(ProgressGraph, PartWithoutTypingHasNoAccuracyPoint) {
  Surface s(430, 400);
  FillSurface(s, 0);
  std::vector<TGraphPoint> points = {{2.0, 0.9}, {0.0, -1.0}, {2.0, 0.9}};
  TGraphLayout l = DrawProgressGraph(s, nullptr, MakeRect(4, 170, 426, 290), points);
  const uint16_t acc = Px(kGraphAccuracy);
  const int x0 = GraphX(l, 0, 3), x1 = GraphX(l, 1, 3), x2 = GraphX(l, 2, 3);
  EXPECT_EQ(s.At(x1, GraphKpsY(l, 0.0) - 1), Px(kGraphKps));
  // No accuracy at the part or on the way to it from either side.
  for (int x : {x1, (x0 + x1) / 2, (x1 + x2) / 2})
    for (int y = l.Plot.Top; y < l.Plot.Bottom; ++y) EXPECT_NE(s.At(x, y), acc) << x << "," << y;
  // The points either side keep theirs.
  EXPECT_EQ(s.At(x0, GraphAccuracyY(l, 0.9)), acc);
  EXPECT_EQ(s.At(x2, GraphAccuracyY(l, 0.9)), acc);
}

TEST(ProgressGraph, SinglePointAndNoPoints) {
  Surface s(430, 400);
  FillSurface(s, 0);
  TGraphLayout l = DrawProgressGraph(s, nullptr, MakeRect(0, 0, 430, 120), {{4.0, 0.8}});
  int x = GraphX(l, 0, 1);
  EXPECT_EQ(x, l.Plot.Left + (l.Plot.Right - l.Plot.Left - 1) / 2);
  EXPECT_EQ(s.At(x, GraphKpsY(l, 4.0)), Px(kGraphKps));
  Surface e(430, 400);
  FillSurface(e, 0);
  TGraphLayout le = DrawProgressGraph(e, nullptr, MakeRect(0, 0, 430, 120), {});
  EXPECT_EQ(le.KpsMax, 2);
  EXPECT_EQ(e.At(le.Plot.Left, le.Plot.Top + 5), Px(kGraphAxis));
}

TEST(HeatMap, KeysTakeTheColourOfTheirMissRate) {
  Surface s(430, 400);
  FillSurface(s, 0);
  TLetterCounts hits{}, missed{};
  const int k = 11, a = 1, q = 17, minus = 27;
  hits[k] = 80, missed[k] = 20;        // 20 %: red
  hits[a] = 100;                       // never missed: green
  hits[minus] = 9, missed[minus] = 1;  // 10 %: yellow
  DrawKeyboardHeatMap(s, nullptr, 8, 300, hits, missed);
  auto centre = [&](int letter) {
    for (const TKeyCell& c : KeyboardLayout(8, 300))
      if (c.Letter == letter) return s.At(c.Rect.Left + 3, c.Rect.Top + 3);
    return uint16_t{1};
  };
  EXPECT_EQ(centre(k), Px(TRgb{220, 40, 40}));
  EXPECT_EQ(centre(a), Px(TRgb{40, 150, 70}));
  EXPECT_EQ(centre(minus), Px(TRgb{230, 200, 40}));
  EXPECT_EQ(centre(q), Px(TRgb{72, 72, 84}));  // never typed
  // Q is the first key of the top row, at the given corner; A and Z rows
  // are staggered to the right.
  std::vector<TKeyCell> keys = KeyboardLayout(8, 300);
  ASSERT_EQ(keys.size(), 27u);
  EXPECT_EQ(keys[0].Letter, q);
  EXPECT_EQ(keys[0].Rect.Left, 8);
  EXPECT_EQ(keys[11].Letter, a);
  EXPECT_GT(keys[11].Rect.Left, 8);
  EXPECT_EQ(keys[11].Rect.Top, 300 + kKeyPitch);
  // Keys do not overlap: the gap between Q and W stays dark.
  EXPECT_NE(s.At(8 + kKeySize, 305), Px(TRgb{72, 72, 84}));
}

}  // namespace
