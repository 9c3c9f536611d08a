// The kana/romaji table and the romaji candidates of a reading. All text is
// CP932 bytes: a kana is two bytes, a two-kana unit four.
#pragma once
#include <array>
#include <string>
#include <vector>

// Item 0 is the kana key, items 1.. its romaji in file order.
using KanaEntry = std::vector<std::string>;

struct TKanaTable {
  static constexpr int kSlots = 200;
  std::array<KanaEntry, kSlots + 1> Slots;  // slots 1..200 used
  int Count = 0;
};

// The 28 letters: "A".."Z" (1..26), "-" (27) and "＊" (28, CP932).
const std::string& LetterName(int n);
// 1..27 for "A".."Z" and "-", else -1.
int LetterNumber(const std::string& text);

// Reads the table from a CP932 file; on a broken file returns false and sets
// error to "file:line: message" (the table is left empty).
bool LoadKanaTable(TKanaTable& table, const std::string& path, std::string& error);
// Parses table lines (without line ends); lines[0] is line 1 in messages.
bool ParseKanaTable(TKanaTable& table, const std::vector<std::string>& lines,
                    const std::string& fileName, std::string& error);

// Reads a data file into lines, dropping the CR of CR LF line ends; false with
// the game's "cannot open" message when the file cannot be read.
bool ReadDataLines(const std::string& path, std::vector<std::string>& lines, std::string& error);

// The last entry whose key equals kana, or nullptr.
KanaEntry* FindKana(TKanaTable& table, const std::string& kana);
std::vector<std::string> KanaFirstLetters(TKanaTable& table, const std::string& kana);
std::vector<std::string> FirstLetters(const std::vector<std::string>& list);

// Cuts a reading into units; stalled is set when the 100-step limit ended the
// cut (a unit the table lacks, or 99 units or more).
std::vector<std::string> CutReading(TKanaTable& table, const std::string& reading,
                                    bool* stalled = nullptr);
// First call: the first unit's romaji.
void BuildFirstCandidates(TKanaTable& table, const std::vector<std::string>& units,
                          std::vector<std::string>& candidates);
// Second call: the expansion over the other units (rewrites and restores the
// table's "ん" and "っ" entries as it goes).
void BuildRestCandidates(TKanaTable& table, const std::vector<std::string>& units,
                         std::vector<std::string>& candidates);
// One unit's step of the second call: applies the "ん"/"っ" rewrites for unit
// k and returns its entry (nullptr when the table lacks it); RestoreUnit
// writes the entry back as the builder leaves it.
KanaEntry* PrepareUnit(TKanaTable& table, const std::vector<std::string>& units, size_t k);
void RestoreUnit(TKanaTable& table, const std::vector<std::string>& units, size_t k);

// The number of whole-word candidates of a cut reading and candidate 0,
// without building the list (the table's entries change as in the builder).
struct TCandidateMeasure {
  double Count = 0;
  std::string FirstRomaji;
};
TCandidateMeasure MeasureCandidates(TKanaTable& table, const std::vector<std::string>& units);

// Both calls: the whole-word romaji of a reading, in the game's order.
// The reading is CP932.
std::vector<std::string> RomajiCandidates(TKanaTable& table, const std::string& reading);
