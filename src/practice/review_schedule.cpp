// The review schedule: its Leitner rules, its file and the game's hooks.
#include "practice/review_schedule.h"

#include <algorithm>
#include <sstream>

#include "records/records.h"
#include "records/word_trouble.h"
#include "saves/save_file.h"
#include "saves/save_lock.h"
#include "world/game.h"
#include "world/saved_results.h"

namespace {

constexpr size_t kReviewFileLimit = 4 << 20;

std::string ReviewPath(const Game& g) {
  return SavePath(g, kReviewFile);
}

// Text of a card: no tabs or line ends, not empty, not absurdly long.
bool PlainText(const std::string& s) {
  return !s.empty() && s.size() <= 256 && s.find_first_of("\t\r\n") == std::string::npos;
}

TReviewCard* Find(std::vector<TReviewCard>& cards, const std::string& text,
                  const std::string& reading) {
  for (TReviewCard& c : cards)
    if (c.Reading == reading && c.Text == text) return &c;
  return nullptr;
}

TLocalDate AddDays(const TLocalDate& d, int days) {
  return DateOfDayNumber(DayNumber(d) + days);
}

}  // namespace

int ReviewInterval(int box) {
  return 1 << (std::clamp(box, 1, kReviewBoxes) - 1);
}

TLocalDate PlayDay(const TLocalTime& t) {
  return t.Hour < kReviewDayTurnsAt ? AddDays(t.Date, -1) : t.Date;
}

std::vector<TReviewCard> ParseReviewCards(const std::string& text) {
  std::vector<TReviewCard> cards;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> f = TabFields(line);
    TReviewCard c;
    if (f.size() != 4 || f[0].size() != 1 || f[0][0] < '1' || f[0][0] > '0' + kReviewBoxes ||
        !ParseIsoDate(f[1], c.Due) || !PlainText(f[2]) || !PlainText(f[3]))
      continue;
    c.Box = f[0][0] - '0';
    c.Text = f[2];
    c.Reading = f[3];
    if (!Find(cards, c.Text, c.Reading)) cards.push_back(c);
  }
  return cards;
}

std::string FormatReviewCards(const std::vector<TReviewCard>& cards) {
  std::string text = "# mirutena review: box (1-5), due date, word, reading (tab-separated)\n";
  for (const TReviewCard& c : cards)
    text += std::to_string(c.Box) + "\t" + FormatIsoDate(c.Due) + "\t" + c.Text + "\t" + c.Reading +
            "\n";
  return text;
}

void ReviewTyping(std::vector<TReviewCard>& cards, const TWordMeasure& w, double medianSpeed,
                  const TLocalDate& today) {
  const std::string reading = ReadingOf(w);
  const std::string text = w.Text.empty() ? reading : w.Text;
  if (!PlainText(reading) || !PlainText(text)) return;
  const bool missed = !w.Misses.empty();
  // A word left unfinished without a miss says nothing about the player.
  if (!missed && !w.Finished) return;
  const double speed = WordSpeed(w);
  const bool slow = w.Finished && medianSpeed > 0 && speed < medianSpeed / 2;
  TReviewCard* card = Find(cards, text, reading);
  if (missed || slow) {
    if (!card) {
      cards.push_back({1, today, text, reading});
      card = &cards.back();
    }
    card->Box = 1;
    card->Due = AddDays(today, ReviewInterval(1));
    return;
  }
  // Only a card that is due moves up: typed again cleanly the day it was
  // missed, it still comes back tomorrow.
  if (!card || DayNumber(card->Due) > DayNumber(today)) return;
  if (speed >= medianSpeed) card->Box = std::min(card->Box + 1, kReviewBoxes);
  card->Due = AddDays(today, ReviewInterval(card->Box));
}

std::vector<TReviewCard> DueCards(const std::vector<TReviewCard>& cards, const TLocalDate& today) {
  std::vector<TReviewCard> due;
  const int64_t day = DayNumber(today);
  for (const TReviewCard& c : cards)
    if (DayNumber(c.Due) <= day) due.push_back(c);
  std::stable_sort(due.begin(), due.end(), [](const TReviewCard& a, const TReviewCard& b) {
    if (a.Box != b.Box) return a.Box < b.Box;
    return DayNumber(a.Due) < DayNumber(b.Due);
  });
  return due;
}

TLocalDate ReviewToday(const Game& g) {
  return PlayDay(g.LocalClock ? g.LocalClock() : TLocalTime{});
}

std::vector<TReviewCard> LoadReviewCards(Game& g) {
  const std::string path = ReviewPath(g);
  std::string bytes, why;
  switch (ReadSaveFile(path, kReviewFileLimit, bytes, why)) {
    case TSaveRead::Missing:
      return {};
    case TSaveRead::Unreadable:
      ReportUnreadableSave(g, path, why);
      return {};
    case TSaveRead::Read:
      break;
  }
  return ParseReviewCards(bytes);
}

void KeepReviewTypings(Game& g, const TRecordEntry& e) {
  if (!g.KeepsResults || e.WordLog.empty()) return;
  const std::string path = ReviewPath(g);
  TSaveLock lock(FolderOfSaveFile(path));
  std::string bytes, why;
  const TSaveRead read = ReadSaveFile(path, kReviewFileLimit, bytes, why);
  if (read == TSaveRead::Unreadable) {
    ReportUnreadableSave(g, path, why);
    return;
  }
  std::vector<TReviewCard> cards;
  if (read == TSaveRead::Read) cards = ParseReviewCards(bytes);
  const std::vector<TReviewCard> before = cards;
  const double median = FindTroubles(g.Records.Entries).MedianSpeed;
  const TLocalDate today = ReviewToday(g);
  for (const TWordMeasure& w : e.WordLog) ReviewTyping(cards, w, median, today);
  if (cards == before && read == TSaveRead::Read) return;
  if (cards.empty() && read == TSaveRead::Missing) return;
  WriteSave(g, path, FormatReviewCards(cards), g.Scenes.ReviewWriteReported);
}
