// Fuzz target for the kana table reader: the input is a table file; the lines
// after its "end;" are readings, each cut into units, made into a word whose
// guide and spellings (while their count stays small) must match themselves.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "type_window/kana_table.h"
#include "type_window/romaji_word.h"

namespace {

// Readings with more spellings than this are only counted, never listed.
constexpr double kMaxListedSpellings = 2000;
// A few readings per input, each cut to a word's length: every unit costs
// table scans, and longer readings only repeat the same steps.
constexpr size_t kMaxReadings = 6;
constexpr size_t kMaxReadingBytes = 48;

bool IsRomaji(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!((c >= 'A' && c <= 'Z') || c == '-')) return false;
  return true;
}

void CheckTable(const TKanaTable& table) {
  fuzz::Check(table.Count >= 0 && table.Count <= TKanaTable::kSlots, "slot count in range");
  for (int i = 1; i <= table.Count; ++i) {
    const KanaEntry& e = table.Slots[i];
    fuzz::Check(e.size() >= 2, "every entry has a kana and a romaji");
    fuzz::Check(e[0].size() == 2 || e[0].size() == 4, "keys are one or two kana");
    for (size_t r = 1; r < e.size(); ++r) fuzz::Check(IsRomaji(e[r]), "romaji are A-Z and -");
  }
}

void Expand(const TKanaTable& table, const std::string& reading) {
  bool stalled = false;
  const std::vector<std::string> units = CutReading(table, reading, &stalled);
  std::string joined;
  for (const auto& u : units) {
    fuzz::Check(u.size() == 2 || u.size() == 4, "units are one or two kana");
    joined += u;
  }
  fuzz::Check(reading.compare(0, joined.size(), joined) == 0, "units spell the reading's start");
  fuzz::Check(units.size() < 100, "the cut stops within its step limit");

  ReadingError(table, reading);

  const TRomajiWord word = MakeRomajiWord(table, units);
  const TGuideStyle style;
  const TRomajiPath guide = GuidePath(word, style);
  const std::string shown = PathRomaji(word, guide);
  TRomajiPath path;
  if (!word.Units.empty()) {
    fuzz::Check(IsRomaji(shown), "the guide is A-Z and -");
    fuzz::Check(WholePath(word, shown, guide, path), "the guide is a whole spelling");
  }
  WordFirstLetters(word);
  if (SpellingCount(word) > kMaxListedSpellings) return;
  ForEachSpelling(word, [&](const std::string& s) {
    fuzz::Check(IsRomaji(s), "spellings are A-Z and -");
    fuzz::Check(WholePath(word, s, guide, path), "every listed spelling is accepted whole");
    fuzz::Check(PathRomaji(word, path) == s, "the accepted path spells it");
    fuzz::Check(FitPath(word, s.substr(0, s.size() / 2), guide, style, path),
                "its first half fits");
    fuzz::Check(PathRomaji(word, path).compare(0, s.size() / 2, s, 0, s.size() / 2) == 0,
                "the fitted path begins with the half");
    return true;
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::WriteScratchFile("dat/hiragana.txt", data, size);
  TKanaTable table;
  std::string error;
  if (!LoadKanaTable(table, path, error)) {
    fuzz::Check(table.Count == 0, "a rejected table is left empty");
    fuzz::Check(!error.empty(), "a rejected table has a message");
    return 0;
  }
  CheckTable(table);

  std::vector<std::string> lines;
  if (!ReadDataLines(path, lines, error)) return 0;
  size_t i = 0;
  while (i < lines.size() && lines[i] != "end;") ++i;
  size_t readings = 0;
  for (++i; i < lines.size() && readings < kMaxReadings; ++i, ++readings) {
    const std::string reading = lines[i].substr(0, kMaxReadingBytes);
    Expand(table, reading);
    KanaFirstLetters(table, reading.substr(0, 2));
  }
  return 0;
}
