// Loading a records file of many finished parts.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "records/records_file.h"
#include "records/records_screen.h"
#include "records/word_trouble.h"

namespace {

// A records file of n typical entries (about 20 letters with counts each;
// with words, 20 words of figures each, as parts record them now).
std::string MakeRecordsFile(int n, bool words = false) {
  namespace fs = std::filesystem;
  std::string pattern = (fs::temp_directory_path() / "mirutena_bench_records_XXXXXX").string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  std::string dir = mkdtemp(buf.data());
  std::string path = dir + "/records.txt";
  std::ofstream out(path, std::ios::binary);
  out << "mirutena-records " << kRecordsVersion << "\n";
  for (int i = 0; i < n; ++i) {
    TRecordEntry e;
    e.Time = 1796000000 + 180 * i;
    e.Stage = 1 + i % 9;
    e.Part = 1 + i % 3;
    e.Attempt = i / 3;
    e.Cleared = i % 5 != 0;
    e.Score = 100 * i;
    e.Keys = 400 + i % 300;
    e.Misses = i % 23;
    e.Streak = 30 + i % 90;
    e.Frames = 2500 + i % 1200;
    e.Words = 80 + i % 40;
    for (int l = 1; l <= 27; l += 1 + (l % 3 == 0)) e.Hits[l] = 5 + (i + l) % 60;
    for (int l = 1; l <= 27; l += 5) e.Missed[l] = (i + l) % 4;
    for (int k = 0; words && k < 20; ++k) {
      TWordMeasure w;
      w.Units = {"が", "っ", "こ", "う"};
      w.Units[0] = k % 2 ? "か" : "が";
      w.Text = "言葉" + std::to_string((i * 7 + k) % 500);
      w.Romaji = "gakkou";
      w.Reaction = 4 + k % 9;
      w.Time = 10 + (i + k) % 30;
      w.Finished = (i + k) % 11 != 0;
      if ((i + k) % 7 == 0) w.Misses.push_back({1, 11, 10});
      e.WordLog.push_back(w);
    }
    out << FormatRecordLine(e);
  }
  return path;
}

void BM_LoadRecords(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::string path = MakeRecordsFile(n);
  size_t bytes = std::filesystem::file_size(path);
  for (auto _ : state) {
    TRecordsLoad load = LoadRecordsFile(path);
    if (static_cast<int>(load.Entries.size()) != n) state.SkipWithError("entries lost");
    benchmark::DoNotOptimize(load.Entries.data());
  }
  state.counters["bytes_per_entry"] = static_cast<double>(bytes) / n;
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_LoadRecords)->Arg(100000)->Unit(benchmark::kMillisecond);

// Opening the records screen over 100,000 entries with words: everything it
// works out, and the trouble page's share of it alone (the screen before that
// page is the difference of the two).
void BM_RecordsScreenData(benchmark::State& state) {
  std::string path = MakeRecordsFile(static_cast<int>(state.range(0)), true);
  const TRecordsLoad load = LoadRecordsFile(path);
  for (auto _ : state) {
    TRecordsScreenData d = MakeRecordsScreenData(load.Entries);
    benchmark::DoNotOptimize(d.Points.data());
  }
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_RecordsScreenData)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TroublePage(benchmark::State& state) {
  std::string path = MakeRecordsFile(static_cast<int>(state.range(0)), true);
  const TRecordsLoad load = LoadRecordsFile(path);
  for (auto _ : state) {
    TTroubleReport r = FindTroubles(load.Entries);
    benchmark::DoNotOptimize(r.Slowest.data());
  }
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_TroublePage)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
