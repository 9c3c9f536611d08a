// The window's whole-number scaler, its changed-area finder, the automatic
// scale, the no-display check, and the headless platform's remembered values.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/changed_areas.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/scale565.h"
#include "platform/sdl/sdl_platform.h"

namespace {

// A table that makes each 565 value a recognisable 32-bit value.
std::vector<uint32_t> TagTable() {
  std::vector<uint32_t> t(65536);
  for (uint32_t v = 0; v < 65536; ++v) t[v] = 0xA0000000u | v;
  return t;
}

}  // namespace

TEST(WindowScaler, EachPixelBecomesAFactorSquareAtTheOffsetAndBordersStayAlone) {
  const int w = 3, h = 2, factor = 3;
  const uint16_t src[w * h] = {1, 2, 3, 4, 5, 6};
  // A 14 x 9 target with padding at the end of each row (pitch 16 pixels).
  const int tw = 14, th = 9, pitchPx = 16;
  std::vector<uint32_t> pixels(static_cast<size_t>(pitchPx) * th, 0xEEEEEEEEu);
  TScaleTarget t{reinterpret_cast<uint8_t*>(pixels.data()), pitchPx * 4, tw, th, 4};
  ScaleRows565(src, w, 0, h, TagTable(), factor, 2, 1, t);
  for (int y = 0; y < th; ++y)
    for (int x = 0; x < pitchPx; ++x) {
      const uint32_t got = pixels[static_cast<size_t>(y) * pitchPx + x];
      const bool inside = x >= 2 && x < 2 + w * factor && y >= 1 && y < 1 + h * factor;
      if (inside) {
        const uint16_t s = src[((y - 1) / factor) * w + (x - 2) / factor];
        EXPECT_EQ(got, 0xA0000000u | s) << x << "," << y;
      } else {
        EXPECT_EQ(got, 0xEEEEEEEEu) << x << "," << y;
      }
    }
}

TEST(WindowScaler, SixteenBitTargetsAndRowBandsWriteOnlyTheirRows) {
  const int w = 2, h = 3;
  const uint16_t src[w * h] = {0x1111, 0x2222, 0x3333, 0x4444, 0x5555, 0x6666};
  std::vector<uint32_t> identity(65536);
  for (uint32_t v = 0; v < 65536; ++v) identity[v] = v;
  std::vector<uint16_t> pixels(static_cast<size_t>(w) * h, 0);
  TScaleTarget t{reinterpret_cast<uint8_t*>(pixels.data()), w * 2, w, h, 2};
  ScaleRows565(src, w, 1, 2, identity, 1, 0, 0, t);  // the middle row only
  EXPECT_EQ(pixels, (std::vector<uint16_t>{0, 0, 0x3333, 0x4444, 0, 0}));
  // A short table or a zero factor draws nothing rather than reading past it.
  ScaleRows565(src, w, 0, h, std::vector<uint32_t>(10), 1, 0, 0, t);
  ScaleRows565(src, w, 0, h, identity, 0, 0, 0, t);
  EXPECT_EQ(pixels[0], 0);
}

