// Building the review practice from the schedule and the records.
#include "practice/review_list.h"

#include <algorithm>
#include <map>

#include "base/file_bytes.h"
#include "base/sjis.h"
#include "practice/review_schedule.h"
#include "records/measures.h"
#include "records/word_trouble.h"
#include "type_window/romaji_word.h"
#include "world/game.h"

namespace {

// The unit rates of the weakest units: the share each makes of a word's
// units counts by how often it is missed.
std::map<std::string, double> WeakUnitRates(const Game& g) {
  std::map<std::string, double> rates;
  for (const TUnitTrouble& u : FindTroubles(g.Records.Entries).WeakUnits)
    rates[Sjis(u.Kana)] = static_cast<double>(u.Missed) / (u.Typed + u.Missed);
  return rates;
}

bool HasWords(const Game& g) {
  for (const TRecordEntry& e : g.Records.Entries)
    if (!e.WordLog.empty()) return true;
  return false;
}

}  // namespace

std::vector<std::string> WeakKanaWords(Game& g, size_t count) {
  const std::map<std::string, double> rates = WeakUnitRates(g);
  if (rates.empty()) return {};
  const auto scored = ScoredListWords(g, [&](const TRomajiWord& word) {
    double weight = 0;
    for (const TRomajiUnit& u : word.Units) {
      const auto it = rates.find(u.Kana);
      if (it != rates.end()) weight += it->second;
    }
    return weight / static_cast<double>(word.Units.size());
  });
  std::vector<std::string> out;
  for (size_t i = 0; i < scored.size() && out.size() < count && scored[i].first > 0; ++i)
    if (std::find(out.begin(), out.end(), scored[i].second) == out.end())
      out.push_back(scored[i].second);
  return out;
}

TPracticeList ReviewList(Game& g) {
  TPracticeList l;
  l.Kind = TPracticeList::TKind::Review;
  if (!HasWords(g)) {
    l.Name = "復習";
    l.Refusal = "まだ記録がありません（ゲームを遊ぶと選べます）";
    return l;
  }
  const std::vector<TReviewCard> due = DueCards(LoadReviewCards(g), ReviewToday(g));
  for (const TReviewCard& c : due) {
    if (l.Words.size() >= kReviewListWords) break;
    l.Words.push_back(Sjis(c.Text + ":" + c.Reading + ";"));
  }
  for (const std::string& w : WeakKanaWords(g, kReviewListWords)) {
    if (l.Words.size() >= kReviewListWords) break;
    if (std::find(l.Words.begin(), l.Words.end(), w) == l.Words.end()) l.Words.push_back(w);
  }
  l.Name = due.empty() ? "復習：今日はなし（苦手なかなの言葉）"
                       : "復習（今日 " + std::to_string(due.size()) + " 語）";
  if (l.Words.empty()) l.Refusal = "今日の復習はありません。苦手なかなもまだ分かりません";
  return l;
}

void FixReviewSpec(Game& g, std::string& spec) {
  if (spec != kReviewSpec) return;
  const TPracticeList list = ReviewList(g);
  if (list.Refusal.empty()) spec = CarriedText("復習.txt", ReviewListText(list));
}

std::string ReviewListText(const TPracticeList& list) {
  std::string text = "# 復習\n";
  for (const std::string& w : list.Words) text += SjisToUtf8(w) + "\n";
  return text;
}
