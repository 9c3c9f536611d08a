// Fuzz target for romaji-learned.txt, the player's own spellings: the input is
// the file's text. What the reader keeps must be kana of one unit with
// romaji, and writing it out and reading it again must give the same map.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/sjis.h"
#include "fuzz_util.h"
#include "type_window/romaji_style.h"

namespace {

void Check(bool ok, const char* what) {
  fuzz::Check(ok, what);
}

bool IsLead(char c) {
  return IsSjisLead(static_cast<unsigned char>(c));
}

// One kana unit: one or two double-byte CP932 characters that convert to
// UTF-8 and back unchanged.
bool OneUnit(const std::string& kana) {
  if (kana.size() != 2 && kana.size() != 4) return false;
  if (!IsLead(kana[0]) || (kana.size() == 4 && !IsLead(kana[2]))) return false;
  bool ok = true;
  const std::string utf8 = SjisToUtf8(kana, &ok);
  return ok && Utf8ToSjis(utf8) == kana;
}

bool Spelling(const std::string& kana, const std::string& romaji) {
  if (kana == Sjis("っ") && romaji == kDoubledConsonant) return true;
  if (romaji.empty()) return false;
  for (char c : romaji)
    if (!((c >= 'A' && c <= 'Z') || c == '-')) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  TGuideStyle style;
  style.Kind = TRomajiStyle::Mine;
  style.Learned[Sjis("ん")] = "NN";  // replaced, not added to
  const int skipped = ParseLearnedSpellings(text, style);

  size_t lines = 0;
  for (char c : text) lines += c == '\n';
  if (!text.empty() && text.back() != '\n') ++lines;
  Check(skipped >= 0 && style.Learned.size() + static_cast<size_t>(skipped) <= lines,
        "each line gives at most one spelling or one skip");
  Check(style.Kind == TRomajiStyle::Mine, "the style itself is left alone");
  if (text.find('=') == std::string::npos)
    Check(style.Learned.empty(), "earlier spellings are dropped");
  for (const auto& [kana, romaji] : style.Learned) {
    Check(OneUnit(kana), "a learned kana is one unit of double-byte characters");
    Check(Spelling(kana, romaji), "a learned spelling is romaji");
  }

  const std::string written = FormatLearnedSpellings(style);
  TGuideStyle again;
  Check(ParseLearnedSpellings(written, again) == 0, "written spellings read without a skip");
  Check(again.Learned == style.Learned, "written spellings read back the same");
  Check(FormatLearnedSpellings(again) == written, "writing is stable");
  return 0;
}
