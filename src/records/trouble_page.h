// The records screen's second page, 苦手な言葉: the slowest and the
// most-missed words and the weakest kana units over the last plays.
#pragma once
#include "records/word_trouble.h"

struct Game;

void DrawTroublePage(Game& g, const TTroubleReport& r);
