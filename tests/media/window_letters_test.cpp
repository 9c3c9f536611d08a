// The prompt window's letter files as the picture generator wrote them into
// the game's abc folder: size, no blobs, letters far apart, a dark rim.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/picture_list.h"

namespace {

constexpr int kW = 10, kH = 14;
// A pixel counts as the letter's bright face from this level of its
// brightest channel up; the rim and the key colour stay below it.
constexpr int kBright = 96;

struct TLetter {
  std::string Name;
  std::vector<TRgb> Px;  // kW x kH, top row first
  bool Bright(int x, int y) const {
    if (x < 0 || y < 0 || x >= kW || y >= kH) return false;
    const TRgb& p = Px[static_cast<size_t>(y) * kW + x];
    return std::max({p.R, p.G, p.B}) >= kBright;
  }
  bool Key(int x, int y) const {
    if (x < 0 || y < 0 || x >= kW || y >= kH) return true;
    const TRgb& p = Px[static_cast<size_t>(y) * kW + x];
    return p.R == 0 && p.G == 0 && p.B == 0;
  }
};

std::vector<std::string> LetterNames() {
  std::vector<std::string> names;
  for (char c = 'A'; c <= 'Z'; ++c) names.emplace_back(1, c);
  names.push_back("-");
  names.push_back("＊");
  return names;
}

// Every letter file, each checked for its size on reading.
std::vector<TLetter> ReadLetters() {
  std::vector<TLetter> out;
  for (const std::string& name : LetterNames()) {
    const std::string path = std::string(MIRUTENA_GAME_DIR) + "/abc/" + name + ".bmp";
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    int w = 0, h = 0;
    TLetter letter{name, {}};
    EXPECT_TRUE(DecodeBmp(bytes, w, h, letter.Px)) << path;
    EXPECT_EQ(w, kW) << path;
    EXPECT_EQ(h, kH) << path;
    if (w == kW && h == kH) out.push_back(std::move(letter));
  }
  return out;
}

}  // namespace

TEST(WindowLetters, EveryLetterIsTenByFourteenWithAFace) {
  const std::vector<TLetter> letters = ReadLetters();
  ASSERT_EQ(letters.size(), LetterNames().size());
  for (const TLetter& l : letters) {
    int bright = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) bright += l.Bright(x, y);
    EXPECT_GE(bright, 10) << l.Name;
  }
}

TEST(WindowLetters, NoLetterHasAFilledThreeByThreeBlock) {
  for (const TLetter& l : ReadLetters()) {
    int blocks = 0;
    std::string first;
    for (int y = 0; y + 3 <= kH; ++y)
      for (int x = 0; x + 3 <= kW; ++x) {
        int n = 0;
        for (int j = 0; j < 3; ++j)
          for (int i = 0; i < 3; ++i) n += l.Bright(x + i, y + j);
        if (n == 9 && blocks++ == 0) first = std::to_string(x) + "," + std::to_string(y);
      }
    EXPECT_EQ(blocks, 0) << l.Name << " has filled blocks, the first at " << first;
  }
}

// Strokes are two pixels wide, so one stroke end is already 2 to 4 pixels
// and is lost at a glance like a single pixel of the thin text font; two
// letters must differ by at least a stroke piece three pixels long (6).
TEST(WindowLetters, LettersDifferInAtLeastSixBrightPixels) {
  const std::vector<TLetter> letters = ReadLetters();
  int closest = kW * kH;
  std::string pair;
  for (size_t a = 0; a < letters.size(); ++a)
    for (size_t b = a + 1; b < letters.size(); ++b) {
      int d = 0;
      for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) d += letters[a].Bright(x, y) != letters[b].Bright(x, y);
      if (d < closest) closest = d, pair = letters[a].Name + " " + letters[b].Name;
    }
  EXPECT_GE(closest, 6) << pair;
}

// The face never touches the see-through key colour: a dark rim below the
// brightness of the face runs all round, so letters stay apart from bright
// window tiles.
TEST(WindowLetters, TheFaceHasADarkRimAllRound) {
  for (const TLetter& l : ReadLetters()) {
    int bare = 0, stray = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        bool keyNear = false, faceNear = false;
        for (int j = -1; j <= 1; ++j)
          for (int i = -1; i <= 1; ++i) {
            keyNear = keyNear || l.Key(x + i, y + j);
            faceNear = faceNear || l.Bright(x + i, y + j);
          }
        if (l.Bright(x, y))
          bare += keyNear;  // face touching the see-through colour or the edge
        else if (!l.Key(x, y))
          stray += !faceNear;  // a dim pixel that rims nothing
      }
    EXPECT_EQ(bare, 0) << l.Name << ": face pixels without a rim";
    EXPECT_EQ(stray, 0) << l.Name << ": dim pixels away from the face";
  }
}
