// The stage-script checker behind --check-data: takes enemy lines apart and
// walks a script the way the runner would, reporting what would go wrong.
#include <cmath>
#include <fstream>
#include <iterator>
#include <string_view>

#include "base/file_bytes.h"
#include "base/game_error.h"
#include "base/sjis.h"
#include "enemy/enemy.h"
#include "media/catalog_table.h"
#include "media/field_size.h"
#include "script/script.h"

namespace {

constexpr int MaxTrigger = 99998;  // the runner's limit (below the scene clock)
constexpr double MaxDrift = 100.0;
constexpr int MaxRandomLetters = 16;

bool HasSeparator(const std::string& text) {
  return text.find_first_of(",;") != std::string::npos;
}

// Pattern width and height of the kind's picture, from the catalog figures.
bool KindSize(int kind, int& width, int& height) {
  std::string_view picture = KindInfo(kind).Picture;
  for (const TPictureSpec& spec : kPictureSpecs) {
    if (picture == spec.Name) {
      width = spec.PatternWidth;
      height = spec.PatternHeight;
      return true;
    }
  }
  return false;
}

// Checks of the values that the behaviours take as positions, sides and counts.
std::string CheckValues(const TEnemyLine& l) {
  const int k = l.Kind;
  int w = 0, h = 0;
  KindSize(k, w, h);
  auto v = [&](size_t i) { return l.Values[i]; };
  auto xOk = [&](double x) { return x >= 0 && x + w <= kFieldWidth; };
  auto yOk = [&](double y) { return y >= -h && y + h - 8 < kFieldHeight - 60; };
  switch (k) {
    case 1:
    case 3:
    case 13:
    case 14:
      if (!xOk(v(0))) return "x が画面の外です";
      if (!yOk(v(1))) return "y が画面の外か下に近すぎます";
      break;
    case 4:
    case 7:
    case 16:
      if (!xOk(v(0))) return "x が画面の外です";
      break;
    case 8:
      if (v(0) < 1) return "語数は 1 以上にしてください";
      if (!xOk(v(1))) return "x が画面の外です";
      if (!yOk(v(2))) return "y が画面の外か下に近すぎます";
      break;
    case 9:
      if (!xOk(v(0))) return "x が画面の外です";
      if (v(1) <= 0) return "ミサイルの速さは正にしてください";
      break;
    case 2:
    case 12:
      if (v(k == 2 ? 1 : 0) != 1 && v(k == 2 ? 1 : 0) != -1) return "向きは 1 か -1 です";
      break;
    case 10:
      if (v(0) != 1 && v(0) != -1) return "向きは 1 か -1 です";
      if (v(1) < 0 || v(1) + h - 8 >= kFieldHeight - 60) return "着地の y が範囲の外です";
      break;
    case 17:
      if (v(1) - std::abs(v(2)) < 0 || v(1) + std::abs(v(2)) + w > kFieldWidth)
        return "揺れが画面からはみ出します";
      break;
    case 19:
    case 20:
      if (v(0) < 1) return "語数は 1 以上にしてください";
      break;
    case 21:
    case 22:
      if (!xOk(v(1))) return "x が画面の外です";
      break;
    default:
      break;
  }
  return std::string();
}

std::string CheckLevel(const TEnemyLine& l) {
  const TKindInfo& kind = KindInfo(l.Kind);
  if (l.None || kind.HighestLevel == 0) return std::string();
  int low = kind.LowestLevel, high = kind.HighestLevel;
  if (!kind.Boss && l.Mode == "random") high = MaxRandomLetters;
  if (l.WordLevel < low || l.WordLevel > high)
    return "語のレベル " + std::to_string(l.WordLevel) + " は範囲 " + std::to_string(low) + ".." +
           std::to_string(high) + " の外です";
  return std::string();
}

std::string CheckHeader(const std::string& header) {
  std::string text = header;
  if (!HasSeparator(text)) return "ヘッダーは「タイル名,ドリフトx,ドリフトy;」の形です";
  std::string tile = NextField(text);
  if (tile.empty()) return "背景タイルの名前がありません";
  for (char c : tile) {
    bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '_' || c == '-';
    if (!ok) return "背景タイルの名前に使えない文字があります";
  }
  for (int i = 0; i < 2; ++i) {
    if (!HasSeparator(text)) return "ドリフトの速さが足りません";
    double d = 0;
    try {
      d = FieldToReal(NextField(text));
    } catch (const GameError& e) {
      return e.what();
    }
    if (std::abs(d) > MaxDrift) return "ドリフトの速さが大きすぎます";
  }
  return std::string();
}

}  // namespace