TEST(WindowScaler, TheXrgbPathGivesWhatTheTableGives) {
  // Every 565 value in one 256 x 256 picture, through both paths at scale 2.
  std::vector<uint16_t> src(65536);
  std::vector<uint32_t> table(65536);
  for (uint32_t v = 0; v < 65536; ++v) {
    src[v] = static_cast<uint16_t>(v);
    const uint32_t r = v >> 11, g = (v >> 5) & 63, b = v & 31;
    table[v] = (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
  }
  std::vector<uint32_t> viaTable(512 * 512), direct(512 * 512);
  TScaleTarget a{reinterpret_cast<uint8_t*>(viaTable.data()), 512 * 4, 512, 512, 4, false};
  TScaleTarget b{reinterpret_cast<uint8_t*>(direct.data()), 512 * 4, 512, 512, 4, true};
  ScaleRows565(src.data(), 256, 0, 256, table, 2, 0, 0, a);
  ScaleRows565(src.data(), 256, 0, 256, {}, 2, 0, 0, b);
  EXPECT_EQ(viaTable, direct);
  EXPECT_EQ(direct[0], 0u);
  EXPECT_EQ(direct[2 * 255 + 1 + 511 * 512], 0x00FFFFFFu);  // 0xFFFF, bottom right
}

TEST(WindowScaler, AreasDrawTheirPartAsTheWholePictureWouldAtEveryFactor) {
  const int w = 37, h = 11;
  std::vector<uint16_t> src(static_cast<size_t>(w) * h);
  for (size_t i = 0; i < src.size(); ++i) src[i] = static_cast<uint16_t>(i * 2654435761u >> 9);
  const TArea parts[] = {
      {0, 37, 0, 3}, {0, 5, 3, 11}, {5, 36, 3, 7}, {36, 37, 3, 11}, {5, 36, 7, 11}};
  for (int factor = 1; factor <= 5; ++factor) {
    for (bool xrgb : {false, true}) {
      const int tw = w * factor + 3, th = h * factor + 2;
      std::vector<uint32_t> whole(static_cast<size_t>(tw) * th, 0xEEEEEEEEu), pieces = whole;
      TScaleTarget a{reinterpret_cast<uint8_t*>(whole.data()), tw * 4, tw, th, 4, xrgb};
      TScaleTarget b{reinterpret_cast<uint8_t*>(pieces.data()), tw * 4, tw, th, 4, xrgb};
      ScaleRows565(src.data(), w, 0, h, TagTable(), factor, 2, 1, a);
      // The parts one after another, checking that each writes its own pixels only.
      std::vector<uint32_t> before = pieces;
      for (const TArea& p : parts) {
        ScaleArea565(src.data(), w, p, TagTable(), factor, 2, 1, b);
        for (int y = 0; y < th; ++y)
          for (int x = 0; x < tw; ++x) {
            const size_t i = static_cast<size_t>(y) * tw + x;
            const bool in = x >= 2 + p.X0 * factor && x < 2 + p.X1 * factor &&
                            y >= 1 + p.Y0 * factor && y < 1 + p.Y1 * factor;
            ASSERT_EQ(pieces[i], in ? whole[i] : before[i])
                << "factor " << factor << " xrgb " << xrgb << " at " << x << "," << y;
          }
        before = pieces;
      }
      EXPECT_EQ(pieces, whole) << "factor " << factor;
    }
  }
}

TEST(WindowScaler, ChangedAreasAreTheDifferingBandsCutToTheirColumns) {
  const int w = 20, h = 30;
  std::vector<uint16_t> a(static_cast<size_t>(w) * h, 5), b = a;
  std::vector<TArea> areas{{1, 2, 3, 4}};
  ChangedAreas(a.data(), b.data(), w, h, 4, 8, areas);
  EXPECT_TRUE(areas.empty());
  auto at = [&](int x, int y) -> uint16_t& { return b[static_cast<size_t>(y) * w + x]; };
  at(3, 2) = 9;
  at(7, 4) = 9;   // two rows under the first: the same band
  at(0, 10) = 9;  // far below: a band of its own
  at(19, 10) = 9;
  at(12, 29) = 9;
  ChangedAreas(a.data(), b.data(), w, h, 4, 8, areas);
  auto is = [](const TArea& r, int x0, int x1, int y0, int y1) {
    return r.X0 == x0 && r.X1 == x1 && r.Y0 == y0 && r.Y1 == y1;
  };
  ASSERT_EQ(areas.size(), 3u);
  EXPECT_TRUE(is(areas[0], 3, 8, 2, 5));
  EXPECT_TRUE(is(areas[1], 0, 20, 10, 11));
  EXPECT_TRUE(is(areas[2], 12, 13, 29, 30));
  // At most two: the two closest bands (the first two) become one.
  ChangedAreas(a.data(), b.data(), w, h, 4, 2, areas);
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_TRUE(is(areas[0], 0, 20, 2, 11));
  EXPECT_TRUE(is(areas[1], 12, 13, 29, 30));
  // Every differing pixel lies in an area, whatever the pictures.
  for (int round = 0; round < 50; ++round) {
    b = a;
    for (int k = 0; k < round; ++k)
      at((k * 7 + round) % w, (k * 13 + round * 3) % h) = static_cast<uint16_t>(k + 6);
    ChangedAreas(a.data(), b.data(), w, h, 3, 4, areas);
    EXPECT_LE(areas.size(), 4u);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (a[static_cast<size_t>(y) * w + x] == at(x, y)) continue;
        bool covered = false;
        for (const TArea& r : areas) covered |= x >= r.X0 && x < r.X1 && y >= r.Y0 && y < r.Y1;
        ASSERT_TRUE(covered) << "round " << round << " pixel " << x << "," << y;
      }
  }
}

