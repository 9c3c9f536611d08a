// Reading .bmp files: the pixel layouts common tools write, and damaged files
// that must be refused without reading out of bounds.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "base/game_error.h"
#include "media/picture_list.h"

namespace {

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A bitmap with an info header. bits 1/4/8 use palette (index = value of
// pixel(x, y)), 16 is 5-5-5, 24 and 32 are BGR(A). pixel(x, y) gives either
// the palette index or a packed 0xRRGGBB colour.
std::vector<uint8_t> MakeBmp(int w, int h, int bits, bool topDown,
                             const std::vector<uint32_t>& palette,
                             const std::function<uint32_t(int, int)>& pixel) {
  const uint32_t stride = ((w * bits + 31) / 32) * 4;
  const uint32_t offBits = 54 + 4 * static_cast<uint32_t>(palette.size());
  std::vector<uint8_t> b = {'B', 'M'};
  Put32(b, offBits + stride * h);
  Put32(b, 0);
  Put32(b, offBits);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(w));
  Put32(b, static_cast<uint32_t>(topDown ? -h : h));
  Put16(b, 1);
  Put16(b, static_cast<uint32_t>(bits));
  Put32(b, 0);
  Put32(b, stride * h);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, static_cast<uint32_t>(palette.size()));
  Put32(b, 0);
  for (uint32_t c : palette) Put32(b, c);  // 0x00RRGGBB stored as B, G, R, 0
  for (int r = 0; r < h; ++r) {
    const int y = topDown ? r : h - 1 - r;
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < w; ++x) {
      const uint32_t v = pixel(x, y);
      switch (bits) {
        case 1:
        case 4:
        case 8:
          row[x * bits / 8] |= static_cast<uint8_t>(v << (8 - bits - (x * bits) % 8));
          break;
        case 16: {
          const uint32_t p = ((v >> 19 & 31) << 10) | ((v >> 11 & 31) << 5) | (v >> 3 & 31);
          row[2 * x] = p & 0xFF;
          row[2 * x + 1] = static_cast<uint8_t>(p >> 8);
          break;
        }
        default:
          for (int k = 0; k < bits / 8 && k < 3; ++k) row[x * bits / 8 + k] = (v >> (8 * k)) & 0xFF;
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

uint32_t Colour(int x, int y) {
  return static_cast<uint32_t>((x * 40) << 16 | (y * 30) << 8 | (x + y) * 8);
}

TRgb Unpack(uint32_t c) {
  return TRgb{static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)};
}

bool SameRgb(TRgb a, TRgb b) {
  return a.R == b.R && a.G == b.G && a.B == b.B;
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("mirutena_bmp_" + name)).string();
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(Bmp, TrueColourBottomUpAndTopDown) {
  for (int bits : {24, 32}) {
    for (bool topDown : {false, true}) {
      // Width 5 makes 24-bit rows need padding.
      const auto bytes = MakeBmp(5, 3, bits, topDown, {}, Colour);
      int w = 0, h = 0;
      std::vector<TRgb> px;
      ASSERT_TRUE(DecodeBmp(bytes, w, h, px)) << bits << " " << topDown;
      ASSERT_EQ(w, 5);
      ASSERT_EQ(h, 3);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
          ASSERT_TRUE(SameRgb(px[y * 5 + x], Unpack(Colour(x, y)))) << bits << " " << x << "," << y;
    }
  }
}

TEST(Bmp, PalettedPicturesOfEveryDepth) {
  const std::vector<uint32_t> palette = {0x000000, 0xFF00FF, 0x49 << 16 | 0x88 << 8 | 0xF1,
                                         0x102030};
  for (int bits : {1, 4, 8}) {
    const int colours = bits == 1 ? 2 : 4;
    auto index = [&](int x, int y) { return static_cast<uint32_t>((x * 3 + y) % colours); };
    const auto bytes =
        MakeBmp(13, 4, bits, bits == 4,
                std::vector<uint32_t>(palette.begin(), palette.begin() + colours), index);
    int w = 0, h = 0;
    std::vector<TRgb> px;
    ASSERT_TRUE(DecodeBmp(bytes, w, h, px)) << bits;
    ASSERT_EQ(w * h, 13 * 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 13; ++x)
        ASSERT_TRUE(SameRgb(px[y * 13 + x], Unpack(palette[index(x, y)]))) << bits << " " << x;
  }
}

TEST(Bmp, SixteenBitFiveFiveFive) {
  const auto bytes = MakeBmp(3, 2, 16, false, {}, [](int x, int y) {
    return x == 0 ? 0xFF0000u : x == 1 ? 0x00FF00u : (y ? 0x0000FFu : 0x808080u);
  });
  int w = 0, h = 0;
  std::vector<TRgb> px;
  ASSERT_TRUE(DecodeBmp(bytes, w, h, px));
  EXPECT_TRUE(SameRgb(px[0], TRgb{255, 0, 0}));
  EXPECT_TRUE(SameRgb(px[1], TRgb{0, 255, 0}));
  EXPECT_TRUE(SameRgb(px[5], TRgb{0, 0, 255}));
  EXPECT_EQ(px[2].R, 132);  // 16 of 31, widened to 8 bits
}

TEST(Bmp, PaletteIndexBeyondTheTableReadsBlack) {
  auto bytes =
      MakeBmp(2, 1, 8, false, {0xFFFFFF, 0xFFFFFF}, [](int x, int) { return x ? 200u : 1u; });
  int w = 0, h = 0;
  std::vector<TRgb> px;
  ASSERT_TRUE(DecodeBmp(bytes, w, h, px));
  EXPECT_TRUE(SameRgb(px[0], TRgb{255, 255, 255}));
  EXPECT_TRUE(SameRgb(px[1], TRgb{0, 0, 0}));
}

TEST(Bmp, DamagedFilesAreRefused) {
  const auto good = MakeBmp(7, 5, 24, false, {}, Colour);
  int w = 0, h = 0;
  std::vector<TRgb> px;
  // Every truncation short of the last row's pixels is refused.
  const size_t lastRowEnd = good.size() - 3;  // 7 * 3 = 21 bytes + 3 of padding
  for (size_t n = 0; n < lastRowEnd; ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
    ASSERT_FALSE(DecodeBmp(cut, w, h, px)) << n;
  }
  auto patched = [&](size_t at, uint32_t v) {
    auto b = good;
    for (int k = 0; k < 4; ++k) b[at + k] = (v >> (8 * k)) & 0xFF;
    return b;
  };
  EXPECT_FALSE(DecodeBmp(patched(18, 0), w, h, px));            // zero width
  EXPECT_FALSE(DecodeBmp(patched(18, 0x80000000u), w, h, px));  // negative width
  EXPECT_FALSE(DecodeBmp(patched(22, 0x80000000u), w, h, px));  // most negative height
  EXPECT_FALSE(DecodeBmp(patched(22, 1000), w, h, px));         // rows beyond the file
  EXPECT_FALSE(DecodeBmp(patched(10, 0xFFFFFFF0u), w, h, px));  // pixel offset beyond the file
  EXPECT_FALSE(DecodeBmp(patched(14, 7), w, h, px));            // unknown header size
  EXPECT_FALSE(DecodeBmp(patched(14, 0xFFFFFFFFu), w, h, px));
  EXPECT_FALSE(DecodeBmp(patched(30, 1), w, h, px));  // run-length compression
  auto bits = good;
  bits[28] = 7;
  EXPECT_FALSE(DecodeBmp(bits, w, h, px));
  auto magic = good;
  magic[0] = 'X';
  EXPECT_FALSE(DecodeBmp(magic, w, h, px));
}

TEST(Bmp, RandomlyCorruptedHeadersNeverCrash) {
  // Paletted and true-colour files with random bytes in their first 80 bytes;
  // whatever is accepted must be consistent.
  std::mt19937 rng(12345);
  const std::vector<std::vector<uint8_t>> seeds = {
      MakeBmp(9, 6, 24, false, {}, Colour),
      MakeBmp(9, 6, 4, true, {0x112233, 0x445566}, [](int x, int) { return x & 1u; }),
      MakeBmp(9, 6, 1, false, {0, 0xFFFFFF}, [](int x, int y) { return (x ^ y) & 1u; })};
  int accepted = 0;
  for (int round = 0; round < 6000; ++round) {
    auto b = seeds[round % seeds.size()];
    const int flips = 1 + static_cast<int>(rng() % 4);
    for (int f = 0; f < flips; ++f) b[rng() % std::min<size_t>(80, b.size())] = rng() & 0xFF;
    if (rng() % 3 == 0) b.resize(rng() % b.size());
    int w = -1, h = -1;
    std::vector<TRgb> px;
    if (DecodeBmp(b, w, h, px)) {
      ++accepted;
      ASSERT_GT(w, 0);
      ASSERT_GT(h, 0);
      ASSERT_EQ(px.size(), static_cast<size_t>(w) * h);
    }
  }
  EXPECT_GT(accepted, 0);  // some corruptions only touch colours
}

TEST(Bmp, LoadPictureFileReplacesThePictureOrKeepsIt) {
  TPictureItem item;
  item.TransparentColor = TRgb{73, 136, 241};
  const std::string path = TempPath("tile.bmp");
  WriteFile(path, MakeBmp(4, 2, 24, false, {}, [](int, int) { return 0x4988F1u; }));
  LoadPictureFile(item, path);
  EXPECT_EQ(item.PictureWidth(), 4);
  EXPECT_EQ(item.PictureHeight(), 2);
  EXPECT_EQ(item.Picture.At(3, 1), RgbTo565(73, 136, 241));
  EXPECT_EQ(item.Picture.KeyColor, RgbTo565(73, 136, 241));
  EXPECT_EQ(item.PatternCount(), 0);  // patterns wait for RestorePictures

  const std::string missing = TempPath("missing.bmp");
  std::remove(missing.c_str());
  try {
    LoadPictureFile(item, missing);
    FAIL() << "no error raised";
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + missing + " は開けません");
  }
  const std::string junk = TempPath("junk.bmp");
  WriteFile(junk, {'B', 'M', 1, 2, 3});
  EXPECT_THROW(LoadPictureFile(item, junk), GameError);
  EXPECT_EQ(item.PictureWidth(), 4);
  EXPECT_EQ(item.Picture.At(0, 0), RgbTo565(73, 136, 241));
  std::remove(path.c_str());
  std::remove(junk.c_str());
}

// A small file can declare a huge picture: an 8 MiB 1-bit bitmap of 32768 x
// 2047 would decode to 67 million pixels. The decoded size is what is limited.
TEST(Bmp, PicturesPastSixteenMillionPixelsAreRefusedBeforeDecoding) {
  auto tall = [](int w, int h) {
    std::vector<uint8_t> b =
        MakeBmp(w, 1, 1, false, {0x000000, 0xFFFFFF}, [](int, int) { return 0u; });
    b[22] = h & 0xFF;
    b[23] = (h >> 8) & 0xFF;
    const size_t stride = ((static_cast<size_t>(w) + 31) / 32) * 4;
    b.resize(b.size() - stride + stride * static_cast<size_t>(h), 0);
    return b;
  };
  const std::vector<uint8_t> huge = tall(32768, 2047);
  EXPECT_LT(huge.size(), size_t(8) << 20);
  int w = 0, h = 0;
  std::vector<TRgb> pixels;
  std::string why;
  EXPECT_FALSE(DecodeBmp(huge, w, h, pixels, why));
  EXPECT_NE(why.find("32768x2047"), std::string::npos) << why;
  EXPECT_TRUE(pixels.empty());
  EXPECT_FALSE(DecodeBmp(tall(4000, 4001), w, h, pixels, why));
  EXPECT_TRUE(DecodeBmp(tall(4000, 4000), w, h, pixels, why)) << why;
  EXPECT_EQ(pixels.size(), 16000000u);

  const std::string path = (std::filesystem::temp_directory_path() /
                            ("mirutena_bmp_huge_" + std::to_string(getpid()) + ".bmp"))
                               .string();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(huge.data()), static_cast<std::streamsize>(huge.size()));
  TPictureItem item;
  try {
    LoadPictureFile(item, path);
    ADD_FAILURE() << "a 67 million pixel picture was loaded";
  } catch (const GameError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  std::filesystem::remove(path);
}
