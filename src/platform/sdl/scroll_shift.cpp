// Finding the backdrop's scroll step and moving the shown picture by it.
#include "platform/sdl/scroll_shift.h"

#include <array>
#include <cstring>

namespace {

// Rows every kSampleStep apart are enough to tell the moves apart: the
// backdrop shows in most rows, and a wrong guess only costs sending more.
constexpr int kSampleStep = 4;

// Whether row y of `now` equals row y - dy of `shown` moved right by dx
// (compared where both exist).
bool RowMatches(const uint16_t* now, const uint16_t* shown, int w, int y, TShift s) {
  const uint16_t* a = now + static_cast<size_t>(y) * w + s.Dx;
  const uint16_t* b = shown + static_cast<size_t>(y - s.Dy) * w;
  return std::memcmp(a, b, static_cast<size_t>(w - s.Dx) * sizeof(uint16_t)) == 0;
}

}  // namespace

TShift FindShift(const uint16_t* now, const uint16_t* shown, int w, int h) {
  if (w < 2 || h < 2) return {};
  const std::array<TShift, 3> moves = {TShift{0, 0}, TShift{0, 1}, TShift{1, 1}};
  std::array<int, 3> matches{};
  for (int y = 1; y < h; y += kSampleStep)
    for (size_t m = 0; m < moves.size(); ++m) matches[m] += RowMatches(now, shown, w, y, moves[m]);
  size_t best = 0;
  for (size_t m = 1; m < moves.size(); ++m)
    if (matches[m] > matches[best]) best = m;
  return moves[best];
}

void ApplyShift(TShift shift, const uint16_t* now, uint16_t* shown, int w, int h,
                std::vector<TArea>& uncovered) {
  uncovered.clear();
  if (shift.Still() || w <= shift.Dx || h <= shift.Dy) return;
  const size_t rowBytes = static_cast<size_t>(w - shift.Dx) * sizeof(uint16_t);
  // Bottom up, so that no row is overwritten before it has moved.
  for (int y = h - 1; y >= shift.Dy; --y)
    std::memmove(shown + static_cast<size_t>(y) * w + shift.Dx,
                 shown + static_cast<size_t>(y - shift.Dy) * w, rowBytes);
  if (shift.Dy > 0) {
    std::memcpy(shown, now, static_cast<size_t>(shift.Dy) * w * sizeof(uint16_t));
    uncovered.push_back(TArea{0, w, 0, shift.Dy});
  }
  if (shift.Dx > 0) {
    for (int y = shift.Dy; y < h; ++y)
      std::memcpy(shown + static_cast<size_t>(y) * w, now + static_cast<size_t>(y) * w,
                  static_cast<size_t>(shift.Dx) * sizeof(uint16_t));
    uncovered.push_back(TArea{0, shift.Dx, shift.Dy, h});
  }
}
