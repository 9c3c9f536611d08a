// The typing engine over the shipped data: opening a prompt window on the
// longest reading of the word lists, matching a whole word typed letter by
// letter (in the guide's spelling and in a mix that switches at every unit),
// and the cut and word build of long readings full of units with many
// spellings.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/sjis.h"
#include "support/test_support.h"
#include "type_window/kana_table.h"
#include "type_window/romaji_word.h"
#include "type_window/type_window.h"

namespace {

// Readings of 10, 16 and 24 kana; as whole-word lists they would hold about a
// thousand, twenty thousand and a hundred and fifty thousand spellings.
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

// The units of a reading with every spelling they accept, and the guide.
void BM_RomajiWord(benchmark::State& state) {
  if (!Ready(state)) return;
  const auto units = CutReading(Tables().Table, ReadingOf(state));
  double count = 0;
  for (auto _ : state) {
    TRomajiWord word = MakeRomajiWord(Tables().Table, units);
    TRomajiPath guide = GuidePath(word, TGuideStyle{});
    count = SpellingCount(word);
    benchmark::DoNotOptimize(guide.data());
  }
  state.counters["spellings"] = count;
}
BENCHMARK(BM_RomajiWord)->DenseRange(0, 2);

// A started game whose level-1 list holds only the longest reading of the
// shipped lists, with one open window on it.
struct LongestWordGame {
  std::unique_ptr<TestGame> T;
  std::string Reading;  // UTF-8
  LongestWordGame() {
    T = MakeStartedGame(7);
    Game& g = T->G;
    std::string longest;
    for (int n = 1; n <= 8; ++n)
      for (const std::string& line : g.Typing.WordLists[n]) {
        const size_t colon = line.rfind(':');
        const std::string reading = line.substr(colon + 1, line.size() - colon - 2);
        if (reading.size() > longest.size()) longest = line;
      }
    Reading = SjisToUtf8(longest);
    g.Typing.WordLists[1] = {longest};
    g.Typing.WordCounts[1] = 1;
  }
};

// Opening a prompt window: the word drawn, cut, made into units and its guide.
void BM_OpenWindowOnLongestReading(benchmark::State& state) {
  LongestWordGame lw;
  Game& g = lw.T->G;
  for (auto _ : state) {
    TTypeWindow& w = NewTypeWindow(g, nullptr, 200, 200, 1, 0);
    benchmark::DoNotOptimize(w.CurrentRomaji.data());
    ClearWindows(g);
  }
  state.SetLabel(lw.Reading);
}
BENCHMARK(BM_OpenWindowOnLongestReading)->Unit(benchmark::kMicrosecond);

// Typing the longest word from its first letter to the hit, letter by letter
// through TypeLetter: arg 0 types the guide, arg 1 the briefest spelling
// (a switch at most units).
void BM_MatchWholeLongestWord(benchmark::State& state) {
  LongestWordGame lw;
  Game& g = lw.T->G;
  std::string letters;
  int64_t words = 0;
  for (auto _ : state) {
    state.PauseTiming();
    // A second between words, as in play: the key sounds of the last word
    // have ended, so their instances are reused instead of piling up.
    lw.T->Platform.Advance(1000);
    ClearWindows(g);
    g.Effects.EffectList.clear();
    g.Waves.PlayLog.clear();
    TTypeWindow& w = NewTypeWindow(g, nullptr, 200, 200, 1, 0);
    for (int i = 0; i < 7; ++i) StepWindows(g);
    letters = state.range(0) == 1 ? ShortestRest(w.Word, w.Path, 0) : w.CurrentRomaji;
    state.ResumeTiming();
    bool ok = true;
    for (char c : letters) ok = TypeLetter(g, LetterNumber(std::string(1, c))) && ok;
    if (!ok || w.State != Closing) state.SkipWithError("the word was not typed cleanly");
    ++words;
  }
  state.SetLabel(letters);
  state.SetItemsProcessed(words);
}
BENCHMARK(BM_MatchWholeLongestWord)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
