// The review schedule over simulated days: a missed, a slow and a clean
// typing move a word's card the right way; days turn at 04:00; a damaged
// schedule keeps its good cards; the review list is made of the due words,
// then words rich in the weakest kana units; plays whose results are not
// kept change nothing.
#include "practice/review_schedule.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "base/sjis.h"
#include "practice/review_list.h"
#include "records/records.h"
#include "support/test_support.h"

namespace {

TWordMeasure Typing(double lettersPerSecond, bool missed = false) {
  TWordMeasure w;
  w.Units = {"が", "っ", "こ", "う"};
  w.Text = "学校";
  w.Romaji = "gakkou";
  w.Reaction = 3;
  w.Finished = true;
  w.Time = static_cast<int64_t>(6 * 20 / lettersPerSecond);
  if (missed) w.Misses.push_back({1, 11, 10});
  return w;
}

TLocalDate Day(int d) {
  return DateOfDayNumber(DayNumber({2026, 12, 1}) + d);
}

TEST(ReviewSchedule, CardsMoveUpWhenCleanAndBackToBoxOneWhenMissedOrSlow) {
  std::vector<TReviewCard> cards;
  const double median = 4.0;
  // Typed cleanly at the median before it was ever missed: no card.
  ReviewTyping(cards, Typing(4), median, Day(0));
  EXPECT_TRUE(cards.empty());
  // Missed: box 1, due the next day.
  ReviewTyping(cards, Typing(6, true), median, Day(0));
  ASSERT_EQ(cards.size(), 1u);
  EXPECT_EQ(cards[0].Box, 1);
  EXPECT_EQ(cards[0].Due, Day(1));
  EXPECT_EQ(cards[0].Text, "学校");
  EXPECT_EQ(cards[0].Reading, "がっこう");
  EXPECT_TRUE(DueCards(cards, Day(0)).empty());
  EXPECT_EQ(DueCards(cards, Day(1)).size(), 1u);
  // Clean at or above the median, day after day: boxes 2..5, due after 2, 4,
  // 8 and 16 days; box 5 is the last.
  int day = 1;
  for (int box = 2; box <= 6; ++box) {
    ReviewTyping(cards, Typing(4.0), median, Day(day));
    const int want = std::min(box, kReviewBoxes);
    EXPECT_EQ(cards[0].Box, want);
    EXPECT_EQ(cards[0].Due, Day(day + ReviewInterval(want)));
    day += ReviewInterval(want);
  }
  // Clean but below the median: the box stays, due again after its interval.
  ReviewTyping(cards, Typing(3.0), median, Day(day));
  EXPECT_EQ(cards[0].Box, 5);
  // Slow (under half the median): back to box 1.
  ReviewTyping(cards, Typing(1.9), median, Day(day));
  EXPECT_EQ(cards[0].Box, 1);
  EXPECT_EQ(cards[0].Due, Day(day + 1));
  // Typed cleanly again before it is due: it still comes back tomorrow.
  ReviewTyping(cards, Typing(9.0), median, Day(day));
  EXPECT_EQ(cards[0].Box, 1);
  EXPECT_EQ(cards[0].Due, Day(day + 1));
  // A word left unfinished without a miss says nothing.
  TWordMeasure left = Typing(4.0);
  left.Finished = false;
  ReviewTyping(cards, left, median, Day(day + 5));
  EXPECT_EQ(cards[0].Due, Day(day + 1));
}

TEST(ReviewSchedule, DaysTurnAtFourAndDueCardsComeLowestBoxFirst) {
  EXPECT_EQ(PlayDay({{2026, 3, 1}, 3, 59}), (TLocalDate{2026, 2, 28}));
  EXPECT_EQ(PlayDay({{2026, 3, 1}, 4, 0}), (TLocalDate{2026, 3, 1}));
  const std::vector<TReviewCard> cards = {{3, Day(0), "a", "あ"},
                                          {1, Day(2), "i", "い"},
                                          {1, Day(1), "u", "う"},
                                          {2, Day(9), "e", "え"}};
  const std::vector<TReviewCard> due = DueCards(cards, Day(5));
  ASSERT_EQ(due.size(), 3u);
  EXPECT_EQ(due[0].Reading, "う");
  EXPECT_EQ(due[1].Reading, "い");
  EXPECT_EQ(due[2].Reading, "あ");
}

TEST(ReviewSchedule, ADamagedFileKeepsItsGoodCards) {
  const std::string text = std::string("# comment\n1\t2026-12-02\t学校\tがっこう\n") +
                           "6\t2026-12-02\tX\tえっくす\n"     // no box 6
                           "2\t2026-02-30\tX\tえっくす\n"     // no such day
                           "2\t2026-12-02\t\tえっくす\n"      // no word
                           "3\t2026-12-09\t学校\tがっこう\n"  // given twice: the first counts
                           "2\t2026-12-03\t切手\tきって\textra\n" +  // a field too many
                           std::string(1, '\0') +
                           "\xff\n" + "4\t2026-12-20\t猫\tねこ\r\n";
  const std::vector<TReviewCard> cards = ParseReviewCards(text);
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(cards[0], (TReviewCard{1, {2026, 12, 2}, "学校", "がっこう"}));
  EXPECT_EQ(cards[1], (TReviewCard{4, {2026, 12, 20}, "猫", "ねこ"}));
  EXPECT_EQ(ParseReviewCards(FormatReviewCards(cards)), cards);
}

class ReviewGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = MakeStartedGame();
    g().LocalClock = [this] { return TLocalTime{today, 12, 0}; };
    LoadPlayerRecords(g());
  }
  Game& g() { return t->G; }
  std::string File() const { return SavePath(t->G, kReviewFile); }
  // A part whose words were typed as given, kept like a played one.
  void Played(std::vector<TWordMeasure> words) {
    TRecordEntry e;
    e.Keys = 100;
    e.TypeFrames = 400;
    e.WordLog = std::move(words);
    ASSERT_TRUE(AddRecord(g(), e));
  }
  std::unique_ptr<TestGame> t;
  TLocalDate today{2026, 12, 8};
};

