// The window's present at scale 2 into a 32-bit surface: finding what changed
// since the last frame, converting and scaling it, and keeping the shown copy.
// Two kinds of frames: the scrolled backdrop (every pixel changes, as every
// other frame in play) and a quiet frame where only a small window changes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/scale565.h"

namespace {

constexpr int kW = 430, kH = 400, kFactor = 2;

// Tiles 40 pixels apart, scrolled down by `offset` rows.
std::vector<uint16_t> TiledFrame(int offset) {
  std::vector<uint16_t> f(static_cast<size_t>(kW) * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const uint32_t tx = x % 40, ty = (y + 40 - offset % 40) % 40;
      f[static_cast<size_t>(y) * kW + x] =
          static_cast<uint16_t>((tx * 2654435761u ^ ty * 40503u) >> 7);
    }
  return f;
}

struct Window {
  std::vector<uint32_t> Pixels =
      std::vector<uint32_t>(static_cast<size_t>(kW) * kFactor * kH * kFactor);
  std::vector<uint16_t> Shown;
  std::vector<TArea> Areas;
  TScaleTarget Target() {
    return TScaleTarget{reinterpret_cast<uint8_t*>(Pixels.data()),
                        kW * kFactor * 4,
                        kW * kFactor,
                        kH * kFactor,
                        4,
                        true};
  }
  // What the window's present does with a new frame.
  void Present(const std::vector<uint16_t>& frame) {
    PresentChanges(frame.data(), Shown.data(), kW, kH, 8, 8, {}, kFactor, 0, 0, Target(), Areas);
  }
};

// Presents the two frames by turns, the window starting on the second.
void PresentByTurns(benchmark::State& state, const std::vector<uint16_t> (&frames)[2]) {
  Window w;
  w.Shown = frames[1];
  int i = 0;
  for (auto _ : state) {
    w.Present(frames[i]);
    i ^= 1;
    benchmark::ClobberMemory();
  }
}

void BM_PresentScrolledBackdrop(benchmark::State& state) {
  const std::vector<uint16_t> frames[2] = {TiledFrame(0), TiledFrame(1)};
  PresentByTurns(state, frames);
}
BENCHMARK(BM_PresentScrolledBackdrop)->Unit(benchmark::kMicrosecond);

void BM_PresentSmallChange(benchmark::State& state) {
  std::vector<uint16_t> frames[2] = {TiledFrame(0), TiledFrame(0)};
  for (int y = 200; y < 220; ++y)
    for (int x = 100; x < 160; ++x) frames[1][static_cast<size_t>(y) * kW + x] ^= 0x0821;
  PresentByTurns(state, frames);
}
BENCHMARK(BM_PresentSmallChange)->Unit(benchmark::kMicrosecond);

}  // namespace
