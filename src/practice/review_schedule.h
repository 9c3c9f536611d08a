// 復習: the words to bring back, scheduled across days in Leitner boxes 1-5
// (intervals of 1, 2, 4, 8 and 16 days). A word enters box 1 when it is
// missed or typed at under half the player's median word speed; typed cleanly
// at or above the median when it is due, it moves up a box; missed or slow,
// back to box 1. It is due when its interval has passed. Days turn at 04:00 local time.
// The schedule is review.txt in the save folder.
#pragma once
#include <string>
#include <vector>

#include "base/calendar.h"
#include "records/measures.h"

struct Game;
struct TRecordEntry;

inline constexpr const char* kReviewFile = "review.txt";
inline constexpr int kReviewBoxes = 5;
inline constexpr int kReviewDayTurnsAt = 4;  // hour
inline constexpr size_t kReviewListWords = 20;

struct TReviewCard {
  int Box = 1;
  TLocalDate Due;
  std::string Text, Reading;  // UTF-8
  bool operator==(const TReviewCard&) const = default;
};

// Days between reviews of a box (1..5).
int ReviewInterval(int box);
// The day a moment belongs to: the date, or the day before until 04:00.
TLocalDate PlayDay(const TLocalTime& t);

// The cards of the file's text; a line that is not a whole card is skipped,
// a word given twice keeps its first card.
std::vector<TReviewCard> ParseReviewCards(const std::string& text);
std::string FormatReviewCards(const std::vector<TReviewCard>& cards);
// One typing of a word on `today`, judged against the median word speed
// (letters per second): moves, adds or leaves its card.
void ReviewTyping(std::vector<TReviewCard>& cards, const TWordMeasure& w, double medianSpeed,
                  const TLocalDate& today);
// The cards due on `today`: lowest box first, then the longest overdue.
std::vector<TReviewCard> DueCards(const std::vector<TReviewCard>& cards, const TLocalDate& today);

// --- The game's side ---
// Today's play day by the game's clock.
TLocalDate ReviewToday(const Game& g);
// The schedule as the file holds it (a missing file: none; an unreadable one
// is reported and left as it is).
std::vector<TReviewCard> LoadReviewCards(Game& g);
// Moves the cards of every word a kept record entry holds, merged into the
// file as it is now under the save lock. Plays whose results are not kept
// (the built-in player, the demo) change nothing.
void KeepReviewTypings(Game& g, const TRecordEntry& e);
