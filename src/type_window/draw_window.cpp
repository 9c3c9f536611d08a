// Drawing of prompt windows: the open/close outline and the full window with
// frame, interior, connector line, word, time bar and letter row.
#include <algorithm>
#include <cmath>

#include "enemy/enemy.h"
#include "media/field_size.h"
#include "media/picture_list.h"
#include "media/text_canvas.h"
#include "type_window/type_window.h"
#include "world/game.h"

namespace {

constexpr double kPi = 3.1415926535897932385;
constexpr TRgb kPenGreen{0, 128, 0};
constexpr TRgb kWhite{255, 255, 255};
constexpr int kTextShade = 150;  // opacity of the black under the target's text

// The pen, brush and font the windows draw with; other users of the screen
// canvas may have changed them since the last window was drawn.
TextCanvas& WindowCanvas(Game& g) {
  TextCanvas& c = SurfaceCanvas(g.Screen, g.Glyphs);
  c.FontColor = kWhite;
  c.FontHeight = 12;
  c.FixedPitch = true;
  c.BrushColor = TRgb{0, 0, 0};
  c.BrushStyle = TBrushStyle::Clear;
  c.PenColor = kPenGreen;
  return c;
}

void DrawFrame(Game& g, const TTypeWindow& w, const TPictureItem& frame) {
  const int left = w.Left(), top = w.Top();
  const int innerRight = w.InnerRight(), innerBottom = w.InnerBottom();
  DrawPattern(frame, g.Screen, left, top, 2);
  DrawPattern(frame, g.Screen, innerRight, top, 3);
  DrawPattern(frame, g.Screen, innerRight, innerBottom, 4);
  DrawPattern(frame, g.Screen, left, innerBottom, 5);
  // The edges: runs of 5-pixel pieces between the corners.
  const int across = (w.Width - 10) / 5, down = (w.Height - 10) / 5;
  DrawPatternRun(frame, g.Screen, left + 5, top, 0, across, 5, 0);
  DrawPatternRun(frame, g.Screen, left + 5, innerBottom, 0, across, 5, 0);
  DrawPatternRun(frame, g.Screen, left, top + 5, 1, down, 0, 5);
  DrawPatternRun(frame, g.Screen, innerRight, top + 5, 1, down, 0, 5);
}

void DrawInterior(Game& g, TTypeWindow& w, bool isTarget) {
  TTypingEngine& t = g.Typing;
  const TRect inner = MakeRect(w.InnerLeft(), w.InnerTop(), w.InnerRight(), w.InnerBottom());
  if (g.AlphaOn && isTarget) {
    const int sx = static_cast<int>(w.DriftX), sy = static_cast<int>(w.DriftY);
    BlitStockRect(g, inner, MakeRect(sx, sy, sx + w.Width - 10, sy + w.Height - 10), 1, 130);
    // A dark band under the word and the letters keeps them readable on
    // bright tiles; the tile still shows above and below it.
    BlitStock(g, TextShadeRect(g, w), 0, kTextShade);
    w.DriftX += t.DriftSpeedX;
    w.DriftY += t.DriftSpeedY;
    if (w.DriftX > 430 - t.TileWidth || w.DriftY > 400 - t.TileHeight) w.DriftX = w.DriftY = 0;
  } else {
    BlitStock(g, inner, 0, g.AlphaOn ? 130 : 255);
  }
}

void DrawConnector(TextCanvas& c, const TTypeWindow& w) {
  if (!w.Enemy) return;
  const TEnemy& e = *w.Enemy;
  const int eL = EnemyLeft(e), eT = EnemyTop(e);
  const int ex = EnemyCenterX(e), ey = EnemyCenterY(e);
  int sx, sy;
  if (w.Right() <= eL) {
    sx = w.Right();
    sy = w.Top() + w.AnchorY;
  } else if (eL + e.Width <= w.Left()) {
    sx = w.Left();
    sy = w.Top() + w.AnchorY;
  } else if (eT + e.Height <= w.Top()) {
    sx = w.Left() + w.AnchorX;
    sy = w.Top();
  } else {
    sx = w.Left() + w.AnchorX;
    sy = w.Bottom();
  }
  const double t = AngleTo(ex, ey, w.CenterX, w.CenterY) * kPi / 180.0;
  c.MoveTo(sx, sy);
  c.LineTo(static_cast<int>(ex + 10 * std::cos(t)), static_cast<int>(ey - 10 * std::sin(t)));
}

void DrawTimeBar(TextCanvas& c, const TTypeWindow& w) {
  if (w.TimeLeft <= 0 || w.TimeLimit <= 0) return;
  const int64_t span = w.InnerRight() - w.InnerLeft() - 8;
  const int bar = static_cast<int>(span * w.TimeLeft / w.TimeLimit);
  c.PenColor = kWhite;
  for (int j = 1; j <= 2; ++j) {
    c.MoveTo(w.InnerLeft() + 4, w.InnerBottom() - 3 - j);
    c.LineTo(w.InnerLeft() + 4 + bar, w.InnerBottom() - 3 - j);
  }
  c.PenColor = kPenGreen;
}

void DrawLetters(Game& g, const TTypeWindow& w) {
  const TTypingEngine& t = g.Typing;
  const bool normal = w.Mode == "normal", hidden = w.Mode == "hidden", random = w.Mode == "random";
  if (!normal && !hidden && !random) return;
  const int length = static_cast<int>(w.CurrentRomaji.size());
  const int x0 = LetterRowLeft(g, w);
  const int y =
      random ? (w.InnerTop() + w.InnerBottom()) / 2 - 6 : w.InnerTop() + 2 * t.RowGap + 12;
  for (int k = std::max(w.Position, 1); k <= length; ++k) {
    const std::string name = hidden ? LetterName(28) : std::string(1, w.CurrentRomaji[k - 1]);
    DrawPattern(g.List.FindPicture(name), g.Screen, x0 + (k - 1) * LetterStep(t, length), y, 0);
  }
}

}  // namespace

