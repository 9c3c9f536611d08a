// Sound effects and MIDI music on SDL_mixer. When no audio output can be
// opened the game runs silent: the sound device reports itself not running
// and the music device keeps time without playing (no errors either way).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "media/music_device.h"
#include "media/play_timer.h"
#include "media/sound_device.h"
#include "platform/sdl/limiter.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// The mixer's audio output for the life of the program. It mixes in 32-bit
// floating point, so that music and effects add up without clipping, and a
// limiter on the mixed output keeps the sound below full scale.
class SdlAudio {
 public:
  SdlAudio() = default;
  ~SdlAudio();
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;
  // Opens the output and chooses a General MIDI soundfont; false when there
  // is no audio output.
  bool Open();
  bool IsOpen() const { return open_; }
  // Volumes 0..100 of the music and of all effect channels.
  void SetMusicVolume(int volume);
  void SetEffectsVolume(int volume);

 private:
  static void PostMix(void* self, uint8_t* stream, int len);
  bool open_ = false;
  bool subsystem_ = false;
  int channels_ = 2;
  TLimiter limiter_;
};

// Each instance is one mixer channel. Instances of the same sound share one
// chunk: a sound is converted to the output format (resampled, which is
// costly) once, not each time one more copy of it has to sound at once.
class SdlSoundDevice : public ISoundDevice {
 public:
  explicit SdlSoundDevice(const SdlAudio& audio) : audio_(audio) {}
  ~SdlSoundDevice() override;
  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;
  bool Running() const override { return audio_.IsOpen(); }
  int NewInstance(const TWaveFormat& format, const std::vector<uint8_t>& data) override;
  void Restart(int instance) override;
  bool Sounding(int instance) const override;

 private:
  struct TLoaded {
    TWaveFormat Format;
    std::vector<uint8_t> Data;
    Mix_Chunk* Chunk = nullptr;  // null when unloadable
  };
  Mix_Chunk* ChunkOf(const TWaveFormat& format, const std::vector<uint8_t>& data);

  const SdlAudio& audio_;
  std::vector<TLoaded> loaded_;     // each distinct sound once
  std::vector<Mix_Chunk*> chunks_;  // index = instance = channel; null when unloadable
};

// One MIDI piece through the mixer's synthesiser. Played time is counted on
// SDL's clock less pauses; the length comes from the file, so the piece reads
// as ended when its notes are over, not after the synthesiser's release tail.
class SdlMusicDevice : public IMusicDevice {
 public:
  ~SdlMusicDevice() override;
  bool Open(const std::string& path, std::string& error) override;
  void Close() override;
  void Play() override;
  void Pause() override;
  void Resume() override;
  void Rewind() override;
  double PlayedMs() const override;
  double LengthMs() const override { return lengthMs_; }

 private:
  Mix_Music* music_ = nullptr;
  bool started_ = false;  // playing or paused since the last rewind
  double lengthMs_ = 0;
  TPlayTimer timer_;
};

// The Ogg Vorbis rendering that stands for a .mid file (same folder and name),
// or "" when there is none or it is older than the MIDI file.
std::string RenderingOf(const std::string& midiPath);

// A RIFF WAVE file in memory holding the PCM bytes in the given format.
std::vector<uint8_t> BuildWaveFile(const TWaveFormat& format, const std::vector<uint8_t>& data);
