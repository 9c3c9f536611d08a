// Fuzz target for the ranking and cleared-stages files: the input is written
// as both dat/score.rnk and dat/clear.clr of a scratch save folder and read
// back as the game does at start-up; saving and re-reading must round-trip,
// and a score or a clear merged into the damaged file keeps what it held.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "world/game.h"
#include "world/saved_results.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Game g;
  g.DataDir = fuzz::ScratchDir() + "/no-data";
  g.SaveFolder = fuzz::ScratchDir() + "/dat";  // as --save-dir DIR gives it
  fuzz::WriteScratchFile("dat/score.rnk", data, size);
  fuzz::WriteScratchFile("dat/clear.clr", data, size);
  g.Ranking.fill(-7);
  g.Cleared.fill(7);
  LoadRanking(g);
  LoadCleared(g);

  // The ranking shows what could be read: whole entries of 0 or more, best
  // first; clear.clr keeps the bytes it has.
  std::string bytes(reinterpret_cast<const char*>(data), size < 20 ? size : 20);
  std::vector<int32_t> scores = ReadableScores(bytes);
  for (size_t i = 0; i < 5; ++i)
    fuzz::Check(g.Ranking[i] == (i < scores.size() ? scores[i] : 0), "ranking as read");
  for (size_t i = 1; i < 5; ++i) fuzz::Check(g.Ranking[i] <= g.Ranking[i - 1], "best first");
  for (size_t i = 0; i < 20; ++i)
    fuzz::Check(g.Cleared[i] == (i < size ? data[i] : 0), "cleared bytes kept as read");

  const auto ranking = g.Ranking;
  const auto cleared = g.Cleared;
  fuzz::Check(SaveRanking(g) && SaveCleared(g), "the scratch files can be written");
  g.Ranking.fill(-7);
  g.Cleared.fill(7);
  LoadRanking(g);
  LoadCleared(g);
  fuzz::Check(g.Ranking == ranking && g.Cleared == cleared, "save and load round-trip");
  fuzz::Check(fuzz::ReadWholeFile(fuzz::ScratchDir() + "/dat/score.rnk").size() == 20,
              "the saved ranking is 20 bytes");

  // Merges into the file as it was given: a score enters below the readable
  // ones at least as good, the rest move down; a clear sets its flag and
  // keeps every other byte.
  fuzz::WriteScratchFile("dat/score.rnk", data, size);
  fuzz::WriteScratchFile("dat/clear.clr", data, size);
  g.Score = size > 0 ? 1000 * data[0] : 0;
  // Empty places count as scores of 0.
  const std::array<int32_t, 5> table = RankingTableOf(bytes);
  std::vector<int32_t> expected(table.begin(), table.end());
  size_t place = 0;
  while (place < 5 && expected[place] >= g.Score) ++place;
  expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(place), g.Score);
  expected.resize(5);
  const int entered = InsertRanking(g);
  fuzz::Check(entered == (place < 5 ? static_cast<int>(place) + 1 : -1), "the score's place");
  const std::string rnk = fuzz::ReadWholeFile(fuzz::ScratchDir() + "/dat/score.rnk");
  if (entered > 0) {
    const std::vector<int32_t> merged = ReadableScores(rnk);
    fuzz::Check(rnk.size() == 20, "the merged ranking is 20 bytes");
    for (size_t i = 0; i < 5; ++i)
      fuzz::Check((i < merged.size() ? merged[i] : 0) == expected[i], "merged as expected");
  } else {
    fuzz::Check(rnk == std::string(reinterpret_cast<const char*>(data), size),
                "a score that does not enter leaves the file as it is");
  }
  g.Scenes.ClearsToKeep = 0;
  fuzz::Check(KeepStageCleared(g, 3), "the clear is kept");
  const std::string clr = fuzz::ReadWholeFile(fuzz::ScratchDir() + "/dat/clear.clr");
  const bool hadFlag = size > 2 && data[2] == 1;
  fuzz::Check(clr.size() == (hadFlag ? size : 20), "written only to add the flag");
  for (size_t i = 0; i < 20 && i < clr.size(); ++i)
    fuzz::Check(static_cast<uint8_t>(clr[i]) == (i == 2     ? 1
                                                 : i < size ? data[i]
                                                            : 0),
                "the other bytes kept");
  return 0;
}
