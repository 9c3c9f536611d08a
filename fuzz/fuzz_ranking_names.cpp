// Fuzz target for ranking_names.txt, the names beside the ranking's scores:
// the input is the file's text. Every row kept must be one the game could
// have written, writing the rows out and reading them again must give the
// same rows, and matching them to a table must give each place at most one
// row of its own score.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "world/ranking_names.h"

namespace {

void Check(bool ok, const char* what) {
  fuzz::Check(ok, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<TNameRow> rows = ParseNameRows(text);
  size_t lines = 0;
  for (char c : text) lines += c == '\n';
  if (!text.empty() && text.back() != '\n') ++lines;
  Check(rows.size() <= lines, "each line gives at most one row");
  for (const TNameRow& r : rows) {
    Check(r.Score > 0, "a kept row has a score above 0");
    Check(IsValidPlayerName(r.Name), "a kept row has a name the entry could type");
    Check(r.Date.size() == 10, "a kept row has a whole date");
  }
  const std::string written = FormatNameRows(rows);
  Check(ParseNameRows(written) == rows, "written rows read back the same");
  Check(FormatNameRows(ParseNameRows(written)) == written, "writing is stable");

  // A table made of the first rows' scores (best first, as the files hold it).
  TRankingTable table{};
  for (size_t i = 0; i < rows.size() && i < table.size(); ++i) table[i] = rows[i].Score;
  std::sort(table.begin(), table.end(), std::greater<int32_t>());
  for (TDifficulty level : {TDifficulty::Easy, TDifficulty::Normal, TDifficulty::Hard}) {
    const TRankingNames names = MatchNames(rows, level, table);
    const std::vector<TNameRow> kept = RowsInTable(rows, level, table);
    size_t named = 0;
    for (size_t p = 0; p < table.size(); ++p) {
      if (names[p].Name.empty()) continue;
      ++named;
      Check(table[p] > 0, "an empty place has no name");
    }
    Check(named == kept.size(), "the rows a write keeps are the rows the places show");
    for (const TNameRow& r : kept) Check(r.Level == level, "a level keeps only its own rows");
    Check(RowsInTable(kept, level, table) == kept, "keeping is stable");
  }
  return 0;
}
