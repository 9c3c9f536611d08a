// The sound catalog and the music player over fake devices.
#include <gtest/gtest.h>

#include "base/game_error.h"
#include "media/music.h"
#include "media/wave_list.h"

namespace {

// Instances that sound until the test says they have ended.
class FakeSound : public ISoundDevice {
 public:
  bool IsRunning = true;
  std::vector<bool> SoundingNow;
  std::vector<int> Restarts;
  bool Running() const override { return IsRunning; }
  int NewInstance(const TWaveFormat&, const std::vector<uint8_t>&) override {
    SoundingNow.push_back(false);
    return static_cast<int>(SoundingNow.size()) - 1 + 100;  // handles need not be indices
  }
  void Restart(int h) override {
    SoundingNow.at(h - 100) = true;
    Restarts.push_back(h);
  }
  bool Sounding(int h) const override { return SoundingNow.at(h - 100); }
  void EndAll() { SoundingNow.assign(SoundingNow.size(), false); }
};

TWaveList Catalog(ISoundDevice* device) {
  TWaveList w;
  w.Device = device;
  for (const char* n : {"Key1", "Key3", "GameOver1", "wasshoi"}) {
    TWaveItem item;
    item.Name = n;
    item.Data.assign(100, 128);
    w.Items.push_back(item);
  }
  return w;
}

}  // namespace

TEST(Waves, LookupIgnoresCaseAndCountsFromZero) {
  TWaveList w = Catalog(nullptr);
  EXPECT_EQ(&w.FindWave("GAMEOVER1"), &w.Items[2]);
  EXPECT_EQ(w.WaveIndex("key1"), 0);
  EXPECT_EQ(w.WaveIndex("Wasshoi"), 3);
  EXPECT_EQ(w.WaveIndex("Key"), -1);
  try {
    w.FindWave("Key9");
    FAIL() << "no error raised";
  } catch (const GameError& e) {
    EXPECT_STREQ(e.what(), "Wave 'Key9' が見つかりません");
  }
}

TEST(Waves, FinishedInstancesAreReusedBeforeNewOnesAreMade) {
  FakeSound dev;
  TWaveList w = Catalog(&dev);
  TWaveItem& key3 = w.FindWave("Key3");
  for (int i = 0; i < 3; ++i) w.PlayWave(key3);
  EXPECT_EQ(key3.Instances, (std::vector<int>{100, 101, 102}));
  dev.EndAll();
  w.PlayWave(key3);
  EXPECT_EQ(key3.Instances.size(), 3u);
  EXPECT_EQ(dev.Restarts.back(), 100);
  // With the first still sounding and the second ended, the second is reused.
  dev.SoundingNow[2] = true;
  w.PlayWave("key3");
  EXPECT_EQ(dev.Restarts.back(), 101);
  EXPECT_EQ(dev.SoundingNow.size(), 3u);
  EXPECT_EQ(w.PlayLog, (std::vector<std::string>(5, "Key3")));
}

TEST(Waves, LimitedItemsRestartTheirOldestInstance) {
  FakeSound dev;
  TWaveList w = Catalog(&dev);
  TWaveItem& item = w.Items[0];
  item.MaxPlayingCount = 2;
  w.PlayWave(item);
  w.PlayWave(item);
  w.PlayWave(item);
  EXPECT_EQ(dev.SoundingNow.size(), 2u);
  EXPECT_EQ(dev.Restarts.back(), 100);
  EXPECT_EQ(item.Instances, (std::vector<int>{101, 100}));
}

TEST(Waves, NoDeviceOrStoppedDeviceIsSilent) {
  TWaveList none = Catalog(nullptr);
  none.PlayWave("Key3");
  EXPECT_TRUE(none.PlayLog.empty());
  FakeSound dev;
  dev.IsRunning = false;
  TWaveList stopped = Catalog(&dev);
  stopped.PlayWave("Key3");
  EXPECT_TRUE(stopped.PlayLog.empty());
  EXPECT_TRUE(dev.SoundingNow.empty());
  EXPECT_TRUE(stopped.Items[1].Instances.empty());
}

