// One-letter typo generator over a US QWERTY layout.
#include "ime_typos.h"

#include <cctype>

namespace ime_ref {
namespace {

// Rows as the keys sit; each row starts half a key further right than the one above, so the
// key at column c touches columns c and c+1 of the row above and c-1 and c of the row below.
constexpr std::string_view kRows[] = {"1234567890-=", "qwertyuiop[]", "asdfghjkl;'", "zxcvbnm,./"};

bool IsGameKey(char c) {
  return (c >= 'a' && c <= 'z') || c == '-';
}

}  // namespace

const char* TypoKindName(TypoKind kind) {
  switch (kind) {
    case TypoKind::kDropped:
      return "dropped";
    case TypoKind::kDoubled:
      return "doubled";
    case TypoKind::kNeighbour:
      return "neighbour";
  }
  return "?";
}

std::string QwertyNeighbours(char key) {
  key = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
  std::string out;
  auto add = [&](int row, int col) {
    if (row < 0 || row >= 4 || col < 0) return;
    if (static_cast<size_t>(col) >= kRows[row].size()) return;
    char c = kRows[row][col];
    if (IsGameKey(c)) out += c;
  };
  for (int r = 0; r < 4; ++r) {
    size_t col = kRows[r].find(key);
    if (col == std::string_view::npos) continue;
    int c = static_cast<int>(col);
    add(r - 1, c);
    add(r - 1, c + 1);
    add(r, c - 1);
    add(r, c + 1);
    add(r + 1, c - 1);
    add(r + 1, c);
  }
  return out;
}

std::vector<Typo> OneLetterTypos(std::string_view spelling) {
  std::vector<Typo> typos;
  std::string s(spelling);
  for (size_t i = 0; i < s.size(); ++i) {
    typos.push_back({TypoKind::kDropped, i, s.substr(0, i) + s.substr(i + 1)});
    typos.push_back({TypoKind::kDoubled, i, s.substr(0, i + 1) + s.substr(i)});
    bool upper = std::isupper(static_cast<unsigned char>(s[i])) != 0;
    for (char n : QwertyNeighbours(s[i])) {
      std::string t = s;
      t[i] = upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(n))) : n;
      typos.push_back({TypoKind::kNeighbour, i, t});
    }
  }
  return typos;
}

}  // namespace ime_ref
