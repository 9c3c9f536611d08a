// Romanisation style names and the text form of the learned spellings.
#include "type_window/romaji_style.h"

#include <sstream>

#include "base/sjis.h"

namespace {

bool IsRomaji(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!((c >= 'A' && c <= 'Z') || c == '-')) return false;
  return true;
}

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

}  // namespace

std::string FormatLearnedSpellings(const TGuideStyle& style) {
  std::string out;
  for (const auto& [kana, romaji] : style.Learned) out += SjisToUtf8(kana) + "=" + romaji + "\n";
  return out;
}

int ParseLearnedSpellings(const std::string& text, TGuideStyle& style) {
  style.Learned.clear();
  std::istringstream in(text);
  std::string line;
  int skipped = 0;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == '#' || line[0] == '[') continue;
    const size_t eq = line.find('=');
    bool ok = eq != std::string::npos;
    std::string kana, romaji;
    if (ok) {
      kana = Utf8ToSjis(Trim(line.substr(0, eq)), &ok);
      romaji = Trim(line.substr(eq + 1));
    }
    // One kana or two (きょ): each a double-byte character.
    ok = ok && (kana.size() == 2 || kana.size() == 4) && IsSjisLead(kana[0]) &&
         (kana.size() == 2 || IsSjisLead(kana[2])) &&
         (IsRomaji(romaji) || (kana == Sjis("っ") && romaji == kDoubledConsonant));
    if (!ok) {
      ++skipped;
      continue;
    }
    style.Learned[kana] = romaji;
  }
  return skipped;
}
