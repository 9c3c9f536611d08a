// Turns a piece description into a MIDI file: a conductor track with tempo
// and metre, then one track per part with its set-up and its notes.
#include <algorithm>
#include <cmath>

#include "gen_audio/compose.h"
#include "gen_audio/midi.h"

namespace {

// Channels in part order, skipping the drum channel.
std::vector<int> AssignChannels(const TPieceDef& piece) {
  std::vector<int> channels;
  int next = 0;
  for (const TPartDef& part : piece.Parts) {
    if (part.Role == TRole::Drums) {
      channels.push_back(kDrumChannel);
      continue;
    }
    if (next == kDrumChannel) ++next;
    channels.push_back(std::min(next++, 15));
  }
  return channels;
}

bool SectionBars(const TSectionDef& section, int& bars, std::string& error) {
  std::vector<TChordSpan> spans;
  return ParseProgression(section.Chords, 0, kBarTicks, spans, bars, error);
}

}  // namespace

double PieceSeconds(const TPieceDef& piece) {
  double seconds = 0, bpm = piece.Bpm;
  std::string error;
  for (const TSectionDef& section : piece.Sections) {
    int bars = 0;
    if (!SectionBars(section, bars, error)) return -1;
    if (section.Bpm > 0) bpm = section.Bpm;
    seconds += bars * 4 * 60.0 / bpm;
  }
  return seconds;
}

namespace {

// Lays the sections out on the tick grid so that each knows what follows it;
// the tempo changes go to the conductor when one is given.
bool LayOut(const TPieceDef& piece, std::vector<TSectionContext>& laid, uint32_t& endTick,
            TMidiTrack* conductor, std::string& error) {
  uint32_t tick = 0;
  for (const TSectionDef& section : piece.Sections) {
    TSectionContext s{&piece, &section, tick, 0, {}, false, 0, nullptr};
    if (!ParseProgression(section.Chords, tick, kBarTicks, s.Spans, s.Bars, error)) {
      error = std::string(piece.Name) + ": " + error;
      return false;
    }
    if (std::string(section.Active).size() != piece.Parts.size()) {
      error = std::string(piece.Name) + ": a section's part switches do not match the parts";
      return false;
    }
    if (conductor && section.Bpm > 0 && tick > 0) conductor->Tempo(tick, section.Bpm);
    tick += uint32_t(s.Bars) * kBarTicks;
    laid.push_back(std::move(s));
  }
  endTick = tick;
  for (size_t i = 0; i < laid.size(); ++i) {
    bool last = i + 1 == laid.size();
    laid[i].LastOfPiece = last;
    laid[i].NextStart = last ? 0 : laid[i + 1].Start;
    laid[i].NextChord = last ? &laid[0].Spans.front().Chord : &laid[i + 1].Spans.front().Chord;
  }
  return true;
}

}  // namespace

std::vector<TNote> PieceMelody(const TPieceDef& piece) {
  std::vector<TSectionContext> laid;
  uint32_t endTick = 0;
  std::string error;
  std::vector<TNote> out;
  if (piece.Sections.empty() || !LayOut(piece, laid, endTick, nullptr, error)) return out;
  for (size_t p = 0; p < piece.Parts.size(); ++p) {
    if (piece.Parts[p].Role != TRole::Melody) continue;
    for (const TSectionContext& s : laid) {
      if (s.Section->Active[p] != '1') continue;
      for (const TNote& n : MakeMelody(s, piece.Parts[p])) out.push_back(n);
    }
    break;
  }
  return out;
}

bool RenderPiece(const TPieceDef& piece, std::vector<uint8_t>& midi, std::string& error) {
  if (piece.Sections.empty() || piece.Parts.empty() || piece.Parts.size() > 16) {
    error = std::string(piece.Name) + ": needs sections and at most 16 parts";
    return false;
  }
  std::vector<int> channels = AssignChannels(piece);
  std::vector<TMidiTrack> tracks(piece.Parts.size() + 1);
  TMidiTrack& conductor = tracks[0];
  conductor.Name = piece.Name;
  conductor.Tempo(0, piece.Bpm);
  conductor.TimeSignature(0, 4, 4);
  for (size_t p = 0; p < piece.Parts.size(); ++p) {
    const TPartDef& part = piece.Parts[p];
    TMidiTrack& t = tracks[p + 1];
    int ch = channels[p];
    t.Program(0, ch, part.Role == TRole::Drums ? 0 : part.Program);
    t.Control(0, ch, 7, int(std::lround(part.Volume * piece.Level)));
    t.Control(0, ch, 10, part.Pan);
    t.Control(0, ch, 91, part.Role == TRole::Drums ? 30 : 50);  // reverb send
  }

  std::vector<TSectionContext> laid;
  uint32_t endTick = 0;
  if (!LayOut(piece, laid, endTick, &conductor, error)) return false;

  for (const TSectionContext& s : laid) {
    for (size_t p = 0; p < piece.Parts.size(); ++p) {
      if (s.Section->Active[p] != '1') continue;
      const TPartDef& part = piece.Parts[p];
      std::vector<TNote> notes;
      switch (part.Role) {
        case TRole::Melody:
          notes = MakeMelody(s, part);
          break;
        case TRole::Double: {
          // The melody's own notes, moved by the doubling's interval.
          auto lead = std::find_if(piece.Parts.begin(), piece.Parts.end(),
                                   [](const TPartDef& d) { return d.Role == TRole::Melody; });
          if (lead == piece.Parts.end()) break;
          TPartDef copy = *lead;
          copy.Velocity = part.Velocity;
          notes = MakeMelody(s, copy);
          break;
        }
        case TRole::Bass:
          notes = MakeBass(s, part);
          break;
        case TRole::Timpani:
          notes = MakeTimpani(s, part);
          break;
        case TRole::Drums:
          notes = MakeDrums(s, part);
          break;
        default:
          notes = MakeHarmony(s, part);
          break;
      }
      // Quiet sections play softer and full ones harder (the drums set
      // their own dynamics from the energy).
      int lift = part.Role == TRole::Drums ? 0 : (s.Section->Energy - 1) * 6;
      for (const TNote& n : notes) {
        int key = n.Key + (part.Role == TRole::Double ? part.Transpose : 0);
        int velocity = std::clamp(n.Velocity + lift, 1, 127);
        uint32_t len = std::min(n.Len, endTick - n.Tick);  // nothing rings past the loop point
        tracks[p + 1].Note(n.Tick, len, channels[p], key, velocity);
      }
    }
  }
  midi = WriteMidi(tracks, kDivision, endTick);
  return true;
}
