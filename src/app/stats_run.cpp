// --stats: the player's records as JSON lines, one finished part a line, and
// a closing summary line.
#include <cstdio>
#include <string>

#include "app/run_modes.h"
#include "app/save_folder.h"
#include "records/rank_ladder.h"
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

std::string Seconds(int64_t frames) {
  return FixedText(static_cast<double>(frames) / 20.0, 2);
}

std::string JsonText(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) continue;
    out += c;
  }
  return out + "\"";
}

// A word's figures: its kana, the spelling, reaction and word time in
// seconds (null when never typed), whether it was finished, and each miss
// with the kana it fell in.
std::string WordJson(const TWordMeasure& w) {
  std::string kana;
  for (const std::string& u : w.Units) kana += u;
  std::string misses = "[";
  for (size_t i = 0; i < w.Misses.size(); ++i) {
    const TWordMiss& m = w.Misses[i];
    const bool inWord = m.Unit >= 0 && static_cast<size_t>(m.Unit) < w.Units.size();
    if (i) misses += ',';
    misses +=
        "{\"kana\":" + JsonText(inWord ? w.Units[static_cast<size_t>(m.Unit)] : "") +
        ",\"expected\":" +
        (m.Expected ? JsonText(std::string(1, RecordLetterChar(m.Expected))) : "null") +
        ",\"typed\":" + (m.Typed ? JsonText(std::string(1, RecordLetterChar(m.Typed))) : "null") +
        "}";
  }
  misses += "]";
  return "{\"word\":" + JsonText(kana) + ",\"romaji\":" + JsonText(w.Romaji) +
         ",\"reaction\":" + (w.Reaction < 0 ? std::string("null") : Seconds(w.Reaction)) +
         ",\"time\":" + (w.Reaction < 0 ? std::string("null") : Seconds(w.Time)) +
         ",\"finished\":" + (w.Finished ? "true" : "false") + ",\"misses\":" + misses + "}";
}

std::string WordsJson(const std::vector<TWordMeasure>& words) {
  std::string out = "[";
  for (size_t i = 0; i < words.size(); ++i) {
    if (i) out += ',';
    out += WordJson(words[i]);
  }
  return out + "]";
}

std::string EntryJson(const TRecordEntry& e) {
  std::string s =
      "{\"time\":\"" + When(e.Time) + "\",\"kind\":\"" + e.Kind +
      "\",\"stage\":" + std::to_string(e.Stage) + ",\"part\":" + std::to_string(e.Part) +
      ",\"difficulty\":\"" + e.Difficulty + "\",\"attempt\":" + std::to_string(e.Attempt) +
      ",\"cleared\":" + (e.Cleared ? "true" : "false") + ",\"score\":" + std::to_string(e.Score) +
      ",\"keys\":" + std::to_string(e.Keys) + ",\"misses\":" + std::to_string(e.Misses) +
      ",\"streak\":" + std::to_string(e.Streak) + ",\"frames\":" + std::to_string(e.Frames) +
      ",\"seconds\":" + Seconds(e.Frames) + ",\"measure\":" + std::to_string(e.Measure) +
      ",\"typeable_frames\":" + std::to_string(e.TypeFrames) +
      ",\"kps\":" + FixedText(EntryKps(e), 3) +
      ",\"pace\":" + FixedText(KeysPerSecond(e.Keys, e.Frames), 3) +
      ",\"accuracy\":" + FixedText(Accuracy(e.Keys, e.Misses), 4) + ",\"rank\":\"" +
      RankRomaji(EntryRank(e)) + "\"" + ",\"words\":" + std::to_string(e.Words) +
      ",\"hits\":" + Counts(e.Hits) + ",\"missed\":" + Counts(e.Missed) +
      ",\"weak_keys\":" + LettersJson(WeakestKeys(e.Hits, e.Missed, 3)) + ",\"romaji_display\":\"" +
      e.RomajiDisplay + "\",\"reading_line\":\"" + (e.ReadingLine ? "on" : "off") + "\"" +
      ",\"word_log\":" + WordsJson(e.WordLog) + "}";
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
  // A file that is there but cannot be read, or is no records file, gives
  // nothing to show: a failure, not an empty record. (A newer version is
  // shown as far as it can be read.)
  if (!load.Writable && load.Version == 0) return 1;
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
      "\"misses\":%lld,\"words\":%lld,\"typeable_frames\":%lld,\"kps\":%s,\"pace\":%s,"
      "\"accuracy\":%s,\"rank\":\"%s\",\"streak\":%lld,\"weak_keys\":%s}\n",
      static_cast<long long>(t.Parts), load.Skipped, static_cast<long long>(t.Frames),
      static_cast<long long>(t.Keys), static_cast<long long>(t.Misses),
      static_cast<long long>(t.Words), static_cast<long long>(t.TypeFrames),
      FixedText(KeysPerSecond(t.TypedKeys, t.TypeFrames), 3).c_str(),
      FixedText(KeysPerSecond(t.Keys, t.Frames), 3).c_str(),
      FixedText(Accuracy(t.Keys, t.Misses), 4).c_str(),
      RankRomaji(RankOf(t.TypedKeys, t.Misses, t.TypeFrames)), static_cast<long long>(streak),
      LettersJson(WeakestKeys(hits, missed, 5)).c_str());
  return 0;
}
