// ranking_names.txt: one row per named score, tab-separated, read and merged
// under the save lock with the rule of every saved-results file: a file that
// cannot be read is reported and left alone; a damaged one keeps the rows
// that could be read.
#include "world/ranking_names.h"

#include <cstdint>
#include <sstream>

#include "saves/save_file.h"
#include "saves/save_lock.h"
#include "world/difficulty.h"
#include "world/game.h"
#include "world/saved_results.h"

namespace {

// Fifteen rows make a whole file; anything much longer is not ours.
constexpr size_t kNamesFileLimit = 64 * 1024;
constexpr size_t kRankingFileBytes = 20;
constexpr TDifficulty kLevels[] = {TDifficulty::Easy, TDifficulty::Normal, TDifficulty::Hard};

std::string NamesPath(const Game& g) {
  return SavePath(g, kRankingNamesFile);
}

bool ParseScore(const std::string& text, int32_t& score) {
  if (text.empty() || text.size() > 10) return false;
  int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v <= 0 || v > INT32_MAX) return false;
  score = static_cast<int32_t>(v);
  return true;
}

bool ParseRow(std::string line, TNameRow& row) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const std::vector<std::string> f = TabFields(line);
  TLocalDate date;
  if (f.size() != 4 || !ParseDifficulty(f[0], row.Level) || !ParseScore(f[1], row.Score) ||
      !IsValidPlayerName(f[2]) || !ParseIsoDate(f[3], date))
    return false;
  row.Name = f[2];
  row.Date = f[3];
  return true;
}

// Reads the names file: false (reported) when it is there but unreadable.
bool ReadRows(Game& g, std::vector<TNameRow>& rows) {
  rows.clear();
  const std::string path = NamesPath(g);
  std::string bytes, why;
  switch (ReadSaveFile(path, kNamesFileLimit, bytes, why)) {
    case TSaveRead::Missing:
      return true;
    case TSaveRead::Unreadable:
      ReportUnreadableSave(g, path, why);
      return false;
    case TSaveRead::Read:
      rows = ParseNameRows(bytes);
      return true;
  }
  return true;
}

// A difficulty's ranking as its file holds it; unreadable is false.
bool ReadTable(Game& g, TDifficulty level, TRankingTable& table) {
  table.fill(0);
  std::string bytes, why;
  const std::string path = SavePath(g, RankingFileName(level));
  switch (ReadSaveFile(path, kRankingFileBytes, bytes, why)) {
    case TSaveRead::Missing:
      return true;
    case TSaveRead::Unreadable:
      return false;
    case TSaveRead::Read:
      table = RankingTableOf(bytes);
      return true;
  }
  return true;
}

}  // namespace

std::vector<TNameRow> ParseNameRows(const std::string& text) {
  std::vector<TNameRow> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    TNameRow row;
    if (ParseRow(line, row)) rows.push_back(row);
  }
  return rows;
}

std::string FormatNameRows(const std::vector<TNameRow>& rows) {
  std::string text = "# mirutena ranking names: difficulty, score, name, date (tab-separated)\n";
  for (const TNameRow& r : rows)
    text += std::string(DifficultyName(r.Level)) + "\t" + std::to_string(r.Score) + "\t" + r.Name +
            "\t" + r.Date + "\n";
  return text;
}

TRankingNames MatchNames(const std::vector<TNameRow>& rows, TDifficulty level,
                         const TRankingTable& table) {
  TRankingNames names;
  std::vector<bool> used(rows.size(), false);
  for (size_t place = 0; place < table.size(); ++place) {
    if (table[place] <= 0) continue;
    for (size_t r = 0; r < rows.size(); ++r) {
      if (used[r] || rows[r].Level != level || rows[r].Score != table[place]) continue;
      used[r] = true;
      names[place] = {rows[r].Name, rows[r].Date};
      break;
    }
  }
  return names;
}

std::vector<TNameRow> RowsInTable(const std::vector<TNameRow>& rows, TDifficulty level,
                                  const TRankingTable& table) {
  std::vector<TNameRow> kept;
  std::vector<bool> placed(table.size(), false);
  for (const TNameRow& row : rows) {
    if (row.Level != level) continue;
    for (size_t place = 0; place < table.size(); ++place)
      if (!placed[place] && table[place] == row.Score) {
        placed[place] = true;
        kept.push_back(row);
        break;
      }
  }
  return kept;
}

TRankingNames LoadRankingNames(Game& g) {
  std::vector<TNameRow> rows;
  ReadRows(g, rows);
  return MatchNames(rows, g.Difficulty.Level, g.Ranking);
}

void ReadRankingOf(Game& g, TDifficulty level, TRankingTable& table, TRankingNames& names) {
  std::vector<TNameRow> rows;
  ReadRows(g, rows);
  if (level == g.Difficulty.Level)
    table = g.Ranking;
  else
    ReadTable(g, level, table);
  names = MatchNames(rows, level, table);
}

bool KeepRankingName(Game& g, int32_t score, const std::string& name) {
  if (score <= 0 || !IsValidPlayerName(name)) return false;
  const std::string path = NamesPath(g);
  TSaveLock lock(FolderOfSaveFile(path));
  std::vector<TNameRow> rows;
  if (!ReadRows(g, rows)) return false;
  const TLocalTime now = g.LocalClock ? g.LocalClock() : TLocalTime{};
  rows.push_back({g.Difficulty.Level, score, name, FormatIsoDate(now.Date)});
  // Each difficulty keeps the rows its ranking file holds places for now; a
  // ranking that cannot be read keeps its rows as they are.
  std::vector<TNameRow> kept;
  for (TDifficulty level : kLevels) {
    TRankingTable table{};
    const bool readable = ReadTable(g, level, table);
    if (level == g.Difficulty.Level && !readable) table = g.Ranking;
    if (!readable && level != g.Difficulty.Level) {
      for (const TNameRow& r : rows)
        if (r.Level == level) kept.push_back(r);
      continue;
    }
    for (const TNameRow& r : RowsInTable(rows, level, table)) kept.push_back(r);
  }
  return WriteSave(g, path, FormatNameRows(kept), g.Scenes.NamesWriteReported);
}
