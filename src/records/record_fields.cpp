// Writing and reading the key=value fields of a records line.
#include "records/record_fields.h"

#include <charconv>
#include <string_view>

namespace {

bool KeyChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Bytes a unit's kana may not carry as they are: separators of the line,
// the field, the word and the unit, and the escape itself.
bool Escaped(unsigned char c) {
  return c <= 0x20 || c == 0x7f || c == '%' || c == ',' || c == '/' || c == '.' || c == '=';
}

void AppendEscaped(std::string& out, const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (unsigned char c : text) {
    if (!Escaped(c)) {
      out += static_cast<char>(c);
      continue;
    }
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 15];
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool Unescape(std::string_view s, std::string& out) {
  out.clear();
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out += s[i];
      continue;
    }
    if (i + 2 >= s.size()) return false;
    const int hi = HexDigit(s[i + 1]), lo = HexDigit(s[i + 2]);
    if (hi < 0 || lo < 0) return false;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return true;
}

// Splits s at sep (an empty s gives one empty piece).
std::vector<std::string_view> Split(std::string_view s, char sep) {
  std::vector<std::string_view> out;
  size_t from = 0;
  for (;;) {
    const size_t at = s.find(sep, from);
    out.push_back(
        s.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
    if (at == std::string_view::npos) return out;
    from = at + 1;
  }
}

template <typename T>
bool Number(std::string_view s, T& v) {
  if (s.empty() || s.size() > 18) return false;
  auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && v >= 0;
}

char LetterOrMark(uint8_t letter) {
  return letter >= 1 && letter <= 27 ? RecordLetterChar(letter) : '_';
}

bool ParseLetterOrMark(char c, uint8_t& letter) {
  if (c == '_') {
    letter = 0;
    return true;
  }
  const int n = RecordLetterIndex(c);
  if (n == 0 || (c >= 'A' && c <= 'Z')) return false;
  letter = static_cast<uint8_t>(n);
  return true;
}

bool ParseMisses(std::string_view s, TWordMeasure& w) {
  if (s.empty()) return true;
  for (std::string_view item : Split(s, '.')) {
    if (item.size() < 3) return false;
    TWordMiss m;
    if (!Number(item.substr(0, item.size() - 2), m.Unit) ||
        !ParseLetterOrMark(item[item.size() - 2], m.Expected) ||
        !ParseLetterOrMark(item[item.size() - 1], m.Typed))
      return false;
    w.Misses.push_back(m);
  }
  return true;
}

bool ParseWord(std::string_view s, TWordMeasure& w) {
  const std::vector<std::string_view> parts = Split(s, '/');
  if (parts.size() < 6) return false;
  for (std::string_view unit : Split(parts[0], '.')) {
    std::string kana;
    if (!Unescape(unit, kana)) return false;
    w.Units.push_back(std::move(kana));
  }
  for (char c : parts[1])
    if (RecordLetterIndex(c) == 0 || (c >= 'A' && c <= 'Z')) return false;
  w.Romaji = std::string(parts[1]);
  if (parts[2] == "-")
    w.Reaction = -1;
  else if (!Number(parts[2], w.Reaction))
    return false;
  if (!Number(parts[3], w.Time)) return false;
  if (parts[4] != "0" && parts[4] != "1") return false;
  w.Finished = parts[4] == "1";
  if (!ParseMisses(parts[5], w)) return false;
  // The word's own text came later; a damaged one is only left out.
  if (parts.size() >= 7 && !Unescape(parts[6], w.Text)) w.Text.clear();
  return true;
}

}  // namespace

std::string FormatWordLog(const std::vector<TWordMeasure>& words) {
  std::string out;
  for (size_t i = 0; i < words.size(); ++i) {
    const TWordMeasure& w = words[i];
    if (i > 0) out += ',';
    for (size_t k = 0; k < w.Units.size(); ++k) {
      if (k > 0) out += '.';
      AppendEscaped(out, w.Units[k]);
    }
    out += '/';
    for (char c : w.Romaji)
      if (RecordLetterIndex(c) != 0) out += RecordLetterChar(RecordLetterIndex(c));
    out += '/';
    out += w.Reaction < 0 ? std::string("-") : std::to_string(w.Reaction);
    out += '/';
    out += std::to_string(w.Time < 0 ? 0 : w.Time);
    out += w.Finished ? "/1/" : "/0/";
    for (size_t k = 0; k < w.Misses.size(); ++k) {
      if (k > 0) out += '.';
      out += std::to_string(w.Misses[k].Unit < 0 ? 0 : w.Misses[k].Unit);
      out += LetterOrMark(w.Misses[k].Expected);
      out += LetterOrMark(w.Misses[k].Typed);
    }
    if (!w.Text.empty()) {
      out += '/';
      AppendEscaped(out, w.Text);
    }
  }
  return out;
}

bool ParseWordLog(const char* begin, const char* end, std::vector<TWordMeasure>& words) {
  words.clear();
  const std::string_view s(begin, static_cast<size_t>(end - begin));
  if (s.empty()) return true;
  for (std::string_view item : Split(s, ',')) {
    TWordMeasure w;
    if (!ParseWord(item, w)) return false;
    words.push_back(std::move(w));
  }
  return true;
}

void AppendExtraFields(std::string& out, const TRecordEntry& e) {
  out += " m=" + std::to_string(e.Measure < 1 ? 1 : e.Measure);
  out += " t=" + std::to_string(e.TypeFrames < 0 ? 0 : e.TypeFrames);
  if (!e.WordLog.empty()) out += " w=" + FormatWordLog(e.WordLog);
  // Only what differs from the windows every older line was played with.
  if (e.RomajiDisplay == "hint" || e.RomajiDisplay == "off") out += " r=" + e.RomajiDisplay;
  if (e.ReadingLine) out += " k=on";
  if (!e.List.empty()) {
    out += " l=";
    AppendEscaped(out, e.List);
  }
  if (!e.Goal.empty()) out += " g=" + e.Goal;
}

bool ParseExtraField(const char* begin, const char* end, TRecordEntry& e) {
  const char* eq = begin;
  while (eq != end && KeyChar(*eq)) ++eq;
  if (eq == begin || eq == end || *eq != '=' || eq + 1 == end) return false;
  const std::string_view key(begin, static_cast<size_t>(eq - begin));
  const std::string_view value(eq + 1, static_cast<size_t>(end - eq - 1));
  if (key == "m") return Number(value, e.Measure) && e.Measure >= 1;
  if (key == "t") return Number(value, e.TypeFrames);
  if (key == "w") return ParseWordLog(eq + 1, end, e.WordLog);
  if (key == "r") {
    if (value != "always" && value != "hint" && value != "off") return false;
    e.RomajiDisplay = std::string(value);
    return true;
  }
  if (key == "k") {
    if (value != "on" && value != "off") return false;
    e.ReadingLine = value == "on";
    return true;
  }
  if (key == "l") return Unescape(value, e.List);
  if (key == "g") {
    if (value != "60s" && value != "120s" && value != "20w" && value != "50w") return false;
    e.Goal = std::string(value);
    return true;
  }
  return true;
}
