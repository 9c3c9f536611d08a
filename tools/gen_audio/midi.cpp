// Standard MIDI file writer and the summarising reader used by the checks.
#include "gen_audio/midi.h"

#include <algorithm>
#include <cmath>

namespace {

void PutBE(std::vector<uint8_t>& b, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) b.push_back(uint8_t(v >> (8 * i)));
}

void PutMeta(TMidiTrack& t, uint32_t tick, uint8_t type, const std::vector<uint8_t>& data) {
  TMidiEvent e{tick, 0, {0xFF, type}};
  PutVarLen(e.Bytes, uint32_t(data.size()));
  e.Bytes.insert(e.Bytes.end(), data.begin(), data.end());
  t.Events.push_back(std::move(e));
}

uint8_t Clamp7(int v) {
  return uint8_t(std::clamp(v, 0, 127));
}

}  // namespace

void PutVarLen(std::vector<uint8_t>& out, uint32_t value) {
  value &= 0x0FFFFFFF;  // the format holds 28 bits
  uint8_t groups[4];
  int n = 0;
  do {
    groups[n++] = uint8_t(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (n > 1) out.push_back(uint8_t(groups[--n] | 0x80));
  out.push_back(groups[0]);
}

void TMidiTrack::Tempo(uint32_t tick, double bpm) {
  uint32_t us = uint32_t(std::lround(60000000.0 / bpm));
  PutMeta(*this, tick, 0x51, {uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)});
}

void TMidiTrack::TimeSignature(uint32_t tick, int numerator, int denominator) {
  uint8_t power = 0;
  while ((1 << power) < denominator) ++power;
  PutMeta(*this, tick, 0x58, {uint8_t(numerator), power, 24, 8});
}

void TMidiTrack::Program(uint32_t tick, int channel, int program) {
  Events.push_back({tick, 0, {uint8_t(0xC0 | (channel & 15)), Clamp7(program)}});
}

void TMidiTrack::Control(uint32_t tick, int channel, int controller, int value) {
  Events.push_back({tick, 0, {uint8_t(0xB0 | (channel & 15)), Clamp7(controller), Clamp7(value)}});
}

void TMidiTrack::Note(uint32_t tick, uint32_t len, int channel, int key, int velocity) {
  if (len == 0) return;
  uint8_t ch = uint8_t(channel & 15);
  Events.push_back(
      {tick, 2, {uint8_t(0x90 | ch), Clamp7(key), uint8_t(std::clamp(velocity, 1, 127))}});
  Events.push_back({tick + len, 1, {uint8_t(0x80 | ch), Clamp7(key), 64}});
}

std::vector<uint8_t> WriteMidi(const std::vector<TMidiTrack>& tracks, int division,
                               uint32_t endTick) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
  PutBE(out, 6, 4);
  PutBE(out, 1, 2);
  PutBE(out, uint32_t(tracks.size()), 2);
  PutBE(out, uint32_t(division), 2);
  for (const TMidiTrack& track : tracks) {
    std::vector<TMidiEvent> events = track.Events;
    std::stable_sort(events.begin(), events.end(), [](const TMidiEvent& a, const TMidiEvent& b) {
      return a.Tick != b.Tick ? a.Tick < b.Tick : a.Order < b.Order;
    });
    std::vector<uint8_t> body;
    if (!track.Name.empty()) {
      body.push_back(0);
      body.insert(body.end(), {0xFF, 0x03});
      PutVarLen(body, uint32_t(track.Name.size()));
      body.insert(body.end(), track.Name.begin(), track.Name.end());
    }
    uint32_t now = 0;
    for (const TMidiEvent& e : events) {
      uint32_t tick = std::min(e.Tick, endTick);  // nothing may sound past the loop point
      PutVarLen(body, tick - now);
      now = tick;
      body.insert(body.end(), e.Bytes.begin(), e.Bytes.end());
    }
    PutVarLen(body, endTick - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    PutBE(out, uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}
