// Keeping prompt windows readable: clear of the score band at the top left,
// and nudged apart a few pixels a frame where they meet, each still beside
// its own enemy.
#include <algorithm>
#include <string>
#include <vector>

#include "media/field_size.h"
#include "type_window/type_window.h"
#include "world/game.h"

namespace {

constexpr int kNudgeStep = 4;    // pixels a frame
constexpr int kNudgeLimit = 80;  // how far from its place a window may be pushed

struct TBox {
  int L, T, R, B;
};

TBox BoxOf(const TTypeWindow& w, int dx = 0, int dy = 0) {
  return {w.Left() + dx, w.Top() + dy, w.Right() + dx, w.Bottom() + dy};
}

bool Meet(const TBox& a, const TBox& b) {
  return a.L < b.R && b.L < a.R && a.T < b.B && b.T < a.B;
}

int Sign(int v) {
  return v > 0 ? 1 : v < 0 ? -1 : 0;
}

// How far a window may be pushed: windows with a reading line are taller and
// need the room of that much more.
int NudgeLimit(const TTypeWindow& w) {
  return kNudgeLimit + 2 * w.ReadingSpace;
}

// Moves a nudge by delta within the limit; false when it could not move.
bool Push(int32_t& nudge, int delta, int limit) {
  const int32_t before = nudge;
  nudge = std::clamp(nudge + delta, -limit, limit);
  return nudge != before;
}

// Whether the window, moved by (dx, dy), would still be on the field.
bool Fits(const TTypeWindow& w, int dx, int dy) {
  const TBox b = BoxOf(w, dx, dy);
  return b.L >= 0 && b.T >= 0 && b.R <= kFieldWidth && b.B <= kFieldHeight;
}

// Pushes a window by step along one axis, the other axis when the field's edge
// is in the way.
void Nudge(TTypeWindow& w, bool alongX, int dir, int step) {
  if (alongX && !Fits(w, dir * step, 0)) alongX = false;
  if (alongX) {
    Push(w.NudgeX, dir * step, NudgeLimit(w));
  } else {
    const int dy = Fits(w, 0, dir * step) ? dir : -dir;
    Push(w.NudgeY, dy * step, NudgeLimit(w));
  }
}

bool MeetsAny(const TTypeWindow& w, const std::vector<TTypeWindow*>& open) {
  const TBox b = BoxOf(w);
  for (const TTypeWindow* o : open)
    if (o != &w && Meet(b, BoxOf(*o))) return true;
  return false;
}

// A window that has just been made opens at the nearest free place around its
// own, so that windows sent together do not open on top of one another.
void PlaceNewWindow(Game& g, TTypeWindow& w, const std::vector<TTypeWindow*>& open) {
  if (!MeetsAny(w, open)) return;
  for (int d = 10; d <= NudgeLimit(w); d += 10) {
    const int tries[8][2] = {{0, d}, {0, -d}, {d, 0}, {-d, 0}, {d, d}, {-d, d}, {d, -d}, {-d, -d}};
    for (const auto& t : tries) {
      w.NudgeX = t[0];
      w.NudgeY = t[1];
      FollowEnemy(g, w);
      if (!MeetsAny(w, open)) return;
    }
  }
  w.NudgeX = w.NudgeY = 0;
  FollowEnemy(g, w);
}

}  // namespace

TRect ScoreBand(const Game& g) {
  const int digits = static_cast<int>(std::to_string(std::max(g.Score, 0)).size());
  // The score's digits (12 pixels each from x 62), the rate row to y 29.
  return MakeRect(0, 0, std::max(62 + 12 * digits, 115) + 2, 30);
}

void KeepClearOfScore(const Game& g, TTypeWindow& w) {
  const TRect band = ScoreBand(g);
  if (w.Left() < band.Right && w.Top() < band.Bottom) w.CenterY = band.Bottom + (w.Height + 1) / 2;
}

void SpreadWindows(Game& g) {
  TTypingEngine& t = g.Typing;
  std::vector<TTypeWindow*> open;
  for (auto& p : t.WindowList) {
    if (!p || p->State == Closing) continue;
    FollowEnemy(g, *p);
    open.push_back(p.get());
  }
  for (TTypeWindow* w : open)
    if (w->State == Opening && w->AnimStep == 0) PlaceNewWindow(g, *w, open);
  std::vector<uint8_t> pushed(open.size(), 0);
  for (size_t i = 0; i < open.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      TTypeWindow& a = *open[j];
      TTypeWindow& b = *open[i];
      const TBox ba = BoxOf(a), bb = BoxOf(b);
      if (!Meet(ba, bb)) continue;
      const int ox = std::min(ba.R, bb.R) - std::max(ba.L, bb.L);
      const int oy = std::min(ba.B, bb.B) - std::max(ba.T, bb.T);
      const bool alongX = ox < oy;
      int dir = alongX ? Sign(b.CenterX - a.CenterX) : Sign(b.CenterY - a.CenterY);
      if (dir == 0) dir = 1;  // the later window gives way right or down
      const int speed = kNudgeStep + (a.ReadingSpace > 0 || b.ReadingSpace > 0 ? 2 : 0);
      const int step = std::min(speed, alongX ? ox : oy);
      // The target stays still while it is typed; the other one moves.
      if (&b != t.Target) Nudge(b, alongX, dir, step);
      if (&a != t.Target) Nudge(a, alongX, -dir, step);
      pushed[i] = pushed[j] = 1;
    }
  }
  // Windows that met nothing drift back toward their own place, one pixel a
  // frame, as long as that does not make them meet another.
  for (size_t i = 0; i < open.size(); ++i) {
    TTypeWindow& w = *open[i];
    if (pushed[i] || (w.NudgeX == 0 && w.NudgeY == 0)) continue;
    const int dx = -Sign(w.NudgeX), dy = -Sign(w.NudgeY);
    const TBox moved = BoxOf(w, dx, dy);
    bool clear = true;
    for (size_t j = 0; j < open.size() && clear; ++j)
      if (j != i && Meet(moved, BoxOf(*open[j]))) clear = false;
    if (clear) {
      w.NudgeX += dx;
      w.NudgeY += dy;
    }
  }
}
