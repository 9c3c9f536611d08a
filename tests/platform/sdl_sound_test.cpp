// Sound effects through SDL_mixer on SDL's silent `dummy` output: several
// instances of one sound and of different sounds all play, and the device
// closes cleanly with instances sharing their converted sound.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/sdl/sdl_audio.h"

namespace {

// A second of 16-bit mono at 22,050 Hz: long enough to be still sounding.
std::vector<uint8_t> Tone(int period) {
  std::vector<uint8_t> data(22050 * 2);
  for (size_t i = 0; i < data.size() / 2; ++i) {
    const int16_t v = (i / period) % 2 ? 8000 : -8000;
    data[2 * i] = static_cast<uint8_t>(v & 0xFF);
    data[2 * i + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
  }
  return data;
}

}  // namespace

TEST(SdlSound, InstancesOfOneSoundAndOfOthersAllPlay) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  SdlAudio audio;
  if (!audio.Open()) GTEST_SKIP() << "no dummy audio output: " << SDL_GetError();
  {
    SdlSoundDevice device(audio);
    ASSERT_TRUE(device.Running());
    const TWaveFormat format{1, 22050, 16};
    const std::vector<uint8_t> a = Tone(50), b = Tone(80);
    // The same data at another rate is another sound.
    const TWaveFormat slower{1, 11025, 16};
    std::vector<int> instances = {device.NewInstance(format, a), device.NewInstance(format, a),
                                  device.NewInstance(format, b), device.NewInstance(slower, a),
                                  device.NewInstance(format, a)};
    EXPECT_EQ(instances, (std::vector<int>{0, 1, 2, 3, 4}));
    for (int i : instances) device.Restart(i);
    for (int i : instances) EXPECT_TRUE(device.Sounding(i)) << "instance " << i;
    device.Restart(1);  // again, while it sounds
    EXPECT_TRUE(device.Sounding(1));
    EXPECT_FALSE(device.Sounding(5));
  }  // every chunk freed once, while instances shared them
}
