// The kana/romaji table: reading it, looking kana up, cutting readings into
// units and expanding a reading into every whole-word romaji it accepts.
#include "type_window/kana_table.h"

#include <fstream>
#include <sstream>

#include "base/file_bytes.h"
#include "base/game_error.h"
#include "base/sjis.h"

namespace {

// The kana the candidate builder treats specially, converted once.
struct TSpecialKana {
  std::string N, SmallTsu;
  std::array<std::string, 5> NaRow, Vowels;
};

const TSpecialKana& Special() {
  static const TSpecialKana kana = [] {
    TSpecialKana k;
    k.N = Sjis("ん");
    k.SmallTsu = Sjis("っ");
    k.NaRow = {Sjis("な"), Sjis("に"), Sjis("ぬ"), Sjis("ね"), Sjis("の")};
    k.Vowels = {Sjis("あ"), Sjis("い"), Sjis("う"), Sjis("え"), Sjis("お")};
    return k;
  }();
  return kana;
}

bool IsOneOf(const std::string& s, const std::array<std::string, 5>& set) {
  for (const auto& x : set)
    if (s == x) return true;
  return false;
}

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

KanaEntry* FindKana(TKanaTable& table, const std::string& kana) {
  KanaEntry* found = nullptr;
  for (int i = 1; i <= TKanaTable::kSlots; ++i) {
    KanaEntry& e = table.Slots[i];
    if (!e.empty() && e[0] == kana) found = &e;
  }
  return found;
}

std::vector<std::string> KanaFirstLetters(TKanaTable& table, const std::string& kana) {
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

std::vector<std::string> CutReading(TKanaTable& table, const std::string& reading, bool* stalled) {
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

void BuildFirstCandidates(TKanaTable& table, const std::vector<std::string>& units,
                          std::vector<std::string>& candidates) {
  candidates.clear();
  if (units.empty()) return;
  const KanaEntry* e = FindKana(table, units[0]);
  if (e) candidates.assign(e->begin() + 1, e->end());
}

KanaEntry* PrepareUnit(TKanaTable& table, const std::vector<std::string>& units, size_t k) {
  const TSpecialKana& sp = Special();
  KanaEntry* e = FindKana(table, units[k]);
  if (!e) return nullptr;
  const bool hasNext = k + 1 < units.size();
  const std::string next = hasNext ? units[k + 1] : std::string();
  if (units[k] == sp.N && hasNext && IsOneOf(next, sp.NaRow)) *e = {sp.N, "NN"};
  if (units[k] == sp.SmallTsu) {
    // A doubled consonant: any first letter of the next unit, inserted at the
    // front one by one, so the last-listed letter becomes the default.
    for (const std::string& letter : KanaFirstLetters(table, next))
      e->insert(e->begin() + 1, letter);
  }
  if (units[k] == sp.N && hasNext && IsOneOf(next, sp.Vowels)) *e = {sp.N, "NN"};
  return e;
}

void RestoreUnit(TKanaTable& table, const std::vector<std::string>& units, size_t k) {
  const TSpecialKana& sp = Special();
  KanaEntry* e = FindKana(table, units[k]);
  if (!e) return;
  const bool hasNext = k + 1 < units.size();
  const std::string next = hasNext ? units[k + 1] : std::string();
  if (units[k] == sp.N && hasNext && IsOneOf(next, sp.NaRow)) *e = {sp.N, "N", "NN"};
  if (units[k] == sp.SmallTsu) *e = {sp.SmallTsu, "XTU", "LTU"};
  if (units[k] == sp.N && hasNext && IsOneOf(next, sp.Vowels)) *e = {sp.N, "N", "NN"};
}

void BuildRestCandidates(TKanaTable& table, const std::vector<std::string>& units,
                         std::vector<std::string>& candidates) {
  for (size_t k = 1; k < units.size(); ++k) {
    const KanaEntry* e = PrepareUnit(table, units, k);
    if (e && e->size() >= 2) {
      // Each existing candidate gains the unit's first romaji in place; the
      // other romaji make new candidates appended behind all current ones, so
      // candidate 0 stays the word made of every unit's first romaji.
      const size_t m = candidates.size();
      for (size_t i = 0; i < m; ++i) {
        for (size_t r = 2; r < e->size(); ++r) candidates.push_back(candidates[i] + (*e)[r]);
        candidates[i] += (*e)[1];
      }
    }
    RestoreUnit(table, units, k);
  }
}

std::vector<std::string> RomajiCandidates(TKanaTable& table, const std::string& reading) {
  std::vector<std::string> units = CutReading(table, reading);
  std::vector<std::string> candidates;
  BuildFirstCandidates(table, units, candidates);
  BuildRestCandidates(table, units, candidates);
  return candidates;
}

TCandidateMeasure MeasureCandidates(TKanaTable& table, const std::vector<std::string>& units) {
  TCandidateMeasure m;
  if (units.empty()) return m;
  const KanaEntry* first = FindKana(table, units[0]);
  if (!first || first->size() < 2) return m;
  m.Count = static_cast<double>(first->size() - 1);
  m.FirstRomaji = (*first)[1];
  for (size_t k = 1; k < units.size(); ++k) {
    const KanaEntry* e = PrepareUnit(table, units, k);
    if (e && e->size() >= 2) {
      m.Count *= static_cast<double>(e->size() - 1);
      m.FirstRomaji += (*e)[1];
    }
    RestoreUnit(table, units, k);
  }
  return m;
}
