// The results of a part or a stage as the player sees them: a panel of
// figures for the closed curtain and the continue screen, and the lines that
// the result roll of a cleared stage shows before the ending text.
#pragma once
#include <string>
#include <vector>

#include "media/surface.h"
#include "records/records.h"

struct Game;

// Text (CP932) in the 12-pixel font with a one-pixel dark shadow.
void RecordsText(Game& g, int x, int y, const std::string& sjis, TRgb colour);

// Keys per second of typeable time with two decimals ("4.52"), accuracy with
// one ("97.3"), time in play as minutes and seconds ("2分05秒", CP932).
std::string KpsText(const TMeasures& m);
std::string AccuracyText(const TMeasures& m);
std::string PlayTimeText(int64_t frames);

// The roll's result lines (CP932), each at most kRollLineBytes half-width
// characters so that it fits right of x = 300.
inline constexpr size_t kRollLineBytes = 21;
std::vector<std::string> ResultRollLines(const TResultView& v);

// A panel of the figures with its top-left corner at (x, y), 400 x 76
// pixels: a title row and three rows of two figures, labels in the 12-pixel
// font and numbers in the score digits, "best" where a figure is a new best.
void DrawResultPanel(Game& g, const TResultView& v, int x, int y);
inline constexpr int kResultPanelWidth = 400, kResultPanelHeight = 76;
