// Result cards: the card holds the result panel's own pixels, shows the
// practice result on the practice panel, and never overwrites a card kept
// earlier in the same minute.
#include "records/result_card.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "records/results_draw.h"
#include "support/test_support.h"

namespace {

TResultView AResult() {
  TResultView v;
  v.Valid = true;
  v.Stage = 3;
  v.Part = 2;
  v.M.Correct = 540;
  v.M.Misses = 60;
  v.M.Frames = 4000;
  v.M.TypeFrames = 3600;
  v.M.LongestStreak = 77;
  v.BestKps = true;
  return v;
}

int DifferingPixels(const Surface& a, const Surface& b, TRect r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += a.At(x, y) != b.At(x, y);
  return n;
}

TEST(ResultCard, HoldsThePanelsOwnPixelsAndLeavesTheScreenAlone) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  g.Records.PartResult = AResult();
  const TCardResult r = CurrentCardResult(g);
  ASSERT_TRUE(r.Valid);
  FillSurface(g.Screen, 0x1234);
  const Surface card = DrawResultCard(g, r);
  EXPECT_EQ(card.Width, kCardWidth);
  EXPECT_EQ(card.Height, kCardHeight);
  EXPECT_EQ(g.Screen.At(200, 200), 0x1234);  // the screen was not drawn on

  // The panel drawn alone on the card's ground, where the card puts it.
  FillSurface(g.Screen, card.At(kCardPanelX + 2, kCardPanelY + kResultPanelHeight - 2));
  DrawResultPanel(g, r.View, kCardPanelX, kCardPanelY);
  const TRect panel = MakeRect(kCardPanelX, kCardPanelY, kCardPanelX + kResultPanelWidth,
                               kCardPanelY + kResultPanelHeight);
  EXPECT_EQ(DifferingPixels(card, g.Screen, panel), 0);
  // ...and the figures are in it: another result draws another card.
  TCardResult other = r;
  other.View.M.Correct = 300;
  EXPECT_GT(DifferingPixels(DrawResultCard(g, other), card, panel), 20);
}

TEST(ResultCard, ThePracticePanelShowsThePracticeResult) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  g.Records.PartResult = AResult();
  g.Scene = kScenePracticeResult;
  g.Practice.Result.ListName = "レベル1「ひとことの言葉」";
  g.Practice.Result.M.Correct = 120;
  g.Practice.Result.M.TypeFrames = 600;
  const TCardResult r = CurrentCardResult(g);
  ASSERT_TRUE(r.Valid);
  EXPECT_EQ(r.View.M.Correct, 120);
  EXPECT_NE(r.Heading.find("ひとことの言葉"), std::string::npos);
  // Nothing typed: no card.
  g.Practice.Result.M = TMeasures();
  EXPECT_FALSE(CurrentCardResult(g).Valid);
}

TEST(ResultCard, CardsOfOneMinuteGetTheirOwnNames) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  g.LocalClock = [] { return TLocalTime{{2026, 12, 9}, 7, 5}; };
  const auto folder = std::filesystem::temp_directory_path() / "mirutena_cards_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  EXPECT_EQ(CardFileName(g, folder.string()), "mirutena-20261209-0705.png");
  std::ofstream(folder / "mirutena-20261209-0705.png") << "x";
  std::ofstream(folder / "mirutena-20261209-0705-2.png") << "x";
  EXPECT_EQ(CardFileName(g, folder.string()), "mirutena-20261209-0705-3.png");
  std::filesystem::remove_all(folder);
}

}  // namespace