TEST(WindowScaler, AutomaticScaleIsTheLargestWholeOneInEightyPercent) {
  auto at80 = [](int dw, int dh) { return WholeScaleThatFits(430, 400, dw * 4 / 5, dh * 4 / 5); };
  EXPECT_EQ(at80(800, 600), 1);                            // does not fit even once: still 1
  EXPECT_EQ(at80(1280, 1024), 2);                          // 1024 x 819
  EXPECT_EQ(at80(1920, 1080), 2);                          // 864 high holds two 400s
  EXPECT_EQ(at80(3840, 2160), 4);                          // the height decides
  EXPECT_EQ(WholeScaleThatFits(430, 400, 1290, 4000), 3);  // the width decides
}

TEST(NoDisplay, AWindowRunNeedsADisplayOrAnExplicitDummyDriver) {
  std::map<std::string, std::string> env;
  auto lookup = [&](const char* name) -> const char* {
    auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
  std::string reason = NoDisplayReason(lookup);
  EXPECT_NE(reason.find("--headless"), std::string::npos) << reason;
  env["DISPLAY"] = "";  // set but empty is no display either
  EXPECT_FALSE(NoDisplayReason(lookup).empty());
  env["SDL_VIDEODRIVER"] = "offscreen";  // an invisible window is not a way out
  EXPECT_FALSE(NoDisplayReason(lookup).empty());
  env["SDL_VIDEODRIVER"] = "dummy";
  EXPECT_EQ(NoDisplayReason(lookup), "");
  env.erase("SDL_VIDEODRIVER");
  env["WAYLAND_DISPLAY"] = "wayland-0";
  EXPECT_EQ(NoDisplayReason(lookup), "");
  env.erase("WAYLAND_DISPLAY");
  env["DISPLAY"] = ":0";
  EXPECT_EQ(NoDisplayReason(lookup), "");
}

TEST(HeadlessPlatform, RemembersVolumesScaleAndFullScreenInRange) {
  HeadlessPlatform p;
  EXPECT_EQ(p.MusicVolume(), 100);
  EXPECT_EQ(p.EffectsVolume(), 100);
  EXPECT_EQ(p.WindowScale(), 0);
  p.SetMusicVolume(35);
  p.SetEffectsVolume(-4);
  p.SetWindowScale(3);
  EXPECT_EQ(p.MusicVolume(), 35);
  EXPECT_EQ(p.EffectsVolume(), 0);
  EXPECT_EQ(p.WindowScale(), 3);
  p.SetMusicVolume(250);
  p.SetWindowScale(99);
  EXPECT_EQ(p.MusicVolume(), 100);
  EXPECT_EQ(p.WindowScale(), 16);
  EXPECT_TRUE(p.SetFullScreen(true));
  EXPECT_TRUE(p.IsFullScreen());
  EXPECT_TRUE(p.SetFullScreen(false));
  EXPECT_FALSE(p.IsFullScreen());
}
