// The headless backend: a virtual clock that advances only when told, no
// window, and sound and music devices that keep time without an output.
#pragma once
#include <string>
#include <vector>

#include "media/music_device.h"
#include "media/platform.h"
#include "media/play_timer.h"
#include "media/sound_device.h"

class HeadlessPlatform : public IPlatform {
 public:
  uint32_t NowMs() override { return now_; }
  void SleepMs(uint32_t ms) override { now_ += ms; }
  void Present(const Surface&) override { ++presented_; }
  void SetCaption(const std::string& utf8) override { caption_ = utf8; }
  std::string Caption() const override { return caption_; }
  bool SetFullScreen(bool on) override {
    fullScreen_ = on;
    return true;
  }
  bool IsFullScreen() const override { return fullScreen_; }
  // No window and no output: the values are only remembered.
  void SetWindowScale(int scale) override { scale_ = ClampWindowScale(scale); }
  int WindowScale() const override { return scale_; }
  void SetMusicVolume(int volume) override { musicVolume_ = ClampVolume(volume); }
  int MusicVolume() const override { return musicVolume_; }
  void SetEffectsVolume(int volume) override { effectsVolume_ = ClampVolume(volume); }
  int EffectsVolume() const override { return effectsVolume_; }
  void ReportError(const std::string& utf8) override { errors_.push_back(utf8); }

  void Advance(uint32_t ms) { now_ += ms; }
  int Presented() const { return presented_; }
  const std::vector<std::string>& Errors() const { return errors_; }

 private:
  uint32_t now_ = 1000;
  int presented_ = 0;
  bool fullScreen_ = false;
  int scale_ = 0;
  int musicVolume_ = 100;
  int effectsVolume_ = 100;
  std::string caption_;
  std::vector<std::string> errors_;
};

// Keeps every instance's remaining play time in milliseconds of the headless
// clock, so that "still sounding" follows the sound's length.
class HeadlessSoundDevice : public ISoundDevice {
 public:
  explicit HeadlessSoundDevice(IPlatform& clock, bool running = true)
      : clock_(clock), running_(running) {}
  bool Running() const override { return running_; }
  int NewInstance(const TWaveFormat& format, const std::vector<uint8_t>& data) override;
  void Restart(int instance) override;
  bool Sounding(int instance) const override;
  int InstanceCount() const { return static_cast<int>(instances_.size()); }

 private:
  struct Instance {
    double LengthMs = 0;
    uint32_t StartedAt = 0;
    bool Started = false;
  };
  IPlatform& clock_;
  bool running_;
  std::vector<Instance> instances_;
};

// Opens .mid files, reads their length and counts played time on the
// headless clock.
class HeadlessMusicDevice : public IMusicDevice {
 public:
  explicit HeadlessMusicDevice(IPlatform& clock) : clock_(clock) {}
  bool Open(const std::string& path, std::string& error) override;
  void Close() override;
  void Play() override;
  void Pause() override;
  void Resume() override;
  void Rewind() override;
  double PlayedMs() const override;
  double LengthMs() const override { return lengthMs_; }

 private:
  IPlatform& clock_;
  bool open_ = false;
  double lengthMs_ = 0;
  TPlayTimer timer_;
};
