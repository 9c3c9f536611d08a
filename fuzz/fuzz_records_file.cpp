// Fuzz target for the records file: the input is a records.txt, loaded as the
// game does and appended to; each of its lines is also sealed with a good
// check and parsed alone, so the fields behind the check are reached.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "records/records_file.h"

namespace {

void Check(bool ok, const char* what) {
  fuzz::Check(ok, what);
}

bool SameWords(const std::vector<TWordMeasure>& a, const std::vector<TWordMeasure>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const TWordMeasure &x = a[i], &y = b[i];
    if (x.Units != y.Units || x.Romaji != y.Romaji || x.Reaction != y.Reaction ||
        x.Time != y.Time || x.Finished != y.Finished || x.Misses.size() != y.Misses.size())
      return false;
    for (size_t k = 0; k < x.Misses.size(); ++k)
      if (x.Misses[k].Unit != y.Misses[k].Unit || x.Misses[k].Expected != y.Misses[k].Expected ||
          x.Misses[k].Typed != y.Misses[k].Typed)
        return false;
  }
  return true;
}

bool SameEntry(const TRecordEntry& a, const TRecordEntry& b) {
  return a.Time == b.Time && a.Kind == b.Kind && a.Stage == b.Stage && a.Part == b.Part &&
         a.Difficulty == b.Difficulty && a.Attempt == b.Attempt && a.Cleared == b.Cleared &&
         a.Score == b.Score && a.Keys == b.Keys && a.Misses == b.Misses && a.Streak == b.Streak &&
         a.Frames == b.Frames && a.Words == b.Words && a.Hits == b.Hits && a.Missed == b.Missed &&
         a.Measure == b.Measure && a.TypeFrames == b.TypeFrames && SameWords(a.WordLog, b.WordLog);
}

// Parses a line from a buffer of exactly its size, so a read past either end
// is an ASan report (the file loader reads from a memory map, where it is not).
bool ParseExact(const std::string& line, TRecordEntry& e) {
  std::unique_ptr<char[]> copy(new char[line.size()]);
  std::memcpy(copy.get(), line.data(), line.size());
  return ParseRecordLine(copy.get(), copy.get() + line.size(), e);
}

// A parsed entry written again reads back as the same entry.
void CheckRewrite(const TRecordEntry& e) {
  std::string line = FormatRecordLine(e);
  Check(line.back() == '\n', "a formatted line ends in a line end");
  line.pop_back();
  Check(line.find('\n') == std::string::npos, "a formatted line is one line");
  TRecordEntry again;
  Check(ParseExact(line, again), "a parsed entry, written again, parses");
  // The difficulty field takes any word, the writer only a kind-like one.
  TRecordEntry expected = e;
  if (again.Difficulty.empty()) expected.Difficulty.clear();
  Check(SameEntry(expected, again), "a parsed entry, written again, reads the same");
}

TRecordEntry SampleEntry() {
  TRecordEntry e;
  e.Time = 1786000000;
  e.Stage = 3;
  e.Part = 2;
  e.Difficulty = "hard";
  e.Attempt = 4;
  e.Cleared = true;
  e.Score = 12345;
  e.Keys = 321;
  e.Misses = 7;
  e.Streak = 90;
  e.Frames = 2400;
  e.Words = 1;
  e.Hits[1] = 20;
  e.Missed[27] = 2;
  e.TypeFrames = 2000;
  TWordMeasure w;
  w.Units = {"か", "%.,/ ="};
  w.Romaji = "ka";
  w.Reaction = 12;
  w.Time = 30;
  w.Finished = true;
  w.Misses.push_back({1, 0, 3});
  e.WordLog.push_back(w);
  return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::WriteScratchFile("records.txt", data, size);

  // Each line alone, behind a check that fits it.
  for (size_t start = 0; start < bytes.size();) {
    size_t nl = bytes.find('\n', start);
    if (nl == std::string::npos) nl = bytes.size();
    std::string sealed = SealRecordLine(bytes.substr(start, nl - start));
    sealed.pop_back();
    TRecordEntry e;
    if (ParseExact(sealed, e)) {
      Check(e.Keys >= 0 && e.Misses >= 0 && e.Streak >= 0 && e.Frames >= 0 && e.Words >= 0,
            "counts are not negative");
      Check(e.Measure >= 1 && e.TypeFrames >= 0, "measure and typeable time in range");
      CheckRewrite(e);
    }
    start = nl + 1;
  }
  // The raw input as one line: its own check must hold.
  {
    TRecordEntry e;
    if (ParseExact(bytes, e)) CheckRewrite(e);
  }

  const TRecordsLoad load = LoadRecordsFile(path);
  Check(load.Skipped == 0 || !load.Warning.empty(), "skipped lines are reported");
  Check(load.Writable || !load.Warning.empty(), "a file left alone is reported");
  Check(load.Version != 0 || load.Entries.empty(), "no entries without a header");
  Check(load.Warning.empty() || load.Warning.rfind(path + ": ", 0) == 0,
        "the warning names the file");
  for (const TRecordEntry& e : load.Entries) CheckRewrite(e);

  // Appending: a file the loader would not write is left byte for byte; any
  // other keeps its entries and gains exactly the new one.
  const TRecordEntry sample = SampleEntry();
  std::string error;
  const bool appended = AppendRecordLine(path, sample, error);
  const std::string after = fuzz::ReadWholeFile(path);
  if (!load.Writable || load.Version > kRecordsVersion) {
    Check(!appended && !error.empty(), "a file not ours is refused with a message");
    Check(after == bytes, "a refused file is left as it was");
    return 0;
  }
  Check(appended, "a records file of ours takes a new entry");
  Check(error.empty(), "no message on success");
  const TRecordsLoad again = LoadRecordsFile(path);
  Check(again.Version == kRecordsVersion && again.Writable, "the file stays ours");
  Check(again.Entries.size() == load.Entries.size() + 1, "exactly one entry more");
  for (size_t i = 0; i < load.Entries.size(); ++i)
    Check(SameEntry(load.Entries[i], again.Entries[i]), "earlier entries are kept");
  Check(SameEntry(again.Entries.back(), sample), "the new entry reads back");
  return 0;
}
