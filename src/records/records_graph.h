// Pictures of progress drawn in the game: the graph of keys per second and
// accuracy over the last parts, and the keyboard coloured by miss rate.
#pragma once
#include <cstdint>
#include <vector>

#include "media/surface.h"
#include "media/text_canvas.h"
#include "records/measures.h"

class TUi;

inline constexpr TRgb kGraphAxis{170, 170, 190};
inline constexpr TRgb kGraphGrid{70, 70, 90};
inline constexpr TRgb kGraphKps{90, 220, 255};
inline constexpr TRgb kGraphAccuracy{255, 170, 60};
// Accuracy below this share sits on the bottom of its axis.
inline constexpr double kGraphAccuracyFloor = 0.5;

struct TGraphPoint {
  double Kps = 0;
  double Accuracy = 1;  // 0..1; below 0 when nothing was typed (no point drawn)
};

// Where the graph put things: the plot rectangle (axes on its left, right
// and bottom edges) and the top of the keys-per-second scale.
struct TGraphLayout {
  TRect Plot{};
  int KpsMax = 1;
};
int GraphX(const TGraphLayout& l, size_t index, size_t count);
int GraphKpsY(const TGraphLayout& l, double kps);
int GraphAccuracyY(const TGraphLayout& l, double accuracy);

// Draws the graph into area: the scales, grid lines, the two series (oldest
// point on the left) and their labels (glyphs may be null: no text; with a
// kit given, the labels are drawn and recorded through it).
TGraphLayout DrawProgressGraph(Surface& s, IGlyphSource* glyphs, TRect area,
                               const std::vector<TGraphPoint>& points, TUi* ui = nullptr);

// One letter key of the keyboard picture.
struct TKeyCell {
  int Letter = 0;  // 1..27
  TRect Rect{};
};
inline constexpr int kKeySize = 19, kKeyPitch = 21;
// The keys in three staggered rows (QWERTY), top-left at (x, y), and '-' on
// the number row above, right of where 0 is.
std::vector<TKeyCell> KeyboardLayout(int x, int y);
// Grey for a key never expected; else green (no misses) through yellow to
// red at a miss rate of 20 % or more.
TRgb HeatColour(uint32_t hits, uint32_t missed);
void DrawKeyboardHeatMap(Surface& s, IGlyphSource* glyphs, int x, int y, const TLetterCounts& hits,
                         const TLetterCounts& missed, TUi* ui = nullptr);
