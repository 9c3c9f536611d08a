// Trouble lists from the records' per-word figures. Speeds leave the reaction
// out (word time runs from the first to the last correct letter); the weak
// units are ranked as the weak keys are, by the lower bound of their miss
// rate once they have enough evidence.
#include "records/word_trouble.h"

#include <algorithm>
#include <map>

#include "records/measures.h"

namespace {

constexpr double kFramesPerSecond = 20.0;

bool Started(const TWordMeasure& w) {
  return w.Time > 0 || w.Reaction >= 0 || !w.Misses.empty();
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t m = v.size() / 2;
  return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

}  // namespace

double TWordTrouble::Speed() const {
  return Frames > 0 ? static_cast<double>(Letters) * kFramesPerSecond / Frames : 0;
}

double TWordTrouble::MissesPerTyping() const {
  return Typings > 0 ? static_cast<double>(Misses) / Typings : 0;
}

double WordSpeed(const TWordMeasure& w) {
  if (!w.Finished || w.Time <= 0) return 0;
  return static_cast<double>(w.Romaji.size()) * kFramesPerSecond / static_cast<double>(w.Time);
}

std::string ReadingOf(const TWordMeasure& w) {
  std::string reading;
  for (const std::string& u : w.Units) reading += u;
  return reading;
}

TTroubleReport FindTroubles(const std::vector<TRecordEntry>& entries, size_t plays) {
  TTroubleReport report;
  // The last plays that hold words, oldest first.
  std::vector<const TRecordEntry*> chosen;
  for (auto it = entries.rbegin(); it != entries.rend() && chosen.size() < plays; ++it)
    if (!it->WordLog.empty()) chosen.push_back(&*it);
  std::reverse(chosen.begin(), chosen.end());
  report.Plays = static_cast<int>(chosen.size());

  std::map<std::string, TWordTrouble> words;  // by reading and text
  std::map<std::string, TUnitTrouble> units;
  std::vector<double> speeds;
  for (const TRecordEntry* e : chosen)
    for (const TWordMeasure& w : e->WordLog) {
      if (!Started(w)) continue;
      const std::string reading = ReadingOf(w);
      const std::string text = w.Text.empty() ? reading : w.Text;
      TWordTrouble& t = words[reading + '\t' + text];
      t.Text = text;
      t.Reading = reading;
      t.Typings += 1;
      t.Misses += static_cast<int64_t>(w.Misses.size());
      if (w.Finished && w.Time > 0) {
        t.Finished += 1;
        t.Letters += static_cast<int64_t>(w.Romaji.size());
        t.Frames += w.Time;
        speeds.push_back(WordSpeed(w));
      }
      for (const std::string& kana : w.Units) {
        TUnitTrouble& u = units[kana];
        u.Kana = kana;
        u.Typed += 1;
      }
      for (const TWordMiss& m : w.Misses)
        if (m.Unit >= 0 && static_cast<size_t>(m.Unit) < w.Units.size())
          units[w.Units[static_cast<size_t>(m.Unit)]].Missed += 1;
    }
  report.MedianSpeed = Median(speeds);

  for (const auto& [key, t] : words) {
    if (t.Finished >= kTroubleMinTypings) report.Slowest.push_back(t);
    if (t.Typings >= kTroubleMinTypings && t.Misses > 0) report.MostMissed.push_back(t);
  }
  std::stable_sort(
      report.Slowest.begin(), report.Slowest.end(),
      [](const TWordTrouble& a, const TWordTrouble& b) { return a.Speed() < b.Speed(); });
  std::stable_sort(report.MostMissed.begin(), report.MostMissed.end(),
                   [](const TWordTrouble& a, const TWordTrouble& b) {
                     if (a.MissesPerTyping() != b.MissesPerTyping())
                       return a.MissesPerTyping() > b.MissesPerTyping();
                     return a.Misses > b.Misses;
                   });
  if (report.Slowest.size() > kTroubleRows) report.Slowest.resize(kTroubleRows);
  if (report.MostMissed.size() > kTroubleRows) report.MostMissed.resize(kTroubleRows);

  for (const auto& [kana, u] : units)
    if (u.Missed > 0 && u.Typed + u.Missed >= kMinKeyEvidence) report.WeakUnits.push_back(u);
  std::stable_sort(report.WeakUnits.begin(), report.WeakUnits.end(),
                   [](const TUnitTrouble& a, const TUnitTrouble& b) {
                     const double la = MissRateLowerBound(a.Typed, a.Missed);
                     const double lb = MissRateLowerBound(b.Typed, b.Missed);
                     if (la != lb) return la > lb;
                     return a.Missed > b.Missed;
                   });
  if (report.WeakUnits.size() > kTroubleRows) report.WeakUnits.resize(kTroubleRows);
  return report;
}
