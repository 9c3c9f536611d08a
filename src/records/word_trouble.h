// The words and kana units that gave the player trouble over their last
// plays: the slowest and the most-missed words, the weakest units, and the
// player's median word speed that the review measures typings against.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "records/records_file.h"

inline constexpr size_t kTroublePlays = 50;  // finished parts and practice runs
inline constexpr size_t kTroubleRows = 10;   // rows of each list
inline constexpr int kTroubleMinTypings = 2;

// One word over the plays looked at.
struct TWordTrouble {
  std::string Text, Reading;        // UTF-8; Text is the reading when not kept
  int Typings = 0;                  // showings typed at least one letter of
  int Finished = 0;                 // of them typed to the end
  int64_t Letters = 0, Frames = 0;  // over the finished typings (word time)
  int64_t Misses = 0;               // over every typing
  double Speed() const;             // letters per second of word time
  double MissesPerTyping() const;
};

struct TUnitTrouble {
  std::string Kana;  // UTF-8, one unit as the typing cuts a reading (きょ, っ, ん)
  uint32_t Typed = 0, Missed = 0;
};

struct TTroubleReport {
  int Plays = 0;           // entries looked at
  double MedianSpeed = 0;  // letters per second, over every finished typing
  std::vector<TWordTrouble> Slowest, MostMissed;
  std::vector<TUnitTrouble> WeakUnits;  // worst first, with enough evidence
};

// Letters per second of one finished typing (0 when it has no word time).
double WordSpeed(const TWordMeasure& w);
std::string ReadingOf(const TWordMeasure& w);
// The report over the last `plays` entries that hold words.
TTroubleReport FindTroubles(const std::vector<TRecordEntry>& entries, size_t plays = kTroublePlays);
