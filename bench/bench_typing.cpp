// Romaji candidate expansion over the shipped kana table: long readings full
// of units with many spellings (しゃ, しゅ, しょ, っ, ん), cut, counted and
// fully expanded, and the prompt window's constructor drawing shipped words.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/sjis.h"
#include "support/test_support.h"
#include "type_window/kana_table.h"
#include "type_window/type_window.h"

namespace {

// Readings of 10, 16 and 24 kana; their whole-word candidates number about
// a thousand, twenty thousand and a hundred and fifty thousand.
const char* const kReadings[] = {
    "しゃしんのしゅっぴん",
    "しゅっちょうさきでしゃしんをとる",
    "しょくどうでしゅうまいをたべてからしゃしんをとる",
};

struct TypingTables {
  TKanaTable Table;
  std::string Readings[3];
  std::string Error;
  bool Ok = false;
  TypingTables() {
    Ok = LoadKanaTable(Table, GameDataPath("dat/hiragana.txt"), Error);
    for (int i = 0; i < 3; ++i) Readings[i] = Sjis(kReadings[i]);
    // Building candidates rewrites the table's "ん" and "っ" entries for good
    // after their first use; one build puts the table in the state a running
    // game has, so every benchmark sees the same counts.
    if (Ok)
      for (const std::string& r : Readings) RomajiCandidates(Table, r);
  }
};

// Loaded once; reading the table is not what is measured.
TypingTables& Tables() {
  static TypingTables tables;
  return tables;
}

bool Ready(benchmark::State& state) {
  if (!Tables().Ok) state.SkipWithError(Tables().Error.c_str());
  return Tables().Ok;
}

const std::string& ReadingOf(const benchmark::State& state) {
  return Tables().Readings[state.range(0)];
}

void BM_CutReading(benchmark::State& state) {
  if (!Ready(state)) return;
  const std::string& reading = ReadingOf(state);
  for (auto _ : state) benchmark::DoNotOptimize(CutReading(Tables().Table, reading));
  state.SetLabel(std::to_string(reading.size() / 2) + " kana");
}
BENCHMARK(BM_CutReading)->DenseRange(0, 2);

// The count and the first spelling without building the list (what the data
// checker does for every word).
void BM_MeasureCandidates(benchmark::State& state) {
  if (!Ready(state)) return;
  const auto units = CutReading(Tables().Table, ReadingOf(state));
  double count = 0;
  for (auto _ : state) {
    TCandidateMeasure m = MeasureCandidates(Tables().Table, units);
    count = m.Count;
    benchmark::DoNotOptimize(m);
  }
  state.counters["candidates"] = count;
}
BENCHMARK(BM_MeasureCandidates)->DenseRange(0, 2);

// The whole list in the game's order, as a window builds it.
void BM_RomajiCandidates(benchmark::State& state) {
  if (!Ready(state)) return;
  const std::string& reading = ReadingOf(state);
  size_t count = 0;
  for (auto _ : state) {
    std::vector<std::string> list = RomajiCandidates(Tables().Table, reading);
    count = list.size();
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["candidates"] = static_cast<double>(count);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(count));
  state.SetLabel(std::to_string(reading.size() / 2) + " kana");
}
BENCHMARK(BM_RomajiCandidates)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A prompt window of the given level: a random word of the shipped list, its
// cut and its expansion, then the window is freed again.
void BM_NewTypeWindow(benchmark::State& state) {
  auto t = MakeStartedGame(7);
  Game& g = t->G;
  if (g.Typing.WordCounts[1] == 0) {
    state.SkipWithError("the word lists did not load");
    return;
  }
  const int level = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TTypeWindow& w = NewTypeWindow(g, nullptr, 200, 200, level, 0);
    benchmark::DoNotOptimize(w.Candidates.data());
    ClearWindows(g);
  }
}
BENCHMARK(BM_NewTypeWindow)->Arg(1)->Arg(4)->Arg(8);

}  // namespace
