// The generator's checks of a rendered piece against what the game needs of
// its music (clean looping, a sensible length and a complete band) and of two
// pieces against each other (key, tempo, lead and melodic turns apart).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <set>

#include "gen_audio/compose.h"
#include "gen_audio/midi.h"

std::string CheckPiece(const TPieceDef& piece, const std::vector<uint8_t>& midi) {
  TMidiSummary m = ReadMidi(midi);
  std::string name = std::string(piece.Name) + ".mid: ";
  if (!m.Ok) return name + m.Error;
  if (m.Format != 1 || m.Division != kDivision) return name + "unexpected format or division";
  if (m.TempoEvents < 1) return name + "no tempo";
  if (m.HangingNotes > 0) return name + std::to_string(m.HangingNotes) + " notes never end";
  if (m.Overlaps > 0)
    return name + std::to_string(m.Overlaps) + " notes strike a key still sounding";
  if (m.CutNotes > 0) return name + std::to_string(m.CutNotes) + " notes end as they start";
  if (m.EndTick == 0 || m.EndTick % kBarTicks != 0) return name + "does not end on a bar line";
  if (m.LastNoteOffTick > m.EndTick) return name + "notes ring past the end";
  if (!m.Channels.count(kDrumChannel)) return name + "no drums";
  if (m.Channels.size() < 4) return name + "fewer than four sounding parts";
  for (int ch : m.Channels) {
    if (ch != kDrumChannel && !m.Programs.count(ch))
      return name + "channel " + std::to_string(ch + 1) + " has no program";
  }
  double seconds = m.LengthMs / 1000.0;
  if (std::fabs(seconds - PieceSeconds(piece)) > 0.01) return name + "length differs from its plan";
  if (seconds < 60.0 || seconds > 150.0) {
    char msg[64];
    std::snprintf(msg, sizeof msg, "lasts %.1f s, not 60 to 150", seconds);
    return name + msg;
  }
  return {};
}

namespace {

std::set<std::array<int, 3>> Groups(const std::vector<TNote>& notes) {
  std::set<std::array<int, 3>> out;
  for (size_t i = 0; i + 3 < notes.size(); ++i)
    out.insert({notes[i + 1].Key - notes[i].Key, notes[i + 2].Key - notes[i + 1].Key,
                notes[i + 3].Key - notes[i + 2].Key});
  return out;
}

}  // namespace

double SharedMelodyGroups(const std::vector<TNote>& a, const std::vector<TNote>& b) {
  std::set<std::array<int, 3>> ga = Groups(a), gb = Groups(b);
  if (ga.empty() || gb.empty()) return 0;
  size_t shared = 0;
  for (const auto& g : ga) shared += gb.count(g);
  return double(shared) / double(std::min(ga.size(), gb.size()));
}

int LeadProgram(const TPieceDef& piece) {
  for (const TPartDef& part : piece.Parts)
    if (part.Role == TRole::Melody) return part.Program;
  return -1;
}

std::string CheckPair(const TPieceDef& a, const TPieceDef& b) {
  std::string names = std::string(a.Name) + " and " + b.Name + ": ";
  int apart = 0;
  apart += a.Tonic != b.Tonic || a.Minor != b.Minor;
  apart += std::fabs(a.Bpm - b.Bpm) >= 10;
  apart += LeadProgram(a) != LeadProgram(b);
  if (apart < 2) return names + "alike in two of key, tempo and lead";
  double shared = SharedMelodyGroups(PieceMelody(a), PieceMelody(b));
  if (shared > 0.2) {
    char msg[64];
    std::snprintf(msg, sizeof msg, "share %.0f %% of their 4-note groups", 100 * shared);
    return names + msg;
  }
  return {};
}
