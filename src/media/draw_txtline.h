// Multi-line text on the screen canvas: lines split at "<-", 60 bytes each,
// at most 15 lines, a line "end;" stops the output.
#pragma once
#include <string>

#include "media/surface.h"

void DrawTextLines(Surface& dest, const std::string& sjisText, int x, int y, int gap);
