// The rank a play earns, from typing speed and accuracy together: the rank
// score is keys per second (of typeable time) times accuracy squared, so a
// fast typist who misses a lot ranks below a steady one. Ten ranks of our
// own, from ひよこ to 神速; the README lists their thresholds.
#pragma once
#include <cstdint>
#include <string>

struct TRankStep {
  const char* Name;    // UTF-8
  const char* Romaji;  // lower case, the --summary value
  int Tenths;          // the rank score it starts at, in tenths
};

inline constexpr int kRankSteps = 10;
inline constexpr TRankStep kRankLadder[kRankSteps] = {
    {"ひよこ", "hiyoko", 0},  {"見習い", "minarai", 10}, {"足軽", "ashigaru", 15},
    {"侍", "samurai", 20},    {"忍者", "ninja", 25},     {"剣豪", "kengou", 30},
    {"達人", "tatsujin", 35}, {"名人", "meijin", 45},    {"鬼神", "kishin", 55},
    {"神速", "shinsoku", 70},
};

// The rank (0..9) of a play of `correct` right keys and `misses` misses over
// `typeFrames` frames of typeable time (20 a second), decided exactly at the
// thresholds; -1 for a play with nothing typed.
int RankOf(int64_t correct, int64_t misses, int64_t typeFrames);
// The rank score itself (keys per second times accuracy squared).
double RankScore(int64_t correct, int64_t misses, int64_t typeFrames);
// "侍 (samurai)"-style label, or "-" for -1.
std::string RankLabel(int rank);
const char* RankRomaji(int rank);  // "" for -1

struct TRecordEntry;
// The rank of a records entry: over its typeable time, or over its time in
// play for entries measured before typeable time was kept.
int EntryRank(const TRecordEntry& e);
