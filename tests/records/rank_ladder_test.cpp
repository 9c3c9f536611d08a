// The rank ladder at its thresholds: a play exactly on a threshold has that
// rank, one key less does not; accuracy counts squared; nothing typed has none.
#include "records/rank_ladder.h"

#include <gtest/gtest.h>

namespace {

TEST(RankLadder, EveryThresholdIsExact) {
  // With no misses the rank score is keys per second: 20 s of typeable time
  // (400 frames) and t/10 keys per second is 2t keys.
  for (int i = 0; i < kRankSteps; ++i) {
    const int t = kRankLadder[i].Tenths;
    if (t == 0) continue;
    EXPECT_EQ(RankOf(2 * t, 0, 400), i) << kRankLadder[i].Romaji;
    EXPECT_EQ(RankOf(2 * t - 1, 0, 400), i - 1) << kRankLadder[i].Romaji;
  }
  EXPECT_EQ(RankOf(1, 0, 400), 0);
  EXPECT_EQ(RankOf(100000, 0, 1), kRankSteps - 1);
  EXPECT_EQ(RankOf(0, 5, 400), -1);
  EXPECT_EQ(RankOf(10, 0, 0), -1);
  EXPECT_EQ(RankLabel(-1), "-");
  EXPECT_EQ(RankLabel(3), "侍 (samurai)");
}

TEST(RankLadder, AccuracyCountsSquared) {
  // 3.0 keys/s at 90 % accuracy: 3 * 0.81 = 2.43, a 侍 (2.0), not a 忍者 (2.5).
  EXPECT_EQ(RankOf(540, 60, 3600), 3);
  EXPECT_NEAR(RankScore(540, 60, 3600), 2.43, 1e-12);
  // On the 忍者 threshold exactly: 400 right of 500 over 2048 frames is
  // 3.90625 keys/s at 80 %, 3.90625 * 0.64 = 2.5; one frame more falls short.
  EXPECT_EQ(RankOf(400, 100, 2048), 4);
  EXPECT_EQ(RankOf(400, 100, 2049), 3);
}

}  // namespace
