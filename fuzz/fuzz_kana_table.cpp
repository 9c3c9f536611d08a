// Fuzz target for the kana table reader: the input is a table file; the lines
// after its "end;" are readings, each cut into units and expanded into its
// whole-word romaji (only when the candidate count stays small).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "type_window/kana_table.h"

namespace {

// Readings with more candidates than this are only measured, never built.
constexpr double kMaxBuiltCandidates = 2000;
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
  TKanaTable cut = table;
  bool stalled = false;
  const std::vector<std::string> units = CutReading(cut, reading, &stalled);
  std::string joined;
  for (const auto& u : units) {
    fuzz::Check(u.size() == 2 || u.size() == 4, "units are one or two kana");
    joined += u;
  }
  fuzz::Check(reading.compare(0, joined.size(), joined) == 0, "units spell the reading's start");
  fuzz::Check(units.size() < 100, "the cut stops within its step limit");

  // Measuring and building start from the same table, so they must agree.
  TKanaTable measured = table;
  const TCandidateMeasure m = MeasureCandidates(measured, units);
  if (m.Count > kMaxBuiltCandidates) return;
  TKanaTable built = table;
  std::vector<std::string> list;
  BuildFirstCandidates(built, units, list);
  BuildRestCandidates(built, units, list);
  fuzz::Check(static_cast<double>(list.size()) == m.Count, "measured count equals built count");
  if (!list.empty()) fuzz::Check(list[0] == m.FirstRomaji, "candidate 0 is the measured one");
  for (const auto& c : list) fuzz::Check(IsRomaji(c), "candidates are A-Z and -");
  FirstLetters(list);

  // The one-call form the game uses must give the same list.
  TKanaTable again = table;
  fuzz::Check(RomajiCandidates(again, reading) == list, "RomajiCandidates matches the builder");
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
    TKanaTable letters = table;
    KanaFirstLetters(letters, reading.substr(0, 2));
  }
  return 0;
}
