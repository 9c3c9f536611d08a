// Figures drawn from the records: stage attempts, per-stage bests and totals.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/measures.h"
#include "records/records_file.h"
#include "records/records_graph.h"

// Keys per second and accuracy count as bests only for plays of at least
// this many frames in play (10 s), so a part lost in its first seconds does
// not set them.
inline constexpr int64_t kMinFramesForBest = 200;

// The parts of one stage attempt added together.
struct TAttemptSum {
  int Stage = 0, Attempt = 0;
  std::string Difficulty;         // of its first part, as the file marks it
  int Measure = kMeasureVersion;  // the oldest measure among its parts
  std::string RomajiDisplay;      // of its first part
  TMeasures M;                    // without the miss and word logs
  bool Cleared = false;           // its last part was cleared
  int32_t Score = 0;              // the highest score it reached
};

// Stage attempts of "part" entries in file order; partsOfStage gives the
// number of parts of a stage (the stage is cleared when that part is).
std::vector<TAttemptSum> StageAttempts(const std::vector<TRecordEntry>& entries,
                                       int (*partsOfStage)(int));

struct TStageBest {
  int Played = 0, Cleared = 0;
  int32_t Score = 0;
  // 0: no attempt long enough; speed only from attempts measured the
  // current way (kMeasureVersion).
  double Kps = 0, Accuracy = 0;
  int64_t Streak = 0;
  int Rank = -1;  // the best rank of an attempt (records/rank_ladder.h); -1: none
};
// Index 1..10; index 0 unused.
std::array<TStageBest, 11> StageBests(const std::vector<TAttemptSum>& attempts);

struct TTotals {
  int64_t Frames = 0, Keys = 0, Misses = 0, Words = 0, Parts = 0;
  // Keys and typeable time of the entries measured the current way.
  int64_t TypedKeys = 0, TypeFrames = 0;
};
TTotals RecordTotals(const std::vector<TRecordEntry>& entries);

// The graph points of the last `count` entries, oldest first: keys per second
// and accuracy (none for an entry where nothing was typed).
std::vector<TGraphPoint> LastPlayPoints(const std::vector<TRecordEntry>& entries, size_t count);
