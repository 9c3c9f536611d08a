// The sound catalog: named PCM sounds and their playing instances.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "media/sound_device.h"

class IPlatform;

struct TWaveItem {
  std::string Name;
  TWaveFormat Format;
  std::vector<uint8_t> Data;  // PCM sample bytes (8-bit unsigned or 16-bit signed LE)
  bool Looped = false;
  int MaxPlayingCount = 0;
  std::vector<int> Instances;  // device handles, reused when finished
};

class TWaveList {
 public:
  std::vector<TWaveItem> Items;
  ISoundDevice* Device = nullptr;  // may be null: silent
  IPlatform* Clock = nullptr;      // sleeps of a waiting PlayWave; none: no waiting
  // Every play request that reached a running device, for traces and tests.
  std::vector<std::string> PlayLog;

  // Case-insensitive; raises GameError "Wave '%s' が見つかりません".
  TWaveItem& FindWave(const std::string& name);
  // Position of the item counted from 0, or -1.
  int WaveIndex(const std::string& name) const;
  // Starts the sound from its beginning alongside its still-sounding
  // instances: the first finished instance is reused, else a new one is made.
  void PlayWave(TWaveItem& item, bool wait = false);
  void PlayWave(const std::string& name) { PlayWave(FindWave(name)); }
};
