// The generator's check of a rendered piece against what the game needs of
// its music: clean looping, a sensible length and a complete band.
#include <cmath>
#include <cstdio>

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
  if (seconds < 60.0 || seconds > 120.0) {
    char msg[64];
    std::snprintf(msg, sizeof msg, "lasts %.1f s, not 60 to 120", seconds);
    return name + msg;
  }
  return {};
}
