// Turning synthesised signals into catalog items: PCM bytes, the sound blob,
// WAVE files for listening, and the check of an item against its table row.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "gen_audio/synth.h"
#include "media/catalog_table.h"

struct TSoundItem {
  std::string Name;
  int Channels = 1, Rate = 22050, Bits = 8;
  std::vector<uint8_t> Pcm;  // 8-bit unsigned (silence 128) or 16-bit signed LE, interleaved
};

// Quantises float samples (-1..1, clamped) to PCM; channels are interleaved
// and must be of equal length.
std::vector<uint8_t> ToPcm(const std::vector<TSignal>& channels, int bits);
// Samples of one channel back as floats (for checks and tests).
TSignal PcmChannel(const TSoundItem& item, int channel);

// "MRTS", u32 count, then per item: u16 name length, name, u16 channels,
// u32 rate, u16 bits, u32 byte count, the bytes; all little-endian.
std::vector<uint8_t> SoundBlob(const std::vector<TSoundItem>& items);
// A RIFF WAVE file holding the item.
std::vector<uint8_t> WaveFile(const TSoundItem& item);

// Empty when the item matches the row (name, format, byte length) and is
// sound: it ends in silence and its peak stays below full scale. Otherwise
// a message naming the item and the fault.
std::string CheckSoundItem(const TSoundItem& item, const TSoundSpec& spec);

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