bool ParseEnemyLine(const std::string& line, TEnemyLine& out, std::string& error) {
  out = TEnemyLine();
  if (line.empty() || line[0] != ':') {
    error = "敵の行は ':' で始まります";
    return false;
  }
  size_t colon = line.find(':', 1);
  if (colon == std::string::npos) {
    error = "種類名の後の ':' がありません";
    return false;
  }
  std::string name = line.substr(1, colon - 1);
  out.Kind = KindOfScriptName(name);
  if (out.Kind == 0) {
    error = FormatMessage("敵の種類 '%s' がありません", SjisToUtf8(name));
    return false;
  }
  std::string rest = line.substr(colon + 1), look = rest;
  try {
    if (NextField(look) == "boss") {
      rest = look;
      out.Boss = true;
    }
    for (const char* word : {"hidden", "random", "figure"}) {
      look = rest;
      if (NextField(look) == word) {
        rest = look;
        out.Mode = word;
        break;
      }
    }
    const std::string types = KindValueTypes(out.Kind);
    look = rest;
    if (NextField(look) == "none") {
      out.None = true;
      rest = look;
      if (!types.empty()) {
        error = "'none' は固有の値を持たない種類 (ボスと警告) にだけ使えます";
        return false;
      }
    } else {
      int* targets[3] = {&out.WordLevel, &out.PromptOffsetX, &out.PromptOffsetY};
      for (int* t : targets) {
        if (!HasSeparator(rest)) {
          error = "語のレベルと窓の位置 (整数 3 つ) が足りません";
          return false;
        }
        *t = FieldToInt(NextField(rest));
      }
    }
    for (char type : types) {
      if (!HasSeparator(rest)) {
        error = "この種類の値が足りません (" + std::to_string(types.size()) + " 個必要)";
        return false;
      }
      std::string field = NextField(rest);
      if (type == 'r') {
        out.Values.push_back(FieldToReal(field));
      } else {
        int value = FieldToInt(field);
        if (type == 's' && (value < -128 || value > 127)) {
          error = "'" + field + "' は -128..127 の外です";
          return false;
        }
        out.Values.push_back(value);
      }
    }
  } catch (const GameError& e) {
    error = e.what();
    return false;
  }
  if (!rest.empty()) {
    error = "行の終わりに余分な文字があります: '" + SjisToUtf8(rest) + "'";
    return false;
  }
  if (out.Kind == 6 && !out.None && out.Boss) {
    error = "警告はボスになれません";
    return false;
  }
  error = CheckLevel(out);
  if (error.empty()) error = CheckValues(out);
  return error.empty();
}

