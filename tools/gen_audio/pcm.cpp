// PCM quantisation, the sound blob and WAVE writers, and the per-item check.
#include "gen_audio/pcm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace {

void PutU16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}

void PutU32(std::vector<uint8_t>& b, uint32_t v) {
  PutU16(b, v & 0xFFFF);
  PutU16(b, v >> 16);
}

void PutText(std::vector<uint8_t>& b, const std::string& s) {
  b.insert(b.end(), s.begin(), s.end());
}

}  // namespace

std::vector<uint8_t> ToPcm(const std::vector<TSignal>& channels, int bits) {
  std::vector<uint8_t> out;
  if (channels.empty()) return out;
  size_t frames = channels[0].size();
  out.reserve(frames * channels.size() * size_t(bits / 8));
  for (size_t i = 0; i < frames; ++i) {
    for (const TSignal& c : channels) {
      double x = std::clamp(double(i < c.size() ? c[i] : 0.0f), -1.0, 1.0);
      if (bits == 8) {
        // 128 is silence; +1 maps to 255 and -1 to 1, symmetric around 128.
        out.push_back(uint8_t(std::lround(128.0 + x * 127.0)));
      } else {
        long v = std::lround(x * 32767.0);
        PutU16(out, uint32_t(uint16_t(int16_t(v))));
      }
    }
  }
  return out;
}

TSignal PcmChannel(const TSoundItem& item, int channel) {
  TSignal s;
  int bytesPer = item.Bits / 8;
  size_t frame = size_t(bytesPer * item.Channels);
  if (frame == 0 || channel < 0 || channel >= item.Channels) return s;
  for (size_t at = 0; at + frame <= item.Pcm.size(); at += frame) {
    size_t p = at + size_t(channel * bytesPer);
    if (item.Bits == 8) {
      s.push_back(float((int(item.Pcm[p]) - 128) / 127.0));
    } else {
      int16_t v = int16_t(uint16_t(item.Pcm[p] | (item.Pcm[p + 1] << 8)));
      s.push_back(float(v / 32767.0));
    }
  }
  return s;
}

std::vector<uint8_t> SoundBlob(const std::vector<TSoundItem>& items) {
  std::vector<uint8_t> b;
  PutText(b, "MRTS");
  PutU32(b, uint32_t(items.size()));
  for (const TSoundItem& it : items) {
    PutU16(b, uint32_t(it.Name.size()));
    PutText(b, it.Name);
    PutU16(b, uint32_t(it.Channels));
    PutU32(b, uint32_t(it.Rate));
    PutU16(b, uint32_t(it.Bits));
    PutU32(b, uint32_t(it.Pcm.size()));
    b.insert(b.end(), it.Pcm.begin(), it.Pcm.end());
  }
  return b;
}

std::vector<uint8_t> WaveFile(const TSoundItem& item) {
  std::vector<uint8_t> b;
  uint32_t blockAlign = uint32_t(item.Channels * item.Bits / 8);
  PutText(b, "RIFF");
  PutU32(b, uint32_t(36 + item.Pcm.size() + (item.Pcm.size() & 1)));
  PutText(b, "WAVEfmt ");
  PutU32(b, 16);
  PutU16(b, 1);  // PCM
  PutU16(b, uint32_t(item.Channels));
  PutU32(b, uint32_t(item.Rate));
  PutU32(b, uint32_t(item.Rate) * blockAlign);
  PutU16(b, blockAlign);
  PutU16(b, uint32_t(item.Bits));
  PutText(b, "data");
  PutU32(b, uint32_t(item.Pcm.size()));
  b.insert(b.end(), item.Pcm.begin(), item.Pcm.end());
  if (item.Pcm.size() & 1) b.push_back(0);  // chunks are padded to even length
  return b;
}

std::string CheckSoundItem(const TSoundItem& item, const TSoundSpec& spec) {
  char msg[256];
  if (item.Name != spec.Name) {
    std::snprintf(msg, sizeof msg, "sound '%s' stands where '%s' belongs", item.Name.c_str(),
                  spec.Name);
    return msg;
  }
  if (item.Channels != spec.Channels || item.Rate != spec.Rate || item.Bits != spec.Bits ||
      item.Pcm.size() != size_t(spec.Bytes)) {
    std::snprintf(msg, sizeof msg,
                  "sound '%s' is %d ch %d Hz %d bit %zu bytes, wanted %d ch %d Hz %d bit %d bytes",
                  spec.Name, item.Channels, item.Rate, item.Bits, item.Pcm.size(), spec.Channels,
                  spec.Rate, spec.Bits, spec.Bytes);
    return msg;
  }
  for (int c = 0; c < item.Channels; ++c) {
    TSignal s = PcmChannel(item, c);
    if (s.empty() || s.back() != 0.0f) {
      std::snprintf(msg, sizeof msg, "sound '%s' does not end in silence", spec.Name);
      return msg;
    }
    float peak = Peak(s);
    if (peak >= 0.999f) {
      std::snprintf(msg, sizeof msg, "sound '%s' reaches full scale (clips)", spec.Name);
      return msg;
    }
    if (peak < 0.05f) {
      std::snprintf(msg, sizeof msg, "sound '%s' is nearly silent (peak %.3f)", spec.Name, peak);
      return msg;
    }
  }
  return {};
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) return false;
  f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(f);
}
