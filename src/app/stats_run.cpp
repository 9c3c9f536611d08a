// --stats: the player's records as JSON lines, one finished part a line, and
// a closing summary line.
#include <cstdio>
#include <string>

#include "app/run_modes.h"
#include "app/save_folder.h"
#include "records/records_file.h"
#include "records/records_stats.h"
#include "records/results_draw.h"

namespace {

std::string Counts(const TLetterCounts& c) {
  std::string out = "{";
  for (int i = 1; i < kRecordLetters; ++i) {
    if (c[i] == 0) continue;
    if (out.size() > 1) out += ',';
    out += '"';
    out += RecordLetterChar(i);
    out += "\":" + std::to_string(c[i]);
  }
  return out + "}";
}

std::string When(int64_t t) {
  TRecordEntry e;
  e.Time = t;
  std::string line = FormatRecordLine(e);
  // The file's date field: YYYYMMDDTHHMMSSZ.
  return line.substr(0, 4) + "-" + line.substr(4, 2) + "-" + line.substr(6, 2) + "T" +
         line.substr(9, 2) + ":" + line.substr(11, 2) + ":" + line.substr(13, 2) + "Z";
}

std::string EntryJson(const TRecordEntry& e) {
  std::string s =
      "{\"time\":\"" + When(e.Time) + "\",\"kind\":\"" + e.Kind +
      "\",\"stage\":" + std::to_string(e.Stage) + ",\"part\":" + std::to_string(e.Part) +
      ",\"difficulty\":\"" + e.Difficulty + "\",\"attempt\":" + std::to_string(e.Attempt) +
      ",\"cleared\":" + (e.Cleared ? "true" : "false") + ",\"score\":" + std::to_string(e.Score) +
      ",\"keys\":" + std::to_string(e.Keys) + ",\"misses\":" + std::to_string(e.Misses) +
      ",\"streak\":" + std::to_string(e.Streak) + ",\"frames\":" + std::to_string(e.Frames) +
      ",\"seconds\":" + FixedText(static_cast<double>(e.Frames) / 20.0, 2) +
      ",\"kps\":" + FixedText(KeysPerSecond(e.Keys, e.Frames), 3) +
      ",\"accuracy\":" + FixedText(Accuracy(e.Keys, e.Misses), 4) +
      ",\"words\":" + std::to_string(e.Words) + ",\"hits\":" + Counts(e.Hits) +
      ",\"missed\":" + Counts(e.Missed) +
      ",\"weak_keys\":" + LettersJson(WeakestKeys(e.Hits, e.Missed, 3)) + "}";
  return s;
}

}  // namespace

int RunStats(const AppOptions& o) {
  std::string error, folder;
  if (!o.SaveDir.empty()) {
    folder = o.SaveDir + "/dat";
  } else {
    folder = XdgFolder(TXdgKind::Data, ProcessEnvironment(), error);
    if (folder.empty()) {
      std::fprintf(stderr, "mirutena: %s\n", error.c_str());
      return 1;
    }
    folder += "/mirutena";
  }
  std::string path = folder + "/records.txt";
  TRecordsLoad load = LoadRecordsFile(path);
  if (!load.Warning.empty()) std::fprintf(stderr, "mirutena: %s\n", load.Warning.c_str());
  int64_t streak = 0;
  TLetterCounts hits{}, missed{};
  for (const TRecordEntry& e : load.Entries) {
    std::printf("%s\n", EntryJson(e).c_str());
    streak = std::max(streak, e.Streak);
    for (int i = 1; i < kRecordLetters; ++i) {
      hits[i] += e.Hits[i];
      missed[i] += e.Missed[i];
    }
  }
  TTotals t = RecordTotals(load.Entries);
  std::printf(
      "{\"summary\":true,\"parts\":%lld,\"skipped\":%d,\"frames\":%lld,\"keys\":%lld,"
      "\"misses\":%lld,\"words\":%lld,\"kps\":%s,\"accuracy\":%s,\"streak\":%lld,\"weak_keys\":%s}"
      "\n",
      static_cast<long long>(t.Parts), load.Skipped, static_cast<long long>(t.Frames),
      static_cast<long long>(t.Keys), static_cast<long long>(t.Misses),
      static_cast<long long>(t.Words), FixedText(KeysPerSecond(t.Keys, t.Frames), 3).c_str(),
      FixedText(Accuracy(t.Keys, t.Misses), 4).c_str(), static_cast<long long>(streak),
      LettersJson(WeakestKeys(hits, missed, 5)).c_str());
  return 0;
}
