// The practice field measures speed as the game does: by typeable time, not
// by every frame on the field.
#include <gtest/gtest.h>

#include "practice/practice.h"
#include "records/records.h"
#include "support/test_support.h"

namespace {

TEST(PracticeSpeed, OnlyFramesWithAnOpenWindowAreTypeableTime) {
  auto t = MakeStartedGame(4);
  Game& g = t->G;
  std::vector<std::string> problems;
  std::string error;
  ASSERT_TRUE(StartPracticeFromSpec(g, "1", problems, error)) << error;
  ASSERT_EQ(g.Scene, kScenePracticeField);
  StepFrames(*t, 60);
  const TPracticeResult& r = g.Practice.Result;
  EXPECT_EQ(r.M.Frames, 60);
  // The first word's window grows for several frames before it can be typed.
  EXPECT_GT(r.M.TypeFrames, 0);
  EXPECT_LE(r.M.TypeFrames, 60 - 6);
  int64_t before = r.M.TypeFrames;
  StepFrame(*t);
  EXPECT_EQ(r.M.TypeFrames, before + 1);
  EXPECT_EQ(TypingKps(r.M), 0.0);  // nothing typed yet
}

}  // namespace
