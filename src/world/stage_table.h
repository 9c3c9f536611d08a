// The stage tables: how many parts each stage has, the pieces its parts and
// its roll play, and its note on the stage-select screen.
#pragma once
#include <string>

int PartsPerStage(int stage);
// The piece of bgm/ of a stage's part (column 1..3) or its roll (column 4);
// nullptr outside the table.
const char* MusicName(int stage, int column);
// The description of a stage on the stage-select screen (CP932, "<-" between
// lines); empty outside 1..10.
const std::string& StageNote(int stage);
