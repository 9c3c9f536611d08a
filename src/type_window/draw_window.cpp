// Drawing of prompt windows: the open/close outline and the full window with
// frame, interior, connector line, word, time bar and letter row.
#include <algorithm>
#include <cmath>

#include "enemy/enemy.h"
#include "media/field_size.h"
#include "media/picture_list.h"
#include "media/text_canvas.h"
#include "type_window/type_window.h"
#include "type_window/window_units.h"
#include "world/game.h"
#include "world/window_view.h"

namespace {

constexpr double kPi = 3.1415926535897932385;
constexpr TRgb kPenGreen{0, 128, 0};
constexpr TRgb kWhite{255, 255, 255};
constexpr TRgb kTypedGrey{120, 120, 120};
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

// Halves the colour of every pixel in r: typed letters kept in sight.
void DimRect(Surface& screen, const TRect& r) {
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, screen.Height); ++y)
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, screen.Width); ++x) {
      uint16_t& p = screen.At(x, y);
      p = static_cast<uint16_t>((p >> 1) & 0x7BEF);
    }
}

void DrawLetters(Game& g, const TTypeWindow& w) {
  const TTypingEngine& t = g.Typing;
  const bool normal = w.Mode == "normal", hidden = w.Mode == "hidden", random = w.Mode == "random";
  if (!normal && !hidden && !random) return;
  const int length = static_cast<int>(w.CurrentRomaji.size());
  const int x0 = LetterRowLeft(g, w);
  const int y = LetterRowTop(g, w);
  const int step = LetterStep(t, length);
  const bool keep = WindowViewOf(g).Typed == TTypedLetters::Keep;
  if (keep) {
    // What was typed is the player's own: shown even where the guide is hidden.
    for (int k = 1; k < w.Position && k <= length; ++k) {
      const int x = x0 + (k - 1) * step;
      DrawPattern(g.List.FindPicture(std::string(1, w.CurrentRomaji[k - 1])), g.Screen, x, y, 0);
      DimRect(g.Screen, MakeRect(x, y, x + t.LetterWidth, y + t.LetterHeight));
    }
  }
  if (!RomajiShown(g, w)) return;
  for (int k = std::max(w.Position, 1); k <= length; ++k) {
    const std::string name = hidden ? LetterName(28) : std::string(1, w.CurrentRomaji[k - 1]);
    DrawPattern(g.List.FindPicture(name), g.Screen, x0 + (k - 1) * step, y, 0);
  }
}

// The reading in kana, centred under the word; the units typed whole dimmed.
void DrawReading(Game& g, TextCanvas& c, const TTypeWindow& w) {
  if (!w.ShowsReading || w.Locked) return;
  const TTypingEngine& t = g.Typing;
  const int y = w.InnerTop() + t.RowGap + 12 + (t.RowGap + w.ReadingSpace - 12) / 2;
  const int x = w.CenterX - static_cast<int>(w.Reading.size()) * 3;
  size_t typedBytes = 0;
  const int units = UnitsTyped(w);
  for (int k = 0; k < units; ++k) typedBytes += w.Word.Units[static_cast<size_t>(k)].Kana.size();
  typedBytes = std::min(typedBytes, w.Reading.size());
  if (typedBytes > 0) {
    c.FontColor = kTypedGrey;
    c.TextOut(x, y, w.Reading.substr(0, typedBytes));
  }
  c.FontColor = kWhite;
  if (typedBytes < w.Reading.size())
    c.TextOut(x + static_cast<int>(typedBytes) * 6, y, w.Reading.substr(typedBytes));
}

}  // namespace

TRect TextShadeRect(const Game& g, const TTypeWindow& w) {
  const TTypingEngine& t = g.Typing;
  const int top = w.InnerTop() + std::max(t.RowGap - 3, 0);
  const int bottom = std::min(
      w.InnerTop() + 2 * t.RowGap + 12 + w.ReadingSpace + t.LetterHeight + 3, w.InnerBottom());
  return MakeRect(w.InnerLeft() + 2, top, w.InnerRight() - 2, bottom);
}

int LetterRowTop(const Game& g, const TTypeWindow& w) {
  const TTypingEngine& t = g.Typing;
  if (w.Mode == "random") return (w.InnerTop() + w.InnerBottom()) / 2 - 6;
  return w.InnerTop() + 2 * t.RowGap + 12 + w.ReadingSpace;
}

bool RomajiShown(const Game& g, const TTypeWindow& w) {
  // Random letters are all there is to read, and the hidden guide's stars
  // only tell the length: those always show.
  if (w.Mode != "normal") return true;
  switch (WindowViewOf(g).Romaji) {
    case TRomajiDisplay::Always:
      return true;
    case TRomajiDisplay::Hint:
      return w.HintShown;
    case TRomajiDisplay::Off:
      return false;
  }
  return true;
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
  DrawReading(g, c, w);
  DrawTimeBar(c, w);
  ReleaseCanvas(g.Screen);

  DrawLetters(g, w);
  if (w.Locked)
    DrawPattern(g.List.FindPicture("batu"), g.Screen, w.CenterX - 23, w.CenterY - 23, 0);
}
