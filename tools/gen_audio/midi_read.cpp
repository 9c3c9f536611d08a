// Reads a standard MIDI file back into a summary: its length under the tempo
// map, hanging notes, and the channels, programs and key ranges in use.
#include <algorithm>
#include <map>

#include "gen_audio/midi.h"

namespace {

struct TReader {
  const std::vector<uint8_t>& B;
  size_t At = 0;
  bool Bad = false;

  uint32_t Byte() {
    if (At >= B.size()) {
      Bad = true;
      return 0;
    }
    return B[At++];
  }
  uint32_t BE(int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | Byte();
    return v;
  }
  uint32_t VarLen() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      uint32_t c = Byte();
      v = (v << 7) | (c & 0x7F);
      if (!(c & 0x80)) return v;
    }
    Bad = true;  // longer than the format allows
    return v;
  }
};

}  // namespace

TMidiSummary ReadMidi(const std::vector<uint8_t>& bytes) {
  TMidiSummary s;
  TReader r{bytes};
  if (r.BE(4) != 0x4D546864 || r.BE(4) != 6) {
    s.Error = "no MThd header";
    return s;
  }
  s.Format = int(r.BE(2));
  s.TrackCount = int(r.BE(2));
  s.Division = int(r.BE(2));
  if (r.Bad || s.Division <= 0 || (s.Division & 0x8000)) {
    s.Error = "bad header";
    return s;
  }
  std::map<uint32_t, uint32_t> tempos;  // tick -> microseconds per quarter
  for (int t = 0; t < s.TrackCount; ++t) {
    if (r.BE(4) != 0x4D54726B) {
      s.Error = "missing MTrk";
      return s;
    }
    uint32_t len = r.BE(4);
    size_t end = r.At + len;
    if (r.Bad || end > bytes.size()) {
      s.Error = "track runs past the file";
      return s;
    }
    uint32_t tick = 0;
    uint8_t status = 0;
    bool ended = false;
    std::map<int, int> sounding;       // channel*128+key -> count
    std::map<int, uint32_t> struckAt;  // channel*128+key -> tick of the latest note-on
    while (r.At < end && !r.Bad && !ended) {
      tick += r.VarLen();
      uint32_t b = r.Byte();
      if (b & 0x80) {
        status = uint8_t(b);
      } else {
        if (status == 0) {
          s.Error = "running status without a status";
          return s;
        }
        --r.At;  // running status: b is the first data byte
      }
      if (status == 0xFF) {
        uint32_t type = r.Byte();
        uint32_t n = r.VarLen();
        if (type == 0x51 && n == 3) {
          tempos[tick] = r.BE(3);
          ++s.TempoEvents;
        } else {
          r.At += n;
        }
        if (type == 0x2F) ended = true;
        status = 0;
        continue;
      }
      if (status == 0xF0 || status == 0xF7) {
        r.At += r.VarLen();
        status = 0;
        continue;
      }
      int ch = status & 15;
      int kind = status >> 4;
      uint32_t d1 = r.Byte();
      uint32_t d2 = (kind == 0xC || kind == 0xD) ? 0 : r.Byte();
      int key = ch * 128 + int(d1);
      if (kind == 0x9 && d2 > 0) {
        if (sounding[key] > 0) ++s.Overlaps;
        ++sounding[key];
        struckAt[key] = tick;
        ++s.NoteOns;
        s.Channels.insert(ch);
        s.MinKey[ch] = s.MinKey.count(ch) ? std::min(s.MinKey[ch], int(d1)) : int(d1);
        s.MaxKey[ch] = std::max(s.MaxKey[ch], int(d1));
        s.MaxVelocity[ch] = std::max(s.MaxVelocity[ch], int(d2));
      } else if (kind == 0x8 || kind == 0x9) {
        if (sounding[key] > 0) {
          --sounding[key];
          if (struckAt[key] == tick) ++s.CutNotes;
        }
        s.LastNoteOffTick = std::max(s.LastNoteOffTick, tick);
      } else if (kind == 0xC) {
        s.Programs[ch] = int(d1);
      }
    }
    if (r.Bad || !ended) {
      s.Error = "track without end-of-track";
      return s;
    }
    for (auto& [key, count] : sounding) s.HangingNotes += count;
    s.EndTick = std::max(s.EndTick, tick);
    r.At = end;
  }
  // Sum the time of each stretch under the tempo in force (120 bpm until the first).
  double ms = 0;
  uint32_t lastTick = 0;
  double usPerQuarter = 500000;
  for (auto [tick, us] : tempos) {
    if (tick >= s.EndTick) break;
    ms += double(tick - lastTick) * usPerQuarter / 1000.0 / s.Division;
    lastTick = tick;
    usPerQuarter = us;
  }
  ms += double(s.EndTick - lastTick) * usPerQuarter / 1000.0 / s.Division;
  s.LengthMs = ms;
  s.Ok = true;
  return s;
}
