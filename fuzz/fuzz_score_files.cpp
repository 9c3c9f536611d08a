// Fuzz target for the ranking and cleared-stages files: the input is written
// as both dat/score.rnk and dat/clear.clr of a scratch save folder and read
// back as the game does at start-up; saving and re-reading must round-trip.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_util.h"
#include "world/game.h"
#include "world/score.h"

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

  if (size < 20) {
    // A short file counts as absent.
    for (int32_t v : g.Ranking) fuzz::Check(v == 0, "short ranking reads as zeros");
    for (uint8_t v : g.Cleared) fuzz::Check(v == 0, "short cleared file reads as zeros");
  } else {
    for (int i = 0; i < 5; ++i) {
      int32_t v;
      std::memcpy(&v, data + 4 * i, 4);  // little-endian host
      fuzz::Check(g.Ranking[i] == v, "ranking entries are little-endian 32-bit");
    }
    fuzz::Check(std::memcmp(g.Cleared.data(), data, 20) == 0, "cleared bytes kept as read");
  }

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
