// The script's field reader, its number parsers and the table of kind names
// and of the values each kind reads from its script line.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "base/game_error.h"
#include "base/sjis.h"
#include "enemy/enemy.h"
#include "script/script.h"

namespace {

constexpr int KindCount = 22;

// Own values per kind, in the order a script line gives them.
constexpr std::array<const char*, KindCount + 1> ValueTypes = {
    "",      // no kind 0
    "iir",   // 1 foot soldier: x, y, walking speed
    "is",    // 2 gunman: y, side
    "iir",   // 3 fly: x, y, speed
    "i",     // 4 feather: x
    "",      // 5 boss
    "",      // 6 warning sign
    "i",     // 7 bread: x
    "iiir",  // 8 television: words, x, y, sinking speed
    "ir",    // 9 missile: x, speed
    "sirr",  // 10 turtle: side, landing y, hop step, slide speed
    "",      // 11 boss
    "i",     // 12 circle: turning sense
    "iirr",  // 13 construction soldier: x, y, speed, walking period
    "iir",   // 14 cat-bird: x, y, speed
    "",      // 15 boss
    "i",     // 16 double of boss 15: x
    "rii",   // 17 leaf: fall speed, swing centre, amplitude
    "",      // 18 boss
    "i",     // 19 boss: words
    "i",     // 20 boss: words
    "ii",    // 21 option: pattern, x
    "ii",    // 22 option: pattern, x
};

[[noreturn]] void BadInt(const std::string& field) {
  throw GameError(FormatMessage("'%s' は整数ではありません", SjisToUtf8(field)));
}

[[noreturn]] void BadReal(const std::string& field) {
  throw GameError(FormatMessage("'%s' は浮動小数点数ではありません", SjisToUtf8(field)));
}

}  // namespace

const char* KindValueTypes(int kind) {
  if (kind < 1 || kind > KindCount) return "";
  return ValueTypes[kind];
}

int KindOfScriptName(const std::string& sjisName) {
  // The keywords are converted to CP932 once; the table never changes after.
  static const std::array<std::string, KindCount + 1> names = [] {
    std::array<std::string, KindCount + 1> t;
    for (int k = 1; k <= KindCount; ++k) t[k] = Sjis(KindInfo(k).Keyword);
    return t;
  }();
  if (sjisName.empty()) return 0;
  for (int k = 1; k <= KindCount; ++k)
    if (names[k] == sjisName) return k;
  return 0;
}

std::string NextField(std::string& text) {
  size_t p = text.find_first_of(",;");
  if (p == std::string::npos) return std::string();
  std::string field = text.substr(0, p);
  text.erase(0, p + 1);
  return field;
}

int FieldToInt(const std::string& field) {
  size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  if (i >= field.size()) BadInt(field);
  int64_t value = 0;
  for (; i < field.size(); ++i) {
    char c = field[i];
    if (c < '0' || c > '9') BadInt(field);
    value = value * 10 + (c - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) BadInt(field);
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
    BadInt(field);
  return static_cast<int>(value);
}

double FieldToReal(const std::string& field) {
  size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  size_t start = i;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;
  size_t digits = 0;
  bool point = false;
  for (size_t j = i; j < field.size(); ++j) {
    char c = field[j];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      BadReal(field);
    }
  }
  if (digits == 0) BadReal(field);
  // from_chars takes no leading '+'.
  if (field[start] == '+') ++start;
  double value = 0;
  auto [end, ec] = std::from_chars(field.data() + start, field.data() + field.size(), value);
  if (ec != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
    BadReal(field);
  return value;
}
