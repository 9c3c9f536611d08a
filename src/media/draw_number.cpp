// Numbers written with the digit pictures of the catalog: pattern d is digit d.
#include "media/draw_number.h"

#include <cstdlib>

namespace {

// Decimal text of the number's magnitude (the game never draws negatives).
std::string DigitText(int number) {
  return std::to_string(std::llabs(static_cast<long long>(number)));
}

int CellWidth(const TPictureItem& item) {
  return item.PatternWidth > 0 ? item.PatternWidth : item.PictureWidth();
}

// Draws the digits of text from x; returns the number of digits drawn.
int DrawText(TPictureList& list, Surface& dest, const std::string& item, const std::string& text,
             int x, int y, int gap) {
  const TPictureItem& digits = list.FindPicture(item);
  const int pitch = CellWidth(digits) + gap;
  for (size_t k = 0; k < text.size(); ++k)
    DrawPattern(digits, dest, x + static_cast<int>(k) * pitch, y, text[k] - '0');
  return static_cast<int>(text.size());
}

}  // namespace

void DrawDigits(TPictureList& list, Surface& dest, const std::string& item, int number, int x,
                int y, int gap) {
  DrawText(list, dest, item, DigitText(number), x, y, gap);
}

void DrawDigitsPadded(TPictureList& list, Surface& dest, const std::string& item, int number,
                      int minDigits, int x, int y, int gap) {
  std::string text = DigitText(number);
  if (minDigits > static_cast<int>(text.size()) && minDigits <= 64)
    text.insert(0, static_cast<size_t>(minDigits) - text.size(), '0');
  DrawText(list, dest, item, text, x, y, gap);
}

void DrawDigitsWithUnit(TPictureList& list, Surface& dest, const std::string& digitItem,
                        const std::string& unitItem, int number, int x, int y, int gap,
                        int unitOffset) {
  const int n = DrawText(list, dest, digitItem, DigitText(number), x, y, gap);
  const int pitch = CellWidth(list.FindPicture(digitItem)) + gap;
  DrawPattern(list.FindPicture(unitItem), dest, x + n * pitch + unitOffset, y, 0);
}
