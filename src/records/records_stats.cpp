// Stage attempts, per-stage bests and totals over the records.
#include "records/records_stats.h"

#include <algorithm>
#include <map>
#include <utility>

#include "records/rank_ladder.h"
#include "records/records.h"

std::vector<TAttemptSum> StageAttempts(const std::vector<TRecordEntry>& entries,
                                       int (*partsOfStage)(int)) {
  std::vector<TAttemptSum> out;
  std::map<std::pair<int, int>, size_t> index;
  for (const TRecordEntry& e : entries) {
    if (e.Kind != "part" || e.Stage < 1 || e.Stage > 10) continue;
    auto key = std::make_pair(e.Stage, e.Attempt);
    auto it = index.find(key);
    if (it == index.end()) {
      it = index.emplace(key, out.size()).first;
      TAttemptSum a;
      a.Stage = e.Stage;
      a.Attempt = e.Attempt;
      a.Difficulty = e.Difficulty;
      a.RomajiDisplay = e.RomajiDisplay;
      out.push_back(a);
    }
    TAttemptSum& a = out[it->second];
    a.Measure = std::min(a.Measure, e.Measure);
    // The counts only: copying the logs of every entry is slow.
    AddMeasures(a.M, EntryCounts(e));
    a.Score = std::max(a.Score, e.Score);
    if (e.Cleared && e.Part == partsOfStage(e.Stage)) a.Cleared = true;
  }
  return out;
}

std::array<TStageBest, 11> StageBests(const std::vector<TAttemptSum>& attempts) {
  std::array<TStageBest, 11> out{};
  for (const TAttemptSum& a : attempts) {
    TStageBest& b = out[a.Stage];
    b.Played += 1;
    if (a.Cleared) b.Cleared += 1;
    b.Score = std::max(b.Score, a.Score);
    b.Streak = std::max(b.Streak, a.M.LongestStreak);
    if (a.M.Frames >= kMinFramesForBest) {
      if (a.Measure == kMeasureVersion) {
        b.Kps = std::max(b.Kps, TypingKps(a.M));
        b.Rank = std::max(b.Rank, RankOf(a.M.Correct, a.M.Misses, a.M.TypeFrames));
      }
      // A part where nothing was typed has no accuracy to be best at.
      if (a.M.Correct + a.M.Misses > 0)
        b.Accuracy = std::max(b.Accuracy, Accuracy(a.M.Correct, a.M.Misses));
    }
  }
  return out;
}

TTotals RecordTotals(const std::vector<TRecordEntry>& entries) {
  TTotals t;
  for (const TRecordEntry& e : entries) {
    t.Frames += e.Frames;
    t.Keys += e.Keys;
    t.Misses += e.Misses;
    t.Words += e.Words;
    t.Parts += 1;
    if (e.Measure == kMeasureVersion) {
      t.TypedKeys += e.Keys;
      t.TypeFrames += e.TypeFrames;
    }
  }
  return t;
}

std::vector<TGraphPoint> LastPlayPoints(const std::vector<TRecordEntry>& entries, size_t count) {
  std::vector<TGraphPoint> points;
  const size_t from = entries.size() > count ? entries.size() - count : 0;
  for (size_t i = from; i < entries.size(); ++i) {
    const TRecordEntry& e = entries[i];
    // A part where nothing was typed has a speed (0) but no accuracy.
    const bool typed = e.Keys + e.Misses > 0;
    points.push_back({EntryKps(e), typed ? Accuracy(e.Keys, e.Misses) : -1.0});
  }
  return points;
}
