// The generated sound catalog: exact formats in table order, accepted by the
// game's loader, levels that fit each sound's use, and shapes that match
// what each sound is for.
#include "gen_audio/sounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "media/builtin_catalog.h"

namespace {

// Made once: rendering the catalog is the slow part of these tests.
const std::vector<TSoundItem>& Catalog() {
  static const std::vector<TSoundItem> items = [] {
    std::vector<TSoundItem> v;
    std::string error;
    if (!MakeAllSounds(v, error)) ADD_FAILURE() << error;
    return v;
  }();
  return items;
}

const TSoundItem& Sound(const std::string& name) {
  for (const TSoundItem& it : Catalog())
    if (it.Name == name) return it;
  static const TSoundItem none;
  ADD_FAILURE() << "no sound " << name;
  return none;
}

double PeakDb(const TSoundItem& it) {
  float p = 0;
  for (int c = 0; c < it.Channels; ++c) p = std::max(p, Peak(PcmChannel(it, c)));
  return 20 * std::log10(std::max(p, 1e-9f));
}

// Energy of channel 0 between two times, as a share of the whole.
double EnergyShare(const TSoundItem& it, double from, double to) {
  TSignal s = PcmChannel(it, 0);
  double part = 0, all = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = double(i) / it.Rate, e = double(s[i]) * s[i];
    all += e;
    if (t >= from && t < to) part += e;
  }
  return all > 0 ? part / all : 0;
}

double RmsDb(const TSoundItem& it, double from, double to) {
  TSignal s = PcmChannel(it, 0);
  double sum = 0;
  size_t n = 0;
  for (size_t i = size_t(from * it.Rate); i < size_t(to * it.Rate) && i < s.size(); ++i, ++n)
    sum += double(s[i]) * s[i];
  return n ? 10 * std::log10(std::max(sum / n, 1e-12)) : -120;
}

}  // namespace

TEST(Sounds, EveryRowIsMadeInOrderWithItsExactFormat) {
  ASSERT_EQ(Catalog().size(), kSoundSpecs.size());
  for (size_t i = 0; i < kSoundSpecs.size(); ++i) {
    const TSoundSpec& spec = kSoundSpecs[i];
    const TSoundItem& it = Catalog()[i];
    EXPECT_EQ(it.Name, spec.Name);
    EXPECT_EQ(it.Channels, spec.Channels) << spec.Name;
    EXPECT_EQ(it.Rate, spec.Rate) << spec.Name;
    EXPECT_EQ(it.Bits, spec.Bits) << spec.Name;
    EXPECT_EQ(it.Pcm.size(), size_t(spec.Bytes)) << spec.Name;
  }
}

TEST(Sounds, TheGameLoadsTheBlob) {
  std::vector<uint8_t> blob = SoundBlob(Catalog());
  TWaveList waves;
  std::string error;
  ASSERT_TRUE(LoadBuiltInSounds(waves, blob.data(), blob.size(), error)) << error;
  ASSERT_EQ(waves.Items.size(), 29u);
  EXPECT_EQ(waves.Items[28].Name, "wasshoi");
  EXPECT_EQ(waves.Items[2].Data, Sound("Key3").Pcm);
}

TEST(Sounds, EachStartsAndEndsInSilence) {
  for (const TSoundItem& it : Catalog()) {
    for (int c = 0; c < it.Channels; ++c) {
      TSignal s = PcmChannel(it, c);
      EXPECT_LT(std::fabs(s.front()), 0.02f) << it.Name;
      EXPECT_EQ(s.back(), 0.0f) << it.Name;
    }
    // 8-bit silence is the byte 128, not 0.
    if (it.Bits == 8) {
      EXPECT_EQ(it.Pcm.back(), 128) << it.Name;
    }
  }
}

TEST(Sounds, LevelsSuitTheirUse) {
  for (const TSoundItem& it : Catalog()) {
    double db = PeakDb(it);
    EXPECT_LT(db, -2.5) << it.Name;  // headroom so overlapping sounds do not clip at once
    EXPECT_GT(db, -12.0) << it.Name;
  }
  // The letter click plays ten times a second: it stays well under the blasts.
  EXPECT_LT(PeakDb(Sound("Key3")), PeakDb(Sound("bakudan")) - 5);
  EXPECT_LT(PeakDb(Sound("Key3")), PeakDb(Sound("Key4")) - 2);
  EXPECT_LT(PeakDb(Sound("Key3")), PeakDb(Sound("error1")) - 2);
}

TEST(Sounds, ClicksAreShortAndLongSoundsKeepSounding) {
  // The typing click is over within a tenth of a second, though its row is longer.
  EXPECT_GT(EnergyShare(Sound("Key3"), 0, 0.08), 0.95);
  EXPECT_GT(EnergyShare(Sound("error1"), 0, 0.14), 0.99);
  // The gong still rings after two seconds; the siren holds for its length.
  EXPECT_GT(RmsDb(Sound("dora"), 2.0, 2.4), -45);
  for (double t = 0.05; t < 2.0; t += 0.25) EXPECT_GT(RmsDb(Sound("warm"), t, t + 0.25), -25) << t;
  // The boss explosion outlasts the ordinary pop.
  EXPECT_GT(EnergyShare(Sound("sibou4"), 0.5, 1.64), 0.15);
  // The stage-clear chord swells: the held chord is louder than the first hit's tail.
  EXPECT_GT(RmsDb(Sound("guwawan"), 1.2, 1.8), RmsDb(Sound("guwawan"), 0.0, 0.4));
}

TEST(Sounds, WordShotBouncesBetweenTheChannels) {
  const TSoundItem& k4 = Sound("Key4");
  TSignal l = PcmChannel(k4, 0), r = PcmChannel(k4, 1);
  // The first echo lands on the right only, about 85 ms after the shot.
  size_t at = size_t(0.09 * k4.Rate), len = size_t(0.03 * k4.Rate);
  double el = 0, er = 0;
  for (size_t i = at; i < at + len; ++i) {
    el += double(l[i]) * l[i];
    er += double(r[i]) * r[i];
  }
  EXPECT_GT(er, 2 * el);
}

TEST(Sounds, RenderingIsRepeatable) {
  TSoundItem again;
  std::string error;
  ASSERT_TRUE(MakeSound(kSoundSpecs[20], again, error)) << error;  // dora
  EXPECT_EQ(again.Pcm, Sound("dora").Pcm);
}

TEST(Sounds, RowsThatCannotBeMadeAreRefused) {
  TSoundItem it;
  std::string error;
  EXPECT_FALSE(MakeSound({"nosuch", 1, 22050, 8, 100}, it, error));
  EXPECT_NE(error.find("nosuch"), std::string::npos);
  EXPECT_FALSE(MakeSound({"dora", 1, 22050, 16, 1001}, it, error));  // half a sample
  EXPECT_FALSE(MakeSound({"dora", 3, 22050, 16, 1200}, it, error));
  EXPECT_FALSE(MakeSound({"dora", 1, 22050, 12, 1200}, it, error));
  // Any length that is whole frames works, down to a very short one.
  EXPECT_TRUE(MakeSound({"Key3", 2, 22050, 16, 4000}, it, error)) << error;
  EXPECT_EQ(it.Pcm.size(), 4000u);
}
