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
const KanaEntry* FindKana(const TKanaTable& table, const std::string& kana);
std::vector<std::string> KanaFirstLetters(const TKanaTable& table, const std::string& kana);
std::vector<std::string> FirstLetters(const std::vector<std::string>& list);

// Cuts a reading into units; stalled is set when the 100-step limit ended the
// cut (a unit the table lacks, or 99 units or more).
std::vector<std::string> CutReading(const TKanaTable& table, const std::string& reading,
                                    bool* stalled = nullptr);
// What is wrong with a reading for typing, in the data checker's words, or ""
// when every unit is in the table and it does not end in "っ". The reading is
// CP932; units receives its cut.
std::string ReadingError(const TKanaTable& table, const std::string& reading,
                         std::vector<std::string>* units = nullptr);
