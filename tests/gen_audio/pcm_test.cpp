// PCM quantisation, the sound blob and WAVE layouts, the per-item check and
// the signal helpers they rely on.
#include "gen_audio/pcm.h"

#include <gtest/gtest.h>

#include <cmath>

#include "gen_audio/synth.h"

namespace {

uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}
uint32_t U16At(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8);
}

TSoundItem Item(const char* name, int channels, int rate, int bits, std::vector<uint8_t> pcm) {
  TSoundItem it;
  it.Name = name;
  it.Channels = channels;
  it.Rate = rate;
  it.Bits = bits;
  it.Pcm = std::move(pcm);
  return it;
}

}  // namespace

TEST(Pcm, EightBitIsUnsignedAroundSilenceAndClamps) {
  std::vector<uint8_t> b = ToPcm({{0.0f, 1.0f, -1.0f, 2.5f, -7.0f, 0.5f}}, 8);
  EXPECT_EQ(b, (std::vector<uint8_t>{128, 255, 1, 255, 1, 192}));
}

TEST(Pcm, SixteenBitIsSignedLittleEndianAndStereoInterleaves) {
  std::vector<uint8_t> b = ToPcm({{0.5f, 0.0f}, {-1.0f, 3.0f}}, 16);
  ASSERT_EQ(b.size(), 8u);
  EXPECT_EQ(int16_t(U16At(b, 0)), 16384);   // left, frame 0
  EXPECT_EQ(int16_t(U16At(b, 2)), -32767);  // right, frame 0
  EXPECT_EQ(int16_t(U16At(b, 4)), 0);       // left, frame 1
  EXPECT_EQ(int16_t(U16At(b, 6)), 32767);   // right, frame 1 (clamped)
}

TEST(Pcm, ChannelsReadBackWithinOneStep) {
  TSignal left = {0.25f, -0.5f, 0.75f}, right = {-0.1f, 0.9f, 0.0f};
  for (int bits : {8, 16}) {
    TSoundItem it = Item("x", 2, 22050, bits, ToPcm({left, right}, bits));
    TSignal l = PcmChannel(it, 0), r = PcmChannel(it, 1);
    ASSERT_EQ(l.size(), 3u);
    float step = bits == 8 ? 1.0f / 127 : 1.0f / 32767;
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_NEAR(l[i], left[i], step) << bits;
      EXPECT_NEAR(r[i], right[i], step) << bits;
    }
  }
}

TEST(Pcm, BlobHoldsEveryItemInOrder) {
  std::vector<TSoundItem> items = {Item("ab", 2, 44100, 16, {1, 2, 3, 4}),
                                   Item("c", 1, 11025, 8, {9})};
  std::vector<uint8_t> b = SoundBlob(items);
  ASSERT_EQ(b.size(), 4u + 4 + (2 + 2 + 2 + 4 + 2 + 4 + 4) + (2 + 1 + 2 + 4 + 2 + 4 + 1));
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "MRTS");
  EXPECT_EQ(U32At(b, 4), 2u);
  EXPECT_EQ(U16At(b, 8), 2u);
  EXPECT_EQ(std::string(b.begin() + 10, b.begin() + 12), "ab");
  EXPECT_EQ(U16At(b, 12), 2u);
  EXPECT_EQ(U32At(b, 14), 44100u);
  EXPECT_EQ(U16At(b, 18), 16u);
  EXPECT_EQ(U32At(b, 20), 4u);
  EXPECT_EQ(b[24], 1);
  EXPECT_EQ(U16At(b, 28), 1u);
  EXPECT_EQ(b[30], 'c');
  EXPECT_EQ(U32At(b, 33), 11025u);
  EXPECT_EQ(b.back(), 9);
}

TEST(Pcm, WaveFileHeaderDescribesTheData) {
  TSoundItem it = Item("w", 2, 22050, 16, std::vector<uint8_t>(12, 0));
  std::vector<uint8_t> w = WaveFile(it);
  ASSERT_EQ(w.size(), 44u + 12);
  EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
  EXPECT_EQ(U32At(w, 4), 36u + 12);
  EXPECT_EQ(U16At(w, 22), 2u);
  EXPECT_EQ(U32At(w, 24), 22050u);
  EXPECT_EQ(U32At(w, 28), 22050u * 4);  // byte rate
  EXPECT_EQ(U16At(w, 32), 4u);          // block align
  EXPECT_EQ(U32At(w, 40), 12u);
  // An odd data length is padded, but the chunk keeps its true size.
  std::vector<uint8_t> odd = WaveFile(Item("o", 1, 8000, 8, {128, 128, 128}));
  EXPECT_EQ(odd.size(), 44u + 4);
  EXPECT_EQ(U32At(odd, 40), 3u);
}