TRect TextShadeRect(const Game& g, const TTypeWindow& w) {
  const TTypingEngine& t = g.Typing;
  const int top = w.InnerTop() + std::max(t.RowGap - 3, 0);
  const int bottom =
      std::min(w.InnerTop() + 2 * t.RowGap + 12 + t.LetterHeight + 3, w.InnerBottom());
  return MakeRect(w.InnerLeft() + 2, top, w.InnerRight() - 2, bottom);
}

int LetterStep(const TTypingEngine& t, int length) {
  // Letters stand a pixel apart; a romaji too long for the field at that
  // pitch closes the gaps, as far as touching letters.
  const int step = t.LetterWidth + 1;
  if (length <= 0 || length * step + 40 <= kFieldWidth) return step;
  return std::max(t.LetterWidth, (kFieldWidth - 40) / length);
}

int LetterRowLeft(const Game& g, const TTypeWindow& w) {
  const int length = static_cast<int>(w.CurrentRomaji.size());
  return w.InnerLeft() + (w.Width - 10 - length * LetterStep(g.Typing, length)) / 2;
}

void DrawWindowOutline(Game& g, const TTypeWindow& w) {
  TextCanvas& c = WindowCanvas(g);
  const int a = w.AnimStep * w.Width / 14, b = w.AnimStep * w.Height / 14;
  c.Rectangle(w.CenterX - a, w.CenterY - b, w.CenterX + a, w.CenterY + b);
  ReleaseCanvas(g.Screen);
}

void DrawTypeWindow(Game& g, TTypeWindow& w) {
  TTypingEngine& t = g.Typing;
  const bool isTarget = t.Target == &w;
  const std::string frameName = (!g.AlphaOn && isTarget) ? "blue_window" : t.FramePicture;
  DrawFrame(g, w, g.List.FindPicture(frameName));
  DrawInterior(g, w, isTarget);

  TextCanvas& c = WindowCanvas(g);
  DrawConnector(c, w);
  if (w.Mode == "normal" || w.Mode == "hidden") {
    const int shift = static_cast<int>(static_cast<double>(w.DisplayText.size()) * 12 / 4.5);
    c.TextOut(w.CenterX - shift, w.InnerTop() + t.RowGap, w.DisplayText);
  }
  DrawTimeBar(c, w);
  ReleaseCanvas(g.Screen);

  DrawLetters(g, w);
  if (w.Locked)
    DrawPattern(g.List.FindPicture("batu"), g.Screen, w.CenterX - 23, w.CenterY - 23, 0);
}
