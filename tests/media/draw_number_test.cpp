// Numbers drawn with digit pictures: digit order, padding and the unit.
#include "media/draw_number.h"

#include <gtest/gtest.h>

#include "media_test_util.h"

namespace {

// Digit item "0123456789": ten 11 x 13 cells whose pixels are the digit's
// value + 1; unit item "pt.": one 24 x 16 cell of value 50.
TPictureList DigitList() {
  TPictureList list;
  list.Items.resize(2);
  TPictureItem& d = list.Items[0];
  d.Name = "0123456789";
  d.PatternWidth = 11;
  d.PatternHeight = 13;
  d.Picture = Surface(110, 13);
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 110; ++x) d.Picture.At(x, y) = static_cast<uint16_t>(x / 11 + 1);
  TPictureItem& u = list.Items[1];
  u.Name = "pt.";
  u.Picture = Surface(24, 16);
  FillSurface(u.Picture, 50);
  list.RestorePictures();
  return list;
}

// The digits found at the left column of each 12-pixel slot from x.
std::string ReadDigits(const Surface& s, int x, int y, int pitch) {
  std::string out;
  for (int px = x; px < s.Width; px += pitch) {
    const uint16_t v = s.At(px, y);
    if (v < 1 || v > 10) break;
    out += static_cast<char>('0' + v - 1);
  }
  return out;
}

}  // namespace

TEST(DrawNumber, DigitsFromTheLeftWithoutLeadingZeros) {
  TPictureList list = DigitList();
  Surface s(200, 20);
  DrawDigits(list, s, "0123456789", 4096, 5, 2, 1);
  EXPECT_EQ(ReadDigits(s, 5, 2, 12), "4096");
  EXPECT_EQ(s.At(4, 2), 0);
  Surface zero(200, 20);
  DrawDigits(list, zero, "0123456789", 0, 0, 0, 1);
  EXPECT_EQ(ReadDigits(zero, 0, 0, 12), "0");
  EXPECT_EQ(zero.At(12, 0), 0);
}

TEST(DrawNumber, PaddingAddsZerosButNeverCuts) {
  TPictureList list = DigitList();
  Surface a(200, 20), b(200, 20);
  DrawDigitsPadded(list, a, "0123456789", 5, 2, 0, 0, 1);
  EXPECT_EQ(ReadDigits(a, 0, 0, 12), "05");
  DrawDigitsPadded(list, b, "0123456789", 123, 2, 0, 0, 1);
  EXPECT_EQ(ReadDigits(b, 0, 0, 12), "123");
}

TEST(DrawNumber, UnitFollowsTheDigits) {
  TPictureList list = DigitList();
  Surface s(200, 20);
  // 42 with gap 1 and offset 3: the unit at x + 2 * 12 + 3.
  DrawDigitsWithUnit(list, s, "0123456789", "pt.", 42, 10, 0, 1, 3);
  EXPECT_EQ(ReadDigits(s, 10, 0, 12), "42");
  EXPECT_EQ(s.At(37, 0), 50);
  EXPECT_EQ(s.At(36, 0), 0);
  EXPECT_EQ(s.At(60, 15), 50);
}
