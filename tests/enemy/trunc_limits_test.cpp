// Whole-pixel truncation of runaway positions: clamped far beyond the field,
// with room left for the sizes and offsets the enemy code adds to them.
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "enemy/enemy_math.h"

namespace {

TEST(TruncLimits, RunawayPositionsLeaveRoomForSizesAndOffsets) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double x : {3e9, 1e300, inf}) {
    // A position plus a picture size (or an offset) must stay an int.
    EXPECT_LE(Trunc(x), INT_MAX - 1000000) << x;
    EXPECT_GE(Trunc(-x), INT_MIN + 1000000) << x;
    EXPECT_GT(Trunc(x), 1000000) << x;  // still far right of the field
    EXPECT_LT(Trunc(-x), -1000000) << x;
  }
  EXPECT_EQ(Trunc(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(429.99), 429);
}

}  // namespace
