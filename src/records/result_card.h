// A result card to keep: a picture of one result drawn with the game's own
// art (the result panel, the rank, the date and the graph of the last plays),
// saved as a PNG into the player's pictures folder with the C key on a stage
// result, a practice result and the records screen, or by --card PATH.
#pragma once
#include <string>

#include "media/surface.h"
#include "records/records.h"

struct Game;

inline constexpr int kCardWidth = 430, kCardHeight = 260;
// Where the result panel sits on the card (the card holds the panel's own
// pixels there).
inline constexpr int kCardPanelX = 15, kCardPanelY = 30;

// The result a card shows: a part or stage result as the panels show it,
// with its heading and the difficulty (or the practice list and goal).
struct TCardResult {
  bool Valid = false;
  TResultView View;
  std::string Heading;  // UTF-8, e.g. "ステージ3　ふつう" or "練習「レベル1」　60秒"
};

// The result the screen in front shows: the practice result on its panel,
// the stage result on the roll, else the last part or stage result of the
// run; Valid is false when there is none.
TCardResult CurrentCardResult(const Game& g);
// Draws the card of a result (the game's screen surface is left as it was).
Surface DrawResultCard(Game& g, const TCardResult& r);
// The file name of a card saved now: mirutena-YYYYMMDD-HHMM.png, or with
// -2, -3... when that name is taken in the folder.
std::string CardFileName(const Game& g, const std::string& folder);
// The C key: draws the card of the current result, writes it into
// g.PicturesFolder through g.WritePicture and says on screen where (or why
// not). False when nothing was written.
bool SaveResultCard(Game& g);
