// The kana/romaji table: reading it, looking kana up, cutting readings into
// units and expanding a reading into every whole-word romaji it accepts.
#include "type_window/kana_table.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "base/file_bytes.h"
#include "base/game_error.h"
#include "base/sjis.h"

namespace {

bool IsRomajiByte(char c) {
  return (c >= 'A' && c <= 'Z') || c == '-';
}

// One or two whole CP932 double-byte characters.
bool IsKanaKey(const std::string& key) {
  if (key.size() != 2 && key.size() != 4) return false;
  for (size_t i = 0; i < key.size(); i += 2)
    if (!IsSjisLead(static_cast<unsigned char>(key[i]))) return false;
  return true;
}

std::string Where(const std::string& fileName, size_t line) {
  return fileName + ":" + std::to_string(line) + ": ";
}

}  // namespace

const std::string& LetterName(int n) {
  static const std::array<std::string, 29> names = [] {
    std::array<std::string, 29> a;
    for (int i = 1; i <= 26; ++i) a[i] = std::string(1, static_cast<char>('A' + i - 1));
    a[27] = "-";
    a[28] = Sjis("＊");
    return a;
  }();
  static const std::string none;
  return (n >= 1 && n <= 28) ? names[n] : none;
}

int LetterNumber(const std::string& text) {
  for (int n = 1; n <= 27; ++n)
    if (text == LetterName(n)) return n;
  return -1;
}

bool ParseKanaTable(TKanaTable& table, const std::vector<std::string>& lines,
                    const std::string& fileName, std::string& error) {
  table = TKanaTable{};
  auto fail = [&](size_t line, const std::string& message) {
    table = TKanaTable{};
    error = Where(fileName, line) + message;
    return false;
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const size_t lineNo = i + 1;
    if (line == "end;") return true;
    if (line.empty()) return fail(lineNo, "blank line");
    size_t colon = line.rfind(':');
    if (colon == std::string::npos) return fail(lineNo, "a line without \":\"");
    std::string key = line.substr(0, colon);
    if (!IsKanaKey(key)) return fail(lineNo, "the key before \":\" must be one or two kana");
    if (table.Count >= TKanaTable::kSlots)
      return fail(lineNo, "more than " + std::to_string(TKanaTable::kSlots) + " entries");
    KanaEntry entry{key};
    std::string rest = line.substr(colon + 1);
    while (!rest.empty()) {
      size_t sep = rest.find_first_of(",;");
      if (sep == std::string::npos)
        return fail(lineNo, "a romaji without a closing \",\" or \";\"");
      std::string romaji = rest.substr(0, sep);
      if (romaji.empty()) return fail(lineNo, "an empty romaji");
      for (char c : romaji)
        if (!IsRomajiByte(c)) return fail(lineNo, "romaji may hold only A-Z and \"-\"");
      entry.push_back(romaji);
      rest.erase(0, sep + 1);
    }
    if (entry.size() < 2) return fail(lineNo, "a kana without romaji");
    table.Slots[++table.Count] = std::move(entry);
  }
  return fail(lines.size() + 1, "the file ends without \"end;\"");
}

bool ReadDataLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
  std::string text;
  switch (ReadFileBytes(path, kTextFileLimit, text)) {
    case TReadResult::Unreadable:
      error = FormatMessage("ファイル %s は開けません", path);
      return false;
    case TReadResult::Cut:
      error = FormatMessage("ファイル %s は大きすぎます (1 MiB まで)", path);
      return false;
    case TReadResult::Whole:
      break;
  }
  lines.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return true;
}

bool LoadKanaTable(TKanaTable& table, const std::string& path, std::string& error) {
  std::vector<std::string> lines;
  if (!ReadDataLines(path, lines, error)) {
    table = TKanaTable{};
    return false;
  }
  return ParseKanaTable(table, lines, path, error);
}

const KanaEntry* FindKana(const TKanaTable& table, const std::string& kana) {
  // The last entry of a kana counts; searched from the end, the first found.
  for (int i = TKanaTable::kSlots; i >= 1; --i) {
    const KanaEntry& e = table.Slots[i];
    if (!e.empty() && e[0] == kana) return &e;
  }
  return nullptr;
}

KanaEntry* FindKana(TKanaTable& table, const std::string& kana) {
  return const_cast<KanaEntry*>(FindKana(static_cast<const TKanaTable&>(table), kana));
}

std::vector<std::string> KanaFirstLetters(const TKanaTable& table, const std::string& kana) {
  const KanaEntry* e = FindKana(table, kana);
  if (!e) return {};
  return FirstLetters(std::vector<std::string>(e->begin() + 1, e->end()));
}

std::vector<std::string> FirstLetters(const std::vector<std::string>& list) {
  std::vector<std::string> letters;
  for (const std::string& s : list) {
    if (s.empty()) continue;
    std::string first(1, s[0]);
    bool seen = false;
    for (const auto& l : letters) seen = seen || l == first;
    if (!seen) letters.push_back(first);
  }
  return letters;
}

std::vector<std::string> CutReading(const TKanaTable& table, const std::string& reading,
                                    bool* stalled) {
  std::vector<std::string> units;
  if (stalled) *stalled = false;
  // p counts from 0 here; the loop runs while fewer than two bytes are left
  // uncut would leave a half kana, exactly as the 1-based "p < length" test.
  size_t p = 0;
  int steps = 1;
  while (p + 1 < reading.size()) {
    ++steps;
    std::string four = reading.substr(p, 4);
    std::string two = reading.substr(p, 2);
    if (FindKana(table, four)) {
      units.push_back(four);
      p += four.size();
    } else if (FindKana(table, two)) {
      units.push_back(two);
      p += 2;
    }
    if (steps >= 100) {
      if (stalled) *stalled = true;
      break;
    }
  }
  return units;
}

std::string ReadingError(const TKanaTable& table, const std::string& reading,
                         std::vector<std::string>* unitsOut) {
  if (reading.empty()) return "no reading after \":\"";
  bool stalled = false;
  const std::vector<std::string> units = CutReading(table, reading, &stalled);
  if (unitsOut) *unitsOut = units;
  size_t cut = 0;
  for (const auto& u : units) cut += u.size();
  if (cut < reading.size()) {
    if (stalled && units.size() >= 99) return "the reading is too long to cut (99 units or more)";
    if (reading.size() - cut == 1 && static_cast<unsigned char>(reading[cut]) >= 0x80) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(reading[cut]));
      return std::string("the reading ends in a byte that is not a kana (") + hex + ")";
    }
    return "the reading has \"" + SjisToUtf8(reading.substr(cut, 2)) +
           "\", which the kana table lacks";
  }
  if (units.back() == Sjis("っ")) return "a reading must not end in \"っ\"";
  return "";
}
