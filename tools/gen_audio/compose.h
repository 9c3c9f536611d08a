// The background pieces as descriptions (key, tempo, sections of chords,
// the band) and the routines that turn a description into MIDI notes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "gen_audio/harmony.h"

constexpr int kDivision = 480;  // ticks per quarter note
constexpr uint32_t kBarTicks = 4 * kDivision;
constexpr uint32_t kStep = kDivision / 4;  // a sixteenth
constexpr int kDrumChannel = 9;

enum class TRole { Melody, Double, Pad, Stabs, Arp, Comp, Counter, Bass, Timpani, Drums };
enum class TMelodyStyle { Calm, Driving, Urgent, Triumphant, Sad };
enum class TBassStyle { Whole, Drive, Walk, Ballad, Pop, March, Gallop };
enum class TDrumStyle { Soft, Pop, Drive1, Drive2, Drive3, March, Ballad, Anthem };

struct TPartDef {
  TRole Role;
  int Program;        // General MIDI program, 0-based
  int Volume;         // controller 7
  int Pan;            // controller 10, 64 = centre
  int Low, High;      // key range
  int Velocity;       // typical velocity
  int Style = 0;      // bass: TBassStyle; arp: 0 eighths, 1 sixteenths; stabs: pattern number
  int Transpose = 0;  // doubling: semitones from the melody
};

struct TSectionDef {
  const char* Chords;   // progression, see ParseProgression
  const char* Active;   // one character per part: '1' plays, '0' rests
  uint32_t MelodySeed;  // the same seed gives the same tune
  TDrumStyle Drums;
  int Energy;      // 0 quiet .. 2 full
  double Bpm = 0;  // tempo change at the section's start; 0 keeps the tempo
};

// Shorthands for the piece tables: a part, the drum part, a bass style as
// the part's style number.
inline TPartDef Part(TRole role, int program, int volume, int pan, int low, int high, int velocity,
                     int style = 0, int transpose = 0) {
  return {role, program, volume, pan, low, high, velocity, style, transpose};
}
inline TPartDef Drums(int volume, int velocity) {
  return Part(TRole::Drums, 0, volume, 64, 35, 81, velocity);
}
constexpr int kBass(TBassStyle s) {
  return int(s);
}

struct TPieceDef {
  const char* Name;  // file name without ".mid"
  double Bpm;
  int Tonic;  // pitch class of the key
  bool Minor;
  TMelodyStyle Melody;
  std::vector<TPartDef> Parts;
  std::vector<TSectionDef> Sections;
  double Level = 1.0;  // scales every part's volume to balance the pieces
  // The lead's own turns: the scale steps its motifs draw from (0 repeats a
  // note). Empty: the common mix of steps and a few leaps.
  std::vector<int> Steps = {};
};

struct TNote {
  uint32_t Tick, Len;
  int Key, Velocity;
};

// Where a section sits and what it holds, handed to the part writers.
struct TSectionContext {
  const TPieceDef* Piece;
  const TSectionDef* Section;
  uint32_t Start;  // tick of the first bar
  int Bars;
  std::vector<TChordSpan> Spans;
  bool LastOfPiece;
  uint32_t NextStart;       // the tick the piece continues from (0 after the last section)
  const TChord* NextChord;  // first chord of what follows (the first section when looping)
};

std::vector<TNote> MakeMelody(const TSectionContext& s, const TPartDef& part);
std::vector<TNote> MakeBass(const TSectionContext& s, const TPartDef& part);
std::vector<TNote> MakeHarmony(const TSectionContext& s, const TPartDef& part);
std::vector<TNote> MakeTimpani(const TSectionContext& s, const TPartDef& part);
std::vector<TNote> MakeDrums(const TSectionContext& s, const TPartDef& part);

// The ten pieces of the bgm folder.
std::vector<TPieceDef> BgmPieces();
// The nine stage pieces "stage1" .. "stage9", also in the bgm folder.
std::vector<TPieceDef> StagePieces();
// The piece as a format-1 MIDI file; false with a message when its
// description cannot be read.
bool RenderPiece(const TPieceDef& piece, std::vector<uint8_t>& midi, std::string& error);
// The notes of the piece's lead (its Melody part) in every section it plays.
std::vector<TNote> PieceMelody(const TPieceDef& piece);
// Seconds from the first tick to the final bar line under the section tempos.
double PieceSeconds(const TPieceDef& piece);

// The share of melodic turns two leads have in common: each lead's 4-note
// groups (consecutive notes as their three steps in semitones, so a turn
// moved to another key is the same turn), counted once each; the groups
// found in both over the groups of the lead that has fewer.
double SharedMelodyGroups(const std::vector<TNote>& a, const std::vector<TNote>& b);
// The General MIDI program of the piece's lead (its Melody part), -1 without one.
int LeadProgram(const TPieceDef& piece);
// Empty when two pieces are told apart: they differ in at least two of key
// (tonic or mode), tempo (by 10 bpm or more) and lead instrument, and share
// at most 20 % of their melodies' 4-note groups. Otherwise what they share.
std::string CheckPair(const TPieceDef& a, const TPieceDef& b);

// Empty when the rendered file is sound: it reads back, has a tempo, drums on
// the drum channel and programs for every other channel, no note left hanging,
// ends on a bar line with the length the description gives, and lasts 60 to
// 150 seconds. Otherwise a message naming the piece and the fault.
std::string CheckPiece(const TPieceDef& piece, const std::vector<uint8_t>& midi);
