// Loading the catalogs from blobs made to the catalog table, and refusing
// blobs that are damaged or do not match it.
#include "media/builtin_catalog.h"

#include <gtest/gtest.h>

#include <random>

#include "base/sjis.h"
#include "media/catalog_table.h"

namespace {

void Put(std::vector<uint8_t>& b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutName(std::vector<uint8_t>& b, const std::string& name) {
  Put(b, static_cast<uint32_t>(name.size()), 2);
  b.insert(b.end(), name.begin(), name.end());
}

// Every picture filled with its key colour except pixel (0, 0), which gets
// the item's index in its red channel.
std::vector<uint8_t> PictureBlob() {
  std::vector<uint8_t> b = {'M', 'R', 'T', 'P'};
  Put(b, kPictureSpecs.size(), 4);
  for (size_t i = 0; i < kPictureSpecs.size(); ++i) {
    const TPictureSpec& s = kPictureSpecs[i];
    PutName(b, s.Name);
    Put(b, static_cast<uint32_t>(s.Width), 4);
    Put(b, static_cast<uint32_t>(s.Height), 4);
    for (int p = 0; p < s.Width * s.Height; ++p) {
      b.push_back(p == 0 ? static_cast<uint8_t>(i) : s.KeyR);
      b.push_back(p == 0 ? 1 : s.KeyG);
      b.push_back(p == 0 ? 2 : s.KeyB);
    }
  }
  return b;
}

std::vector<uint8_t> SoundBlob() {
  std::vector<uint8_t> b = {'M', 'R', 'T', 'S'};
  Put(b, kSoundSpecs.size(), 4);
  for (const TSoundSpec& s : kSoundSpecs) {
    PutName(b, s.Name);
    Put(b, static_cast<uint32_t>(s.Channels), 2);
    Put(b, static_cast<uint32_t>(s.Rate), 4);
    Put(b, static_cast<uint32_t>(s.Bits), 2);
    Put(b, static_cast<uint32_t>(s.Bytes), 4);
    for (int k = 0; k < s.Bytes; ++k) b.push_back(static_cast<uint8_t>(k));
  }
  return b;
}

// Offset of picture item `index` in the blob.
size_t PictureOffset(size_t index) {
  size_t at = 8;
  for (size_t i = 0; i < index; ++i)
    at += 2 + std::string(kPictureSpecs[i].Name).size() + 8 +
          3 * static_cast<size_t>(kPictureSpecs[i].Width) * kPictureSpecs[i].Height;
  return at;
}

}  // namespace

TEST(BuiltInCatalog, PicturesLoadInCatalogOrder) {
  const auto blob = PictureBlob();
  TPictureList list;
  std::string error;
  ASSERT_TRUE(LoadBuiltInPictures(list, blob.data(), blob.size(), error)) << error;
  ASSERT_EQ(list.Items.size(), 105u);
  EXPECT_EQ(list.Items[0].Name, "huti");
  EXPECT_EQ(list.Items[29].Name, Sjis("＊"));
  EXPECT_EQ(list.Items[29].Name, "\x81\x96");
  // Letters and the backdrop tile wait for their files.
  const TPictureItem& a = list.FindPicture("a");
  EXPECT_EQ(a.PictureWidth(), 0);
  EXPECT_EQ(a.PatternCount(), 0);
  EXPECT_TRUE(a.Transparent);
  EXPECT_EQ(list.FindPicture("blue_tile").TransparentColor.B, 241);
  // Cells as the table says; neko pattern 3 is at (38, 23).
  const TPictureItem& neko = list.FindPicture("neko");
  ASSERT_EQ(neko.PatternCount(), 8);
  EXPECT_EQ(neko.Patterns[3].Left, 38);
  EXPECT_EQ(neko.Patterns[3].Top, 23);
  EXPECT_EQ(list.FindPicture("barst_1").PatternCount(), 16);
  // Pixels are converted, and the key colour with them.
  const TPictureItem& tv = list.FindPicture("tv");
  EXPECT_EQ(tv.Picture.At(0, 0), RgbTo565(57, 1, 2));
  EXPECT_EQ(tv.Picture.At(1, 0), RgbTo565(255, 0, 255));
  EXPECT_EQ(tv.Picture.KeyColor, RgbTo565(255, 0, 255));
  EXPECT_FALSE(list.FindPicture("haikei").Transparent);
}

TEST(BuiltInCatalog, PictureMismatchesAreNamed) {
  TPictureList list;
  list.Items.resize(1);
  std::string error;
  auto blob = PictureBlob();
  // enemy_1 (item 32) one pixel wider than the table says.
  const size_t at = PictureOffset(32) + 2 + 7;
  blob[at] = 183;
  EXPECT_FALSE(LoadBuiltInPictures(list, blob.data(), blob.size(), error));
  EXPECT_NE(error.find("enemy_1"), std::string::npos) << error;
  EXPECT_EQ(list.Items.size(), 1u);  // the catalog is left as it was

  auto renamed = PictureBlob();
  renamed[PictureOffset(5) + 2] = 'x';
  EXPECT_FALSE(LoadBuiltInPictures(list, renamed.data(), renamed.size(), error));
  EXPECT_NE(error.find("named"), std::string::npos) << error;

  auto extra = PictureBlob();
  extra.push_back(0);
  EXPECT_FALSE(LoadBuiltInPictures(list, extra.data(), extra.size(), error));
  auto count = PictureBlob();
  count[4] = 95;
  EXPECT_FALSE(LoadBuiltInPictures(list, count.data(), count.size(), error));
  EXPECT_FALSE(LoadBuiltInPictures(list, nullptr, 0, error));
  EXPECT_EQ(list.Items.size(), 1u);
}

TEST(BuiltInCatalog, TruncatedOrScrambledPictureBlobsAreRefused) {
  const auto blob = PictureBlob();
  TPictureList list;
  std::string error;
  std::mt19937 rng(3);
  std::vector<size_t> cuts;
  for (size_t n = 0; n < 700; ++n) cuts.push_back(n);
  for (int k = 0; k < 40; ++k) cuts.push_back(rng() % blob.size());
  cuts.push_back(blob.size() - 1);
  for (size_t n : cuts) ASSERT_FALSE(LoadBuiltInPictures(list, blob.data(), n, error)) << n;
  // Header fields of the first items scrambled: refused or accepted, never a crash.
  for (int round = 0; round < 60; ++round) {
    auto b = blob;
    b[rng() % 700] = static_cast<uint8_t>(rng());
    TPictureList l;
    if (LoadBuiltInPictures(l, b.data(), b.size(), error)) {
      EXPECT_EQ(l.Items.size(), 105u);
    }
  }
  EXPECT_TRUE(list.Items.empty());
}

TEST(BuiltInCatalog, SoundsLoadAndMismatchesAreRefused) {
  auto blob = SoundBlob();
  TWaveList waves;
  std::string error;
  ASSERT_TRUE(LoadBuiltInSounds(waves, blob.data(), blob.size(), error)) << error;
  ASSERT_EQ(waves.Items.size(), 29u);
  EXPECT_EQ(waves.WaveIndex("Key1"), 0);
  EXPECT_EQ(waves.WaveIndex("wasshoi"), 28);
  const TWaveItem& dora = waves.FindWave("dora");
  EXPECT_EQ(dora.Data.size(), 137780u);
  EXPECT_EQ(dora.Format.Bits, 16);
  EXPECT_EQ(dora.Format.Channels, 1);
  EXPECT_EQ(waves.FindWave("Key2").Format.Rate, 44100);
  EXPECT_EQ(waves.Items[4].Data[300], static_cast<uint8_t>(300));

  for (size_t n : {size_t{0}, size_t{5}, size_t{8}, size_t{20}, blob.size() / 2, blob.size() - 1})
    EXPECT_FALSE(LoadBuiltInSounds(waves, blob.data(), n, error)) << n;
  auto bits = SoundBlob();
  bits[8 + 2 + 4 + 2 + 4] = 8;  // Key1 claims 8 bits
  EXPECT_FALSE(LoadBuiltInSounds(waves, bits.data(), bits.size(), error));
  EXPECT_NE(error.find("Key1"), std::string::npos) << error;
  auto magic = SoundBlob();
  magic[3] = 'P';
  EXPECT_FALSE(LoadBuiltInSounds(waves, magic.data(), magic.size(), error));
  EXPECT_EQ(waves.Items.size(), 29u);  // still the catalog loaded first
}
