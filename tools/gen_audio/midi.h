// Standard MIDI file writing (format 1) and a small reader that summarises a
// file for the generator's own checks: length under its tempo changes, notes
// left hanging, channels and programs used.
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

struct TMidiEvent {
  uint32_t Tick = 0;
  int Order = 0;  // at equal ticks: meta and controls, then note-offs, then note-ons
  std::vector<uint8_t> Bytes;
};

class TMidiTrack {
 public:
  std::string Name;
  std::vector<TMidiEvent> Events;

  void Tempo(uint32_t tick, double bpm);
  void TimeSignature(uint32_t tick, int numerator, int denominator);
  void Program(uint32_t tick, int channel, int program);
  void Control(uint32_t tick, int channel, int controller, int value);
  // A note from tick for len ticks; zero-length notes are dropped.
  void Note(uint32_t tick, uint32_t len, int channel, int key, int velocity);
};

// Appends a variable-length quantity (7 bits per byte, high bit = more).
void PutVarLen(std::vector<uint8_t>& out, uint32_t value);

// The whole file: the tracks with their events in time order, each closed
// by an end-of-track event at endTick (so every track ends on the same bar line).
std::vector<uint8_t> WriteMidi(const std::vector<TMidiTrack>& tracks, int division,
                               uint32_t endTick);

struct TMidiSummary {
  bool Ok = false;
  std::string Error;
  int Format = 0, TrackCount = 0, Division = 0;
  uint32_t EndTick = 0;  // the latest end-of-track
  double LengthMs = 0;   // EndTick under the tempo map
  int TempoEvents = 0;
  int NoteOns = 0;
  int HangingNotes = 0;  // note-ons never switched off before their track ends
  int Overlaps = 0;      // note-ons of a key that is still sounding on its channel
  int CutNotes = 0;      // notes switched off on the very tick they start (never heard)
  uint32_t LastNoteOffTick = 0;
  std::set<int> Channels;             // channels with notes
  std::map<int, int> Programs;        // channel -> last program set
  std::map<int, int> MinKey, MaxKey;  // per channel
  std::map<int, int> MaxVelocity;
};

TMidiSummary ReadMidi(const std::vector<uint8_t>& bytes);
