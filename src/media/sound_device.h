// What the sound catalog needs from an audio output: playing copies
// ("instances") of PCM sounds. The SDL backend mixes them; the headless one
// only keeps time, so that instance reuse behaves the same without a device.
#pragma once
#include <cstdint>
#include <vector>

struct TWaveFormat {
  int Channels = 1;
  int Rate = 22050;
  int Bits = 8;
};

class ISoundDevice {
 public:
  virtual ~ISoundDevice() = default;
  // False when no output could be started: every play then does nothing.
  virtual bool Running() const = 0;
  // Makes a new instance holding a copy of the sound; returns its handle.
  virtual int NewInstance(const TWaveFormat& format, const std::vector<uint8_t>& data) = 0;
  // Stops the instance, rewinds it and starts it once.
  virtual void Restart(int instance) = 0;
  // True while the instance is still sounding.
  virtual bool Sounding(int instance) const = 0;
};
