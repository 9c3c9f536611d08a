// The data checker's look at the files the game reads besides the word data
// and the scripts: letter bitmaps, backdrop tiles, music and ending texts.
#pragma once
#include <string>
#include <vector>

// Appends "file:line: message" lines (warnings say "warning:"); false when
// the game would refuse to start or a stage part would fail.
bool CheckGameFiles(const std::string& dataDir, std::vector<std::string>& messages);
