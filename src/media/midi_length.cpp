// The playing length of a standard MIDI file: every track is walked for its
// end time in ticks and its tempo changes, and the longest track is timed
// under the merged tempo map. Damaged tracks are read up to the damage.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "base/file_bytes.h"
#include "media/music.h"

namespace {

struct TempoChange {
  uint64_t Tick;
  uint32_t MicrosPerQuarter;
};

class ByteReader {
 public:
  ByteReader(const std::string& b, size_t at, size_t end) : b_(b), at_(at), end_(end) {}
  bool Done() const { return at_ >= end_; }
  bool Byte(uint8_t& v) {
    if (at_ >= end_) return false;
    v = static_cast<uint8_t>(b_[at_++]);
    return true;
  }
  bool Skip(uint64_t n) {
    if (n > end_ - at_) return false;
    at_ += static_cast<size_t>(n);
    return true;
  }
  // Variable-length quantity: at most four bytes of seven bits.
  bool Vlq(uint32_t& v) {
    v = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t c;
      if (!Byte(c)) return false;
      v = (v << 7) | (c & 0x7F);
      if (!(c & 0x80)) return true;
    }
    return false;
  }

 private:
  const std::string& b_;
  size_t at_, end_;
};

uint32_t BigEndian(const std::string& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
  return v;
}

// Walks one track; returns its end tick, appends its tempo changes and
// counts its events.
uint64_t WalkTrack(ByteReader r, std::vector<TempoChange>& tempos, uint64_t& events) {
  uint64_t tick = 0;
  uint8_t running = 0;
  while (!r.Done()) {
    ++events;
    uint32_t delta;
    if (!r.Vlq(delta)) break;
    tick += delta;
    uint8_t status;
    if (!r.Byte(status)) break;
    bool haveFirst = false;
    if (status < 0x80) {  // running status: this byte is the first data byte
      if (!running) break;
      haveFirst = true;
      status = running;
    }
    if (status == 0xFF) {
      uint8_t type;
      uint32_t len;
      if (!r.Byte(type) || !r.Vlq(len)) break;
      if (type == 0x2F) return tick;  // end of track
      if (type == 0x51 && len >= 3) {
        uint8_t a, b, c;
        if (!r.Byte(a) || !r.Byte(b) || !r.Byte(c) || !r.Skip(len - 3)) break;
        tempos.push_back({tick, static_cast<uint32_t>(a << 16 | b << 8 | c)});
      } else if (!r.Skip(len)) {
        break;
      }
    } else if (status == 0xF0 || status == 0xF7) {
      uint32_t len;
      if (!r.Vlq(len) || !r.Skip(len)) break;
    } else if (status >= 0xF0) {
      break;  // other system messages do not belong in a file
    } else {
      running = status;
      const int dataBytes = (status & 0xE0) == 0xC0 ? 1 : 2;
      uint8_t d;
      for (int i = haveFirst ? 1 : 0; i < dataBytes; ++i)
        if (!r.Byte(d)) return tick;
    }
  }
  return tick;
}

// The length in milliseconds, -1 when the data is damaged or a tempo is 0.
double MidiLength(const std::string& bytes, uint64_t& events, bool& zeroTempo) {
  events = 0;
  zeroTempo = false;
  if (bytes.size() < 14 || bytes.compare(0, 4, "MThd") != 0) return -1;
  const uint32_t headerLen = BigEndian(bytes, 4, 4);
  if (headerLen < 6 || headerLen > bytes.size() - 8) return -1;
  const uint32_t division = BigEndian(bytes, 12, 2);
  if (division == 0) return -1;

  std::vector<TempoChange> tempos;
  uint64_t endTick = 0;
  size_t at = 8 + static_cast<size_t>(headerLen);
  while (bytes.size() - at >= 8) {
    const uint64_t len = BigEndian(bytes, at + 4, 4);
    const size_t body = at + 8;
    const size_t end = static_cast<size_t>(std::min<uint64_t>(body + len, bytes.size()));
    if (bytes.compare(at, 4, "MTrk") == 0)
      endTick = std::max(endTick, WalkTrack(ByteReader(bytes, body, end), tempos, events));
    at = end;  // other chunk types are skipped
  }

  if (division & 0x8000) {  // SMPTE: frames per second and ticks per frame
    const int fps = -static_cast<int8_t>(division >> 8);
    const int perFrame = division & 0xFF;
    if (fps <= 0 || perFrame <= 0) return -1;
    return endTick * 1000.0 / (static_cast<double>(fps) * perFrame);
  }
  // Ticks per quarter note under the tempo map (500000 us per quarter until
  // the first change).
  // A tempo of 0 stops time: the piece would end at once and restart every
  // frame, so it is refused like a damaged file.
  for (const auto& t : tempos) {
    if (t.MicrosPerQuarter == 0) {
      zeroTempo = true;
      return -1;
    }
  }
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.Tick < b.Tick; });
  double micros = 0;
  uint64_t tick = 0;
  uint32_t tempo = 500000;
  for (const auto& t : tempos) {
    if (t.Tick >= endTick) break;
    micros += static_cast<double>(t.Tick - tick) * tempo / division;
    tick = t.Tick;
    tempo = t.MicrosPerQuarter;
  }
  micros += static_cast<double>(endTick - tick) * tempo / division;
  return micros / 1000.0;
}

}  // namespace

TMidiFacts ReadMidiFacts(const std::string& bytes) {
  TMidiFacts f;
  f.LengthMs = MidiLength(bytes, f.Events, f.ZeroTempo);
  if (f.ZeroTempo)
    f.Problem = "テンポが 0 です (曲が進みません)";
  else if (f.LengthMs < 0)
    f.Problem = "MIDI ファイルではありません";
  else if (f.Events > kMidiMaxEvents)
    f.Problem = "イベントが多すぎます (" + std::to_string(f.Events) + " 個、" +
                std::to_string(kMidiMaxEvents) + " 個まで)";
  else if (f.LengthMs < kMidiMinLengthMs)
    f.Problem = "曲の長さが 0 か 0.1 秒未満です (毎フレーム始めからになります)";
  return f;
}

double MidiLengthMs(const std::string& bytes, uint64_t* eventCount) {
  uint64_t events = 0;
  bool zeroTempo = false;
  const double length = MidiLength(bytes, events, zeroTempo);
  if (eventCount) *eventCount = events;
  return length;
}

bool ReadMidiFileLength(const std::string& path, double& lengthMs, std::string& error) {
  std::string bytes;
  const TReadResult read = ReadFileBytes(path, kMediaFileLimit, bytes);
  if (read != TReadResult::Whole) {
    error = "ファイル " + path +
            (read == TReadResult::Cut ? " は大きすぎます (8 MiB まで)" : " は開けません");
    return false;
  }
  // A piece of no length would end at once and restart every frame, and a
  // flood of events stalls the synthesiser: neither is played.
  const TMidiFacts facts = ReadMidiFacts(bytes);
  if (facts.LengthMs < 0 && !facts.ZeroTempo) {
    error = path + " は MIDI ファイルではありません";
    return false;
  }
  if (!facts.Problem.empty()) {
    error = path + ": " + facts.Problem;
    return false;
  }
  lengthMs = facts.LengthMs;
  return true;
}