TEST_F(ReviewGameTest, TheReviewListIsTheDueWordsThenWeakKanaWords) {
  // っ missed over and over; 学校 missed once, so it is due tomorrow.
  std::vector<TWordMeasure> words;
  for (int i = 0; i < 12; ++i) {
    TWordMeasure w = Typing(4.0, i < 5);
    w.Text = i == 0 ? "学校" : "月光";  // one text for the due word, the rest another
    words.push_back(w);
  }
  Played(words);
  EXPECT_EQ(LoadReviewCards(g()).size(), 2u);
  TPracticeList today_ = ReviewList(g());
  EXPECT_NE(today_.Name.find("今日はなし"), std::string::npos) << today_.Name;
  ASSERT_FALSE(today_.Words.empty());  // the weak-kana words are offered
  for (const std::string& w : today_.Words) EXPECT_NE(w.find(Sjis("っ")), std::string::npos) << w;

  today = {2026, 12, 9};
  const TPracticeList due = ReviewList(g());
  EXPECT_NE(due.Name.find("今日 2 語"), std::string::npos) << due.Name;
  ASSERT_GE(due.Words.size(), 3u);
  EXPECT_EQ(due.Words[0], Sjis("学校:がっこう;"));
  EXPECT_EQ(due.Words[1], Sjis("月光:がっこう;"));
  EXPECT_LE(due.Words.size(), kReviewListWords);
}

TEST_F(ReviewGameTest, ResultsNotKeptAndUnreadableFilesChangeNothing) {
  g().KeepsResults = false;
  Played({Typing(4.0, true)});
  EXPECT_FALSE(std::filesystem::exists(File()));
  g().KeepsResults = true;
  std::filesystem::create_directories(File());  // a folder where the file should be
  Played({Typing(4.0, true)});
  EXPECT_TRUE(std::filesystem::is_directory(File()));
  EXPECT_TRUE(LoadReviewCards(g()).empty());
}

}  // namespace
