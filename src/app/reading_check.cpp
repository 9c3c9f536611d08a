// Readings drawn as the prompt window's reading line draws them: 12 px glyphs,
// 6 px a byte, 40 px of frame and margin.
#include "app/reading_check.h"

#include "base/sjis.h"
#include "media/field_size.h"
#include "media/text_canvas.h"
#include "type_window/kana_table.h"

namespace {

constexpr int kReadingHeight = 12;

// The code points of a UTF-8 text (the converter gives well-formed UTF-8).
std::vector<char32_t> CodePoints(const std::string& utf8) {
  std::vector<char32_t> out;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t code = n == 1 ? c : c & (0x7F >> n);
    for (int k = 1; k < n && i + k < utf8.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(code);
    i += static_cast<size_t>(n);
  }
  return out;
}

bool Blank(const TGlyph& g) {
  for (uint8_t b : g.Bits)
    if (b != 0) return false;
  return true;
}

}  // namespace

bool CheckReadingsDrawable(const std::string& dataDir, IGlyphSource& glyphs,
                           std::vector<std::string>& messages) {
  bool ok = true;
  for (int level = 1; level <= 8; ++level) {
    const std::string rel = "dat/dat" + std::to_string(level) + ".lin";
    std::vector<std::string> lines;
    std::string error;
    if (!ReadDataLines(dataDir + "/" + rel, lines, error)) continue;  // reported elsewhere
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      const size_t colon = line.rfind(':');
      std::string reading = colon == std::string::npos ? line : line.substr(colon + 1);
      if (!reading.empty() && reading.back() == ';') reading.pop_back();
      if (reading.empty() || colon == std::string::npos) continue;
      const std::string where = rel + ":" + std::to_string(i + 1) + ": ";
      if (static_cast<int>(reading.size()) * 6 + 40 > kFieldWidth) {
        messages.push_back(where + "読み " + SjisToUtf8(reading) + " は窓に入りません");
        ok = false;
      }
      for (char32_t code : CodePoints(SjisToUtf8(reading))) {
        if (code == U' ' || code == U'\u3000' || !Blank(glyphs.Glyph(code, kReadingHeight)))
          continue;
        messages.push_back(where + "読み " + SjisToUtf8(reading) + " の文字をフォントで描けません");
        ok = false;
        break;
      }
    }
  }
  return ok;
}
