// The script's field reader, its number parsers and the look-up of a kind by
// its script name.
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

[[noreturn]] void BadInt(const std::string& field) {
  throw GameError(FormatMessage("'%s' は整数ではありません", SjisToUtf8(field)));
}

[[noreturn]] void BadReal(const std::string& field) {
  throw GameError(FormatMessage("'%s' は浮動小数点数ではありません", SjisToUtf8(field)));
}

}  // namespace

const char* KindValueTypes(int kind) {
  return KindInfo(kind).ValueTypes;
}

int KindOfScriptName(const std::string& sjisName) {
  // The keywords are converted to CP932 once; the table never changes after.
  static const std::array<std::string, kKindCount + 1> names = [] {
    std::array<std::string, kKindCount + 1> t;
    for (int k = 1; k <= kKindCount; ++k) t[k] = Sjis(KindInfo(k).Keyword);
    return t;
  }();
  if (sjisName.empty()) return 0;
  for (int k = 1; k <= kKindCount; ++k)
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
