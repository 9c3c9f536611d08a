// Whole-number nearest-neighbour scaling of the 16-bit (RGB565) screen into a
// window surface of 16 or 32 bits per pixel, through a table that gives each
// 565 value the surface's own pixel value. No SDL here, so it is testable.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Where the scaled picture goes: a pixel buffer with its row pitch in bytes.
struct TScaleTarget {
  uint8_t* Pixels = nullptr;
  int Pitch = 0;
  int Width = 0;
  int Height = 0;
  int BytesPerPixel = 4;  // 2 or 4
  // The target is 32-bit 0x00RRGGBB: the pixels are worked out with the
  // channels widened by repeating their high bits, without the table (which
  // the compiler can vectorise).
  bool Xrgb8888 = false;
};

// A 565 value as 0x00RRGGBB, each channel widened by repeating its high bits.
inline uint32_t Rgb565ToXrgb(uint32_t v) {
  const uint32_t r = v >> 11, g = (v >> 5) & 63, b = v & 31;
  return (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}

// The largest whole factor at which a w x h picture fits an area of
// areaW x areaH, at least 1.
int WholeScaleThatFits(int w, int h, int areaW, int areaH);

// Copies source rows y0..y1-1 (of a srcW-wide RGB565 picture) into the
// target, each pixel made factor x factor, with the picture's top-left corner
// at (left, top). The caller keeps the scaled picture inside the target.
// table maps a 565 value to the target's pixel value (65536 entries; unused
// for an Xrgb8888 target).
void ScaleRows565(const uint16_t* src, int srcW, int y0, int y1, const std::vector<uint32_t>& table,
                  int factor, int left, int top, const TScaleTarget& target);

// A part of the picture: columns X0..X1-1 of rows Y0..Y1-1.
struct TArea {
  int X0 = 0, X1 = 0, Y0 = 0, Y1 = 0;
};

// As ScaleRows565 for columns x0..x1-1 of the rows only.
void ScaleArea565(const uint16_t* src, int srcW, TArea area, const std::vector<uint32_t>& table,
                  int factor, int left, int top, const TScaleTarget& target);

// Brings `shown` (the w x h picture the window shows) up to `now`: the span of
// each row that differs is copied into it and scaled into the target at once,
// while the row is still in the cache (as ScaleArea565 would). `areas` gets
// the parts in which the two differed, top to bottom, for sending to the
// display: bands of rows that differ (bands fewer than gap rows apart
// joined), each cut to the columns that differ in it; at most maxAreas of
// them (the closest bands are joined when there would be more); empty when
// the pictures were equal.
void PresentChanges(const uint16_t* now, uint16_t* shown, int w, int h, int gap, size_t maxAreas,
                    const std::vector<uint32_t>& table, int factor, int left, int top,
                    const TScaleTarget& target, std::vector<TArea>& areas);

// As PresentChanges without scaling: `shown` brought up to `now`, `areas`
// what differed.
void TakeChanges(const uint16_t* now, uint16_t* shown, int w, int h, int gap, size_t maxAreas,
                 std::vector<TArea>& areas);
