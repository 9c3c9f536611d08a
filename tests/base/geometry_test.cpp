// Rectangle overlap and the direction angle between two points.
#include "base/geometry.h"

#include <gtest/gtest.h>

TEST(RectsOverlap, EdgesThatOnlyTouchDoNotOverlap) {
  const TRect a = MakeRect(0, 0, 10, 10);
  EXPECT_FALSE(RectsOverlap(a, MakeRect(10, 0, 20, 10)));   // right edge
  EXPECT_FALSE(RectsOverlap(MakeRect(10, 0, 20, 10), a));   // left edge
  EXPECT_FALSE(RectsOverlap(a, MakeRect(0, 10, 10, 20)));   // bottom edge
  EXPECT_FALSE(RectsOverlap(a, MakeRect(0, -10, 10, 0)));   // top edge
  EXPECT_FALSE(RectsOverlap(a, MakeRect(10, 10, 20, 20)));  // corner
}

TEST(RectsOverlap, SharedAreaOverlapsBothWays) {
  const TRect a = MakeRect(0, 0, 10, 10);
  EXPECT_TRUE(RectsOverlap(a, MakeRect(9, 9, 20, 20)));
  EXPECT_TRUE(RectsOverlap(MakeRect(9, 9, 20, 20), a));
  EXPECT_TRUE(RectsOverlap(a, MakeRect(2, 2, 4, 4)));      // inside
  EXPECT_TRUE(RectsOverlap(MakeRect(-5, -5, 50, 50), a));  // around
  EXPECT_TRUE(RectsOverlap(a, MakeRect(-3, 4, 1, 6)));
}

TEST(RectsOverlap, NegativeWidthNeverOverlaps) {
  const TRect inverted = MakeRect(10, 0, 0, 10);
  EXPECT_FALSE(RectsOverlap(inverted, MakeRect(0, 0, 10, 10)));
  EXPECT_FALSE(RectsOverlap(MakeRect(0, 0, 10, 10), inverted));
  EXPECT_FALSE(RectsOverlap(MakeRect(5, 0, 4, 10), MakeRect(-100, -100, 100, 100)));
}

TEST(RectsOverlap, ZeroWidthIsNotRejectedButCannotShareArea) {
  // A zero-wide rectangle passes the width test; inside another one it counts.
  EXPECT_TRUE(RectsOverlap(MakeRect(5, 0, 5, 10), MakeRect(0, 0, 10, 10)));
  EXPECT_FALSE(RectsOverlap(MakeRect(10, 0, 10, 10), MakeRect(0, 0, 10, 10)));
}

TEST(AngleTo, PointsAlongTheAxes) {
  EXPECT_DOUBLE_EQ(AngleTo(0, 0, 10, 0), 0.0);
  EXPECT_DOUBLE_EQ(AngleTo(0, 0, 0, -10), 90.0);  // up on the screen
  EXPECT_DOUBLE_EQ(AngleTo(0, 0, -10, 0), 180.0);
  EXPECT_DOUBLE_EQ(AngleTo(0, 0, 0, 10), -90.0);  // down on the screen
}

TEST(AngleTo, DiagonalsAndOffsetOrigins) {
  EXPECT_NEAR(AngleTo(100, 100, 110, 90), 45.0, 1e-12);
  EXPECT_NEAR(AngleTo(100, 100, 90, 90), 135.0, 1e-12);
  EXPECT_NEAR(AngleTo(100, 100, 90, 110), -135.0, 1e-12);
  EXPECT_NEAR(AngleTo(-5, 7, -5 + 3, 7 + 3), -45.0, 1e-12);
  EXPECT_DOUBLE_EQ(AngleTo(3, 3, 3, 3), 0.0);  // same point: atan2(0, 0)
}