bool CheckScriptLines(const std::vector<std::string>& lines, const std::string& fileName,
                      std::vector<std::string>& errors) {
  const size_t before = errors.size();
  auto fault = [&](size_t line, const std::string& message) {
    errors.push_back(fileName + ":" + std::to_string(line) + ": " + message);
  };
  if (lines.size() < 2) {
    fault(lines.size(), "1 行目 (題) と 2 行目 (ヘッダー) がありません");
    return false;
  }
  for (size_t i = 0; i < 2; ++i)
    if (!lines[i].empty() && lines[i][0] == '*') fault(i + 1, "1, 2 行目は '*' で始められません");
  if (std::string h = CheckHeader(lines[1]); !h.empty()) fault(2, h);

  size_t end = 0;  // 1-based line of the first "end;"
  for (size_t i = 0; i < lines.size() && end == 0; ++i)
    if (lines[i] == "end;") end = i + 1;
  if (end == 0) {
    fault(lines.size(), "'end;' の行がありません");
    end = lines.size() + 1;
  }

  // Walk the lines as the runner reads them.
  enum { BeforeFirst, AfterTrigger, InGroup, BetweenGroups } where = BeforeFirst;
  int minTrigger = 1;  // the clock is already 1 when the first trigger is compared
  bool anyTrigger = false, anyBoss = false;
  for (size_t n = 3; n < end; ++n) {
    const std::string& line = lines[n - 1];
    const char first = line.empty() ? '\0' : line[0];
    if (where == AfterTrigger && first != ':') fault(n, "トリガーの次の行は敵の行にしてください");
    if (first == '*') {
      anyTrigger = true;
      try {
        int value = FieldToInt(line.substr(1));
        if (value < 0 || value > MaxTrigger) {
          fault(n, "トリガーの値は 0.." + std::to_string(MaxTrigger) + " にしてください");
        } else {
          if (value < minTrigger)
            fault(n, "トリガー " + std::to_string(value) + " の時にはもう時計が過ぎています");
          minTrigger = value + 1;
        }
      } catch (const GameError& e) {
        fault(n, e.what());
      }
      where = AfterTrigger;
    } else if (first == ':') {
      if (where == BeforeFirst || where == BetweenGroups)
        fault(n, "この敵の行は読まれません (トリガーの直後の並びにありません)");
      TEnemyLine parsed;
      std::string error;
      if (!ParseEnemyLine(line, parsed, error)) fault(n, error);
      if (parsed.Boss && where != BeforeFirst && where != BetweenGroups) anyBoss = true;
      if (where == AfterTrigger) where = InGroup;
    } else {
      if (line == "scene") {
        if (where != BeforeFirst) minTrigger = 0;
      } else {
        size_t s = line.find_first_not_of(" \t");
        std::string trimmed = s == std::string::npos ? std::string() : line.substr(s);
        if (trimmed.rfind("scene", 0) == 0 || trimmed.rfind("end", 0) == 0)
          fault(n, "'scene' と 'end;' はそのままの形で書いてください");
        else if (s != 0 && (trimmed.rfind("*", 0) == 0 || trimmed.rfind(":", 0) == 0))
          fault(n, "行頭に空白があります");
      }
      if (where != BeforeFirst) where = BetweenGroups;
    }
  }
  if (!anyTrigger) fault(end > lines.size() ? lines.size() : end, "トリガーの行 (*) がありません");
  if (!anyBoss)
    fault(end > lines.size() ? lines.size() : end, "ボスの行がないので、このパートは終わりません");
  return errors.size() == before;
}

bool CheckScripts(const std::string& dataDir, std::vector<std::string>& messages) {
  bool ok = true;
  for (int stage = 1; stage <= 9; ++stage) {
    const int parts = stage == 1 ? 2 : 3;
    for (int part = 1; part <= parts; ++part) {
      std::string name = "dat/" + std::to_string(stage) + "_stage" + std::to_string(part) + ".lin";
      std::string bytes;
      const TReadResult read = ReadFileBytes(dataDir + "/" + name, kTextFileLimit, bytes);
      if (read != TReadResult::Whole) {
        messages.push_back(name + (read == TReadResult::Cut
                                       ? ":1: ファイルが大きすぎます (1 MiB まで)"
                                       : ":1: ファイルが見つかりません"));
        ok = false;
        continue;
      }
      if (!CheckScriptLines(SplitScriptText(bytes), name, messages)) ok = false;
    }
  }
  return ok;
}
