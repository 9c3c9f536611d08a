// The player's records as the game holds them (Game::Records): the entries
// of the records file, the measures of the part being played and of the
// stage attempt, and the results shown when a part, a stage or a game ends.
//
// Other features add their own runs through AddRecord (a practice run: Kind
// "practice"; a retried part: Kind "retry") and read the per-letter miss
// statistics with LetterTotals and WeakestKeys (records/measures.h).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "records/measures.h"
#include "records/records_file.h"
#include "records/records_screen.h"
#include "records/word_tracking.h"

struct Game;

// Figures of a finished part or stage as shown on screen, with the personal
// bests they set (against earlier plays of the same stage and part, or of
// the same stage for a whole stage).
struct TResultView {
  bool Valid = false;
  bool WholeStage = false;
  int Stage = 0, Part = 0;
  TMeasures M;
  std::vector<int> Weak;  // the three weakest keys of this play
  bool BestKps = false, BestAccuracy = false, BestStreak = false, BestScore = false;
  std::string Title;  // UTF-8: a heading of its own instead of the stage and part
};

struct TRecords {
  // Seconds since 1970 for the date of an entry; set by the program (tests
  // leave it, and entries are dated 0).
  std::function<int64_t()> Now;
  std::string Path;  // the file the entries were read from
  std::vector<TRecordEntry> Entries;
  bool Writable = true;
  bool WriteReported = false;
  std::string Warning;  // of the last load

  TMeasures Live;       // the part being played
  TMeasures StageRun;   // every part of the current stage attempt
  TMeasures RunTotal;   // everything typed in this run of the program
  TWordTracking Words;  // the words on the field, until each ends into Live
  int Attempt = 0;
  TResultView PartResult, StageResult;
  TRecordsScreenData Screen;  // what the records screen shows
};

// --- The game's hooks ---
// Reads the records file beside the ranking (warns once about damage).
void LoadPlayerRecords(Game& g);
// The records file of the current save folder.
std::string PlayerRecordsPath(const Game& g);
void RecordsStageStarted(Game& g);
void RecordsPartStarted(Game& g);
// A play frame: counted as time in play while enemies or windows are there.
void RecordsPlayFrame(Game& g);
// A typing frame begins (play or practice), before the windows move and the
// frame's letters, which were typed while the player saw the windows as they
// are now: counts the frame as typeable time when one of them is open and
// not locked, and follows the words the windows show.
void RecordsTypingFrame(Game& g);
void RecordsHit(Game& g, char letter, bool wordDone);
// expected is 0 when no window could take any letter.
void RecordsMiss(Game& g, char expected, char typed);
// A part is over: cleared (before the next part or the stage's end) or lost.
void RecordsPartEnded(Game& g, bool cleared);
// The stage was cleared: its last part is kept with the final score.
void RecordsStageFinished(Game& g);
// Ends the words still shown into Live (unfinished), or forgets them.
void RecordsFlushWords(Game& g);
void RecordsResetWords(Game& g);

// --- For other features ---
// Dates and appends an entry to the records file and keeps it in memory;
// false (reported once) when it cannot be written.
bool AddRecord(Game& g, TRecordEntry entry);
// An entry of the given kind carrying what m measured (keys, misses, longest
// streak, time, words, letters); the caller fills in stage, part and the rest.
TRecordEntry MeasuresEntry(const std::string& kind, const TMeasures& m);
// The measures an entry carries: the way back from MeasuresEntry.
// The same without the per-word log, for sums over many entries.
TMeasures EntryCounts(const TRecordEntry& e);
TMeasures EntryMeasures(const TRecordEntry& e);
// Per expected letter: hits and misses over the given entries.
void LetterTotals(const std::vector<TRecordEntry>& entries, TLetterCounts& hits,
                  TLetterCounts& missed);
