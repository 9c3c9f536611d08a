// The records file: one text line per finished part (or practice run), after a
// versioned header line. Lines are appended with a single write, so a crash
// can only cut the last line; loading skips damaged lines and keeps the rest.
// After an entry's fixed fields come key=value fields (records/record_fields.h).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "records/measures.h"

inline constexpr int kRecordsVersion = 1;

// One finished part. Kind says what was played: "part" (a part of a stage),
// "practice", "retry" (one word: letters, digits, '_').
struct TRecordEntry {
  int64_t Time = 0;  // when it finished, seconds since 1970 (UTC)
  std::string Kind = "part";
  int Stage = 0, Part = 0;
  std::string Difficulty;  // empty: the game has no difficulty setting
  int Attempt = 0;         // stage attempt it belongs to (continues keep it)
  bool Cleared = false;
  int32_t Score = 0;
  int64_t Keys = 0, Misses = 0, Streak = 0, Frames = 0, Words = 0;
  TLetterCounts Hits{}, Missed{};
  // How speed was measured (lines without m= are 1) and the typeable time.
  int Measure = kMeasureVersion;
  int64_t TypeFrames = 0;
  std::vector<TWordMeasure> WordLog;
  // The prompt windows it was played with: the romaji display ("always",
  // "hint" or "off"; lines without r= are "always") and the reading line.
  std::string RomajiDisplay = "always";
  bool ReadingLine = false;
  // Practice runs: the list's name (UTF-8) and the goal ("60s", "120s",
  // "20w", "50w"; empty: free), so that runs of one list and goal compare.
  std::string List, Goal;
};

// The entry's keys per second as it was measured: per second of typeable
// time, or of play for entries of measure 1.
double EntryKps(const TRecordEntry& e);

// The line of an entry, ending in '\n'.
std::string FormatRecordLine(const TRecordEntry& e);
// A line's fields closed by their check and the line end.
std::string SealRecordLine(std::string fields);
// Parses one line (without its '\n'); false when it is damaged.
bool ParseRecordLine(const char* begin, const char* end, TRecordEntry& e);

struct TRecordsLoad {
  std::vector<TRecordEntry> Entries;
  int Version = 0;       // 0: no file (or an empty one)
  bool Writable = true;  // false: a newer version or not a records file
  int Skipped = 0;       // damaged or cut lines left out
  std::string Warning;   // one message about the whole file, or empty
};

// Reads the file at path; a missing file gives no entries and no warning.
TRecordsLoad LoadRecordsFile(const std::string& path);

// Appends one entry (the header first when the file is new or empty). A cut
// last line left by a crash is dropped first, so it never runs into the new
// one. Refuses (false) a file of a newer version or without our header.
bool AppendRecordLine(const std::string& path, const TRecordEntry& e, std::string& error);

// The records file beside the ranking file at rankingPath.
std::string RecordsPathBeside(const std::string& rankingPath);