namespace {

// A MIDI output whose clock the test moves by hand.
class FakeMusic : public IMusicDevice {
 public:
  bool FailOpen = false;
  bool IsOpen = false, Playing = false;
  double Position = 0, Length = 1000;
  int Rewinds = 0;
  bool Open(const std::string& path, std::string& error) override {
    if (FailOpen) {
      error = "cannot open " + path;
      return false;
    }
    IsOpen = true;
    Position = 0;
    Playing = false;
    return true;
  }
  void Close() override { IsOpen = Playing = false; }
  void Play() override { Playing = true; }
  void Pause() override { Playing = false; }
  void Resume() override { Playing = true; }
  void Rewind() override {
    Position = 0;
    Playing = false;
    ++Rewinds;
  }
  double PlayedMs() const override { return Position; }
  double LengthMs() const override { return Length; }
  void Advance(double ms) {
    if (Playing) Position += ms;
  }
};

}  // namespace

TEST(Music, ModesThroughOpenPlayPauseAndEnd) {
  FakeMusic dev;
  TMusic m;
  m.Device = &dev;
  EXPECT_EQ(m.MusicMode(), 0);
  m.OpenMusic("bgm/event8.mid");
  EXPECT_EQ(m.MusicMode(), 6);
  m.PlayMusic();
  EXPECT_EQ(m.MusicMode(), 2);
  dev.Advance(300);
  m.PauseMusic();
  EXPECT_EQ(m.MusicMode(), 5);
  dev.Advance(500);  // paused: the position holds
  m.PauseMusic();
  EXPECT_EQ(m.MusicMode(), 2);
  EXPECT_EQ(dev.Position, 300);
  // Played to its length: stopped, although the device still plays its tail.
  dev.Advance(700);
  EXPECT_TRUE(dev.Playing);
  EXPECT_EQ(m.MusicMode(), 1);
  m.PauseMusic();  // stopped: nothing happens
  EXPECT_EQ(m.MusicMode(), 1);
  // Playing at the end starts again from the beginning.
  m.PlayMusic();
  EXPECT_EQ(dev.Rewinds, 1);
  EXPECT_EQ(dev.Position, 0);
  EXPECT_EQ(m.MusicMode(), 2);
  m.RewindMusic();
  EXPECT_EQ(m.MusicMode(), 1);
  m.CloseMusic();
  EXPECT_EQ(m.MusicMode(), 0);
  EXPECT_FALSE(dev.IsOpen);
}

TEST(Music, FailuresLeaveNothingOpen) {
  FakeMusic dev;
  TMusic m;
  m.Device = &dev;
  EXPECT_THROW(m.PauseMusic(), GameError);
  try {
    m.PauseMusic();
  } catch (const GameError& e) {
    EXPECT_STREQ(e.what(), "MCI デバイスがありません");
  }
  m.OpenMusic("a.mid");
  m.PlayMusic();
  dev.FailOpen = true;
  try {
    m.OpenMusic("b.mid");
    FAIL() << "no error raised";
  } catch (const GameError& e) {
    EXPECT_STREQ(e.what(), "cannot open b.mid");
  }
  EXPECT_FALSE(m.IsOpen());
  EXPECT_FALSE(dev.IsOpen);  // the previous piece was closed first
  EXPECT_EQ(m.MusicMode(), 0);
  m.PlayMusic();  // nothing open: silent, no error
  EXPECT_FALSE(dev.Playing);
  TMusic noDevice;
  EXPECT_THROW(noDevice.OpenMusic("a.mid"), GameError);
  EXPECT_EQ(noDevice.MusicMode(), 0);
}

TEST(Music, PlayAfterPauseResumesWhereItStopped) {
  FakeMusic dev;
  TMusic m;
  m.Device = &dev;
  m.OpenMusic("a.mid");
  m.PlayMusic();
  dev.Advance(250);
  m.PauseMusic();
  m.PlayMusic();
  EXPECT_EQ(dev.Position, 250);
  EXPECT_EQ(dev.Rewinds, 0);
  EXPECT_EQ(m.MusicMode(), 2);
  m.OpenMusic("b.mid");  // opening again starts the new piece from its start
  EXPECT_EQ(m.FileName(), "b.mid");
  EXPECT_EQ(m.MusicMode(), 6);
}
