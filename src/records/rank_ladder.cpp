// The rank ladder. The threshold test is done in whole numbers, so that a
// play exactly on a threshold gets that rank whatever the rounding:
//   c/(c+m))^2 * c*20/f >= t/10   <=>   200 c^3 >= t f (c+m)^2.
#include "records/rank_ladder.h"

#include "records/records_file.h"

int RankOf(int64_t correct, int64_t misses, int64_t typeFrames) {
  if (correct <= 0 || typeFrames <= 0 || misses < 0) return -1;
  const __int128 c = correct, n = correct + misses, f = typeFrames;
  const __int128 left = 200 * c * c * c;
  int rank = 0;
  for (int i = 1; i < kRankSteps; ++i)
    if (left >= static_cast<__int128>(kRankLadder[i].Tenths) * f * n * n) rank = i;
  return rank;
}

double RankScore(int64_t correct, int64_t misses, int64_t typeFrames) {
  if (correct <= 0 || typeFrames <= 0 || misses < 0) return 0;
  const double accuracy = static_cast<double>(correct) / static_cast<double>(correct + misses);
  return static_cast<double>(correct) * 20.0 / static_cast<double>(typeFrames) * accuracy *
         accuracy;
}

std::string RankLabel(int rank) {
  if (rank < 0 || rank >= kRankSteps) return "-";
  return std::string(kRankLadder[rank].Name) + " (" + kRankLadder[rank].Romaji + ")";
}

const char* RankRomaji(int rank) {
  return rank < 0 || rank >= kRankSteps ? "" : kRankLadder[rank].Romaji;
}

int EntryRank(const TRecordEntry& e) {
  const int64_t frames = e.Measure >= 2 && e.TypeFrames > 0 ? e.TypeFrames : e.Frames;
  return RankOf(e.Keys, e.Misses, frames);
}
