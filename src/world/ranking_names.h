// The names and dates beside the ranking files' scores. score.rnk and its
// siblings keep their format for whatever reads them; ranking_names.txt
// holds rows of difficulty, score, name and date, matched to each ranking by
// score (equal scores in the order their rows were written).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

struct Game;

inline constexpr const char* kRankingNamesFile = "ranking_names.txt";

struct TNameRow {
  TDifficulty Level = TDifficulty::Normal;
  int32_t Score = 0;
  std::string Name;  // A-Z, 0-9 and "-", 1 to 8 of them
  std::string Date;  // YYYY-MM-DD
  bool operator==(const TNameRow&) const = default;
};

// One place of a ranking: its name and date, both empty when none is kept.
struct TRankingName {
  std::string Name, Date;
};
using TRankingNames = std::array<TRankingName, 5>;
using TRankingTable = std::array<int32_t, 5>;

// The rows of the file's text; a line that is not a whole, valid row is
// skipped (its score then shows without a name).
std::vector<TNameRow> ParseNameRows(const std::string& text);
std::string FormatNameRows(const std::vector<TNameRow>& rows);
// The name of each place of a level's table, from that level's rows of equal
// score in their order. Empty places (score 0) have none.
TRankingNames MatchNames(const std::vector<TNameRow>& rows, TDifficulty level,
                         const TRankingTable& table);
// The rows of a level worth keeping: as many rows of each score as the table
// holds places of it, the first ones written.
std::vector<TNameRow> RowsInTable(const std::vector<TNameRow>& rows, TDifficulty level,
                                  const TRankingTable& table);

// The names of the current difficulty's table g.Ranking, read from the file
// (a missing file: none; an unreadable one is reported and left alone).
TRankingNames LoadRankingNames(Game& g);
// Another difficulty's table and names, as the files hold them now, for the
// ranking screen.
void ReadRankingOf(Game& g, TDifficulty level, TRankingTable& table, TRankingNames& names);
// Keeps the name of a score this game entered into the current difficulty's
// ranking, dated today by g.LocalClock: merged into the file as it is now
// under the save lock, rows whose score no longer holds a place dropped.
// False when the file could not be read or written (reported once).
bool KeepRankingName(Game& g, int32_t score, const std::string& name);
