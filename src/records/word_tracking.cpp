// Following each shown word from its window's opening to its end.
#include "records/word_tracking.h"

#include <algorithm>
#include <cctype>

#include "base/sjis.h"
#include "type_window/window_units.h"
#include "world/game.h"

namespace {

TWordTracking& Tracking(Game& g) {
  return g.Records.Words;
}

std::string LowerRomaji(const std::string& s) {
  std::string out;
  for (char c : s) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

TWordTrack& StartTrack(Game& g, const TTypeWindow& w) {
  TWordTracking& t = Tracking(g);
  TWordTrack track;
  track.Window = &w;
  track.OpenedAt = t.Clock;
  for (const TRomajiUnit& u : w.Word.Units) track.M.Units.push_back(SjisToUtf8(u.Kana));
  track.M.Romaji = LowerRomaji(w.CurrentRomaji);
  track.M.Text = SjisToUtf8(w.DisplayText);
  t.Tracks.push_back(std::move(track));
  return t.Tracks.back();
}

TWordTrack* FindTrack(Game& g, const TTypeWindow* w) {
  for (TWordTrack& t : Tracking(g).Tracks)
    if (t.Window == w) return &t;
  return nullptr;
}

TWordTrack& TrackOf(Game& g, const TTypeWindow& w) {
  TWordTrack* t = FindTrack(g, &w);
  return t ? *t : StartTrack(g, w);
}

// Closes a word's figures; a word that was being typed sets the start of
// the next word's reaction.
void EndTrack(TWordTracking& t, TWordTrack& track, bool finished, TMeasures& into) {
  track.M.Finished = finished;
  if (track.FirstHit >= 0) {
    track.M.Time = track.LastHit - track.FirstHit + 1;
    t.LastWordEnd = std::max(t.LastWordEnd, finished ? track.LastHit : t.Clock);
  }
  into.WordLog.push_back(std::move(track.M));
}

bool Open(const TTypeWindow& w) {
  return w.State == Active;
}

}  // namespace

bool StepWordTracks(Game& g, TMeasures& into) {
  TWordTracking& t = Tracking(g);
  t.Clock += 1;
  const auto& windows = g.Typing.WindowList;
  // A window that went, or began closing, ends its word unfinished. A freed
  // window's place taken by a new one is seen opening, never open at once.
  std::vector<TWordTrack> kept;
  for (TWordTrack& track : t.Tracks) {
    auto it = std::find_if(windows.begin(), windows.end(),
                           [&](const auto& w) { return w.get() == track.Window; });
    if (it != windows.end() && Open(**it))
      kept.push_back(std::move(track));
    else
      EndTrack(t, track, false, into);
  }
  t.Tracks = std::move(kept);
  bool typeable = false;
  for (const auto& w : windows) {
    if (!w || !Open(*w)) continue;
    if (!w->Locked) typeable = true;
    if (!FindTrack(g, w.get())) StartTrack(g, *w);
  }
  return typeable;
}

void WordHit(Game& g, bool wordDone, TMeasures& into) {
  const TTypeWindow* w = g.Typing.Target;
  if (!w) return;
  TWordTracking& t = Tracking(g);
  TWordTrack& track = TrackOf(g, *w);
  if (track.FirstHit < 0) {
    track.FirstHit = t.Clock;
    track.M.Reaction = t.Clock - std::max(track.OpenedAt, t.LastWordEnd);
    if (track.M.Reaction < 0) track.M.Reaction = 0;
  }
  track.LastHit = t.Clock;
  track.M.Romaji = LowerRomaji(w->CurrentRomaji);
  if (!wordDone) return;
  EndTrack(t, track, true, into);
  t.Tracks.erase(t.Tracks.begin() + (&track - t.Tracks.data()));
}

void WordMiss(Game& g, int expected, int typed) {
  const TTypeWindow* w = g.Typing.Target;
  if (!w) return;
  TWordMiss m;
  m.Unit = std::max(WindowUnitAtPosition(*w), 0);
  m.Expected = static_cast<uint8_t>(expected >= 1 && expected <= 27 ? expected : 0);
  m.Typed = static_cast<uint8_t>(typed >= 1 && typed <= 27 ? typed : 0);
  TrackOf(g, *w).M.Misses.push_back(m);
}

void FlushWordTracks(Game& g, TMeasures& into) {
  TWordTracking& t = Tracking(g);
  for (TWordTrack& track : t.Tracks) EndTrack(t, track, false, into);
  t.Tracks.clear();
}

void ResetWordTracks(Game& g) {
  TWordTracking& t = Tracking(g);
  t.Tracks.clear();
  t.LastWordEnd = -1;
}
