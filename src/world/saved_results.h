// The ranking and cleared-stages files as the game keeps them: read at the
// start, and each change merged into the file as it is now, under the save
// folder's lock, so a second game on the same folder never loses the other's.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Game;

// The scores a ranking file's bytes hold: its whole little-endian entries
// (the first five), negative ones dropped as damage, best first.
std::vector<int32_t> ReadableScores(const std::string& bytes);
// The same as the five places of a table (empty places 0).
std::array<int32_t, 5> RankingTableOf(const std::string& bytes);

// Reads the ranking of the current difficulty into g.Ranking: what could be
// read from a damaged file, nothing from a missing or unreadable one (that one
// is reported and never rewritten).
void LoadRanking(Game& g);
// Enters g.Score into the ranking as the file holds it now and writes it
// when it enters; the place (1..5) or -1. g.Ranking becomes the merged table.
int InsertRanking(Game& g);
// Writes g.Ranking as it is (tools and tests; play enters scores above).
bool SaveRanking(Game& g);

// Reads clear.clr into g.Cleared; a short file keeps the flags it holds.
void LoadCleared(Game& g);
// Marks the stage (1..10) cleared in clear.clr as the file holds it now,
// writing only when the flag is not set there yet. False when the file could
// not be read or written (reported once); the flag is kept in memory.
bool KeepStageCleared(Game& g, int stage);
// Writes g.Cleared as it is (tools and tests).
bool SaveCleared(Game& g);

// What every saved-results file does when it cannot be read: one message
// saying it is left as it is.
void ReportUnreadableSave(Game& g, const std::string& path, const std::string& why);
// Replaces a save file; a failure is reported once until a write succeeds.
bool WriteSave(Game& g, const std::string& path, const std::string& bytes, bool& reported);
