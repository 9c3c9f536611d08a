// Several lines of CP932 text on a surface's canvas, split at "<-".
#include "media/draw_txtline.h"

#include <vector>

#include "base/sjis.h"
#include "media/text_canvas.h"

namespace {

constexpr size_t kLineBytes = 60;
constexpr size_t kSlots = 16;  // the last slot always holds the end marker

// The first kLineBytes bytes of a line, without a lead byte whose second half
// was cut off.
std::string CutLine(const std::string& line) {
  if (line.size() <= kLineBytes) return line;
  size_t n = 0;
  while (n < kLineBytes) {
    const size_t len = IsSjisLead(static_cast<unsigned char>(line[n])) ? 2 : 1;
    if (n + len > kLineBytes) break;
    n += len;
  }
  return line.substr(0, n);
}

}  // namespace

void DrawTextLines(Surface& dest, const std::string& sjisText, int x, int y, int gap) {
  std::vector<std::string> slots;
  size_t start = 0;
  while (slots.size() < kSlots - 1) {
    const size_t mark = sjisText.find("<-", start);
    slots.push_back(CutLine(
        sjisText.substr(start, mark == std::string::npos ? std::string::npos : mark - start)));
    if (mark == std::string::npos) break;
    start = mark + 2;
  }
  slots.push_back("end;");

  TextCanvas& canvas = SurfaceCanvas(dest);
  for (size_t i = 0; i < slots.size() && slots[i] != "end;"; ++i)
    canvas.TextOut(x, y + static_cast<int>(i) * (gap + 11), slots[i]);
  ReleaseCanvas(dest);
}
