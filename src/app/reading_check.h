// The data checker's look at the reading line: every word's reading can be
// drawn with the game's font at the line's size and fits the widest window.
#pragma once
#include <string>
#include <vector>

class IGlyphSource;

// Checks the readings of dat/dat1.lin .. dat8.lin under dataDir; each problem
// is a "file:line: message" in messages. False when there was one.
bool CheckReadingsDrawable(const std::string& dataDir, IGlyphSource& glyphs,
                           std::vector<std::string>& messages);