TEST(Pcm, CheckCatchesEachKindOfFault) {
  TSoundSpec spec{"beep", 1, 22050, 16, 8};
  TSignal good = {0.0f, 0.5f, -0.4f, 0.0f};
  EXPECT_EQ(CheckSoundItem(Item("beep", 1, 22050, 16, ToPcm({good}, 16)), spec), "");
  EXPECT_NE(CheckSoundItem(Item("boop", 1, 22050, 16, ToPcm({good}, 16)), spec), "");
  EXPECT_NE(CheckSoundItem(Item("beep", 1, 11025, 16, ToPcm({good}, 16)), spec), "");
  EXPECT_NE(CheckSoundItem(Item("beep", 1, 22050, 16, ToPcm({{0.0f, 0.5f, 0.0f}}, 16)), spec), "");
  std::string tail =
      CheckSoundItem(Item("beep", 1, 22050, 16, ToPcm({{0.f, .5f, .1f, .2f}}, 16)), spec);
  EXPECT_NE(tail.find("silence"), std::string::npos) << tail;
  std::string clip =
      CheckSoundItem(Item("beep", 1, 22050, 16, ToPcm({{0.f, 1.f, -1.f, 0.f}}, 16)), spec);
  EXPECT_NE(clip.find("clips"), std::string::npos) << clip;
  std::string faint =
      CheckSoundItem(Item("beep", 1, 22050, 16, ToPcm({{0.f, .01f, 0.f, 0.f}}, 16)), spec);
  EXPECT_NE(faint.find("silent"), std::string::npos) << faint;
}

TEST(Signal, FadeOutEndsInZerosAndLeavesTheStartAlone) {
  TSignal s(1000, 0.8f);
  FadeOut(s, 1000, 0.1);
  EXPECT_EQ(s.back(), 0.0f);
  EXPECT_FLOAT_EQ(s[899], 0.8f);
  EXPECT_LT(s[950], 0.8f);
  EXPECT_GT(s[950], 0.0f);
  for (size_t i = 901; i < s.size(); ++i) EXPECT_LE(s[i], s[i - 1]);
}

TEST(Signal, NormaliseUsesTheLoudestChannel) {
  std::vector<TSignal> ch = {{0.1f, -0.2f}, {0.4f, 0.0f}};
  NormalisePeak(ch, -6.0);
  float target = float(std::pow(10.0, -6.0 / 20));
  EXPECT_NEAR(ch[1][0], target, 1e-6);
  EXPECT_NEAR(ch[0][1], -target / 2, 1e-6);  // the quieter channel keeps its proportion
}

// Steady-state level of a sine through a filter, measured over the second half.
float FilteredLevel(double freq, bool low) {
  const double rate = 22050;
  TOsc osc(rate);
  TSvf f(rate);
  TSignal out;
  for (int i = 0; i < 22050; ++i) {
    float x = osc.Sine(freq);
    float y = low ? f.Low(x, 300) : f.High(x, 300);
    if (i > 11025) out.push_back(y);
  }
  return Peak(out);
}

TEST(Signal, FiltersPassTheirBandAndCutTheOther) {
  EXPECT_GT(FilteredLevel(40, true), 0.9f);
  EXPECT_LT(FilteredLevel(5000, true), 0.01f);
  EXPECT_GT(FilteredLevel(5000, false), 0.9f);
  EXPECT_LT(FilteredLevel(40, false), 0.05f);
}

TEST(Signal, OscillatorsRunAtTheirFrequency) {
  const double rate = 22050;
  TOsc sine(rate), saw(rate);
  int sineCrossings = 0, sawWraps = 0;
  float prevSine = 0, prevSaw = 0;
  float sawPeak = 0;
  for (int i = 0; i < 22050; ++i) {
    float s = sine.Sine(441), w = saw.Saw(441);
    if ((s >= 0) != (prevSine >= 0)) ++sineCrossings;
    if (prevSaw >= 0 && w < 0) ++sawWraps;  // the ramp falls back once a cycle
    sawPeak = std::max(sawPeak, std::fabs(w));
    prevSine = s;
    prevSaw = w;
  }
  EXPECT_NEAR(sineCrossings, 882, 2);
  EXPECT_NEAR(sawWraps, 441, 1);
  EXPECT_LT(sawPeak, 1.15f);  // the band-limiting correction stays small
}

TEST(Signal, NoiseIsSeededAndSpread) {
  TNoise a(5), b(5), c(6);
  double sum = 0, sumSq = 0;
  bool differs = false;
  for (int i = 0; i < 20000; ++i) {
    float x = a.White();
    EXPECT_EQ(x, b.White());
    if (x != c.White()) differs = true;
    ASSERT_GE(x, -1.0f);
    ASSERT_LT(x, 1.0f);
    sum += x;
    sumSq += double(x) * x;
  }
  EXPECT_TRUE(differs);
  EXPECT_NEAR(sum / 20000, 0.0, 0.02);
  EXPECT_NEAR(sumSq / 20000, 1.0 / 3, 0.02);  // variance of a uniform -1..1
}
