// Fuzz target for the ranking and cleared-stages files: the input is written
// as both dat/score.rnk and dat/clear.clr of a scratch save folder and read
// back as the game does at start-up; saving and re-reading must round-trip.
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
  g.SaveDir = fuzz::ScratchDir();
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
  return 0;
}
