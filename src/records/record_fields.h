// The key=value fields after an entry's fixed fields in the records file:
// m= how speed was measured, t= typeable frames, w= the per-word figures;
// r= and k= the windows' view; l= and g= a practice run's list and goal.
// Readers skip keys they do not know, so later features add fields freely.
#pragma once
#include <string>
#include <vector>

#include "records/records_file.h"

// Appends " m=.. t=.. w=.." for the entry (w= only when it has words).
void AppendExtraFields(std::string& out, const TRecordEntry& e);
// Reads one field "key=value" into e; unknown keys are skipped. False when
// the field is no key=value or a known key's value is damaged.
bool ParseExtraField(const char* begin, const char* end, TRecordEntry& e);

// The w= value: words joined by ','; a word is
//   units/romaji/reaction/time/finished/misses
// units: the kana of each unit (UTF-8, %XX for bytes that would break the
// field) joined by '.'; reaction: frames or '-' when never typed; time:
// frames; finished: 0 or 1; misses: unit number and the letters expected
// ('_': none) and typed, joined by '.', as "2kx.2ka"; then the word's text
// as the window showed it (escaped like the units; left out when unknown).
// Sub-fields after these are skipped by readers, so a word can gain figures
// too.
std::string FormatWordLog(const std::vector<TWordMeasure>& words);
bool ParseWordLog(const char* begin, const char* end, std::vector<TWordMeasure>& words);
