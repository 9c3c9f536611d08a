// The stage tables: how many parts each stage has, the pieces its parts and
// its roll play, and its note on the stage-select screen; and the look (the
// stages' own backdrops and music, or the classic ones) that a run plays in.
#pragma once
#include <string>

#include "settings/settings.h"

struct Game;

int PartsPerStage(int stage);
// The piece of bgm/ of a stage's part (column 1..3) or its roll (column 4);
// nullptr outside the table. In the stages look a stage's parts play its own
// piece; the roll keeps its piece in both looks.
const char* MusicName(int stage, int column, TStageLook look);
// The description of a stage on the stage-select screen (CP932, "<-" between
// lines); empty outside 1..10.
const std::string& StageNote(int stage);
// The look of this run: --stage-look when given, else the player's setting.
TStageLook StageLookOf(const Game& g);
