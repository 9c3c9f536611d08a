// Drawing primitives on a 430 x 400 screen with the built-in pictures:
// full-screen blends and copies, the rotated bou, scaled and keyed patterns.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "assets/builtin_blobs.h"
#include "media/builtin_catalog.h"
#include "media/picture_list.h"

namespace {

struct Scene {
  TPictureList List;
  Surface Screen{430, 400};
  Surface Stock{430, 400};
  std::string Error;
  bool Ok = false;
  Scene() {
    const TBlob blob = BuiltInPictureBlob();
    Ok = LoadBuiltInPictures(List, blob.Data, blob.Size, Error);
    for (int y = 0; y < 400; ++y)
      for (int x = 0; x < 430; ++x) Stock.At(x, y) = static_cast<uint16_t>(x * 131 + y * 17);
    Stock.KeyColor = Stock.At(5, 5);
  }
};

// One catalog for every benchmark; loading it is not what is measured.
Scene& TheScene() {
  static Scene scene;
  return scene;
}

bool Ready(benchmark::State& state) {
  if (!TheScene().Ok) state.SkipWithError(TheScene().Error.c_str());
  return TheScene().Ok;
}

void BM_FullScreenBlend(benchmark::State& state) {
  if (!Ready(state)) return;
  Scene& s = TheScene();
  const bool keyed = state.range(0) != 0;
  for (auto _ : state) {
    BlendSurfaceRect(s.Screen, {0, 0, 430, 400}, {0, 0, 430, 400}, s.Stock, keyed, 128);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 430 * 400);
}
BENCHMARK(BM_FullScreenBlend)->Arg(0)->Arg(1);

void BM_FullScreenCopy(benchmark::State& state) {
  if (!Ready(state)) return;
  Scene& s = TheScene();
  const bool keyed = state.range(0) != 0;
  for (auto _ : state) {
    CopySurfaceRect(s.Screen, 0, 0, {0, 0, 430, 400}, s.Stock, keyed);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 430 * 400);
}
BENCHMARK(BM_FullScreenCopy)->Arg(0)->Arg(1);

void BM_BlendFillStrip(benchmark::State& state) {
  if (!Ready(state)) return;
  Scene& s = TheScene();
  for (auto _ : state) {
    BlendFillArea(s.Screen, {290, 0, 430, 400}, TRgb{0, 0, 0}, 80);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlendFillStrip);

void BM_RotateBou(benchmark::State& state) {
  if (!Ready(state)) return;
  Scene& s = TheScene();
  const TPictureItem& bou = s.List.FindPicture("bou");
  int angle = 0;
  for (auto _ : state) {
    RotatePattern(bou, s.Screen, 200, 200, 41, 41, 0, 0.5, 0.5, angle);
    angle = (angle + 7) & 255;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RotateBou);

void BM_StretchBoss(benchmark::State& state) {
  if (!Ready(state)) return;
  Scene& s = TheScene();
  const TPictureItem& boss = s.List.FindPicture("boss1");
  for (auto _ : state) {
    StretchPattern(boss, s.Screen, {100, 50, 318, 336}, 2);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StretchBoss);

void BM_BlendHalving(benchmark::State& state) {
  if (!Ready(state)) return;
  Scene& s = TheScene();
  const TPictureItem& sen = s.List.FindPicture("sen_black");
  for (auto _ : state) {
    BlendPattern(sen, s.Screen, {100, 100, 200, 200}, 0, 100);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlendHalving);

// A frame's worth of keyed sprites: forty 26 x 40 enemy cells across the field.
void BM_DrawPatternSprites(benchmark::State& state) {
  if (!Ready(state)) return;
  Scene& s = TheScene();
  const TPictureItem& enemy = s.List.FindPicture("enemy_1");
  for (auto _ : state) {
    for (int k = 0; k < 40; ++k)
      DrawPattern(enemy, s.Screen, (k * 37) % 420 - 10, (k * 53) % 390 - 10, k % 7);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawPatternSprites);

}  // namespace
