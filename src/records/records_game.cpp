// The game's hooks into the records: counting while playing, keeping each
// finished part in the records file, and the results shown afterwards.
#include <algorithm>

#include "practice/review_schedule.h"
#include "records/records.h"
#include "records/records_stats.h"
#include "world/game.h"
#include "world/stage_table.h"
#include "world/window_view.h"

namespace {

bool FieldBusy(const Game& g) {
  for (const auto& e : g.Enemies.EnemyList)
    if (e) return true;
  for (const auto& w : g.Typing.WindowList)
    if (w) return true;
  return false;
}

double RateOf(const TMeasures& m) {
  return TypingKps(m);
}

TRecordEntry EntryOf(const Game& g, const TMeasures& m, bool cleared) {
  TRecordEntry e = MeasuresEntry("part", m);
  e.Stage = g.Stage;
  e.Part = g.Part;
  e.Difficulty = RecordsDifficulty(g);
  e.Attempt = g.Records.Attempt;
  e.Cleared = cleared;
  e.Score = g.Score;
  const TWindowView view = WindowViewOf(g);
  e.RomajiDisplay = RomajiDisplayName(view.Romaji);
  e.ReadingLine = view.Reading;
  return e;
}

// Sets the best flags of a view against earlier figures.
void MarkBests(TResultView& v, int32_t score, bool anyEarlier, double bestKps, double bestAcc,
               int64_t bestStreak, int32_t bestScore) {
  if (!anyEarlier) return;
  const TMeasures& m = v.M;
  if (m.Frames >= kMinFramesForBest) {
    v.BestKps = RateOf(m) > bestKps;
    v.BestAccuracy = m.Correct + m.Misses > 0 && Accuracy(m.Correct, m.Misses) > bestAcc;
  }
  v.BestStreak = m.LongestStreak > bestStreak;
  v.BestScore = score > bestScore;
}

TResultView PartView(const Game& g, const TMeasures& m) {
  TResultView v;
  v.Valid = true;
  v.Stage = g.Stage;
  v.Part = g.Part;
  v.M = m;
  v.Weak = WeakestKeys(m.Hits, m.Missed, 3);
  bool any = false;
  double kps = 0, acc = 0;
  int64_t streak = 0;
  int32_t score = 0;
  // A best is a best among plays of the same difficulty.
  const std::string difficulty = RecordsDifficulty(g);
  const std::string romaji = RomajiDisplayName(WindowViewOf(g).Romaji);
  for (const TRecordEntry& e : g.Records.Entries) {
    if (e.Kind != "part" || e.Stage != g.Stage || e.Part != g.Part) continue;
    // Nor are speeds measured another way, or typed with the romaji shown
    // another way, compared.
    if (e.Difficulty != difficulty || e.Measure != kMeasureVersion) continue;
    if (e.RomajiDisplay != romaji) continue;
    any = true;
    if (e.Frames >= kMinFramesForBest) {
      kps = std::max(kps, EntryKps(e));
      if (e.Keys + e.Misses > 0) acc = std::max(acc, Accuracy(e.Keys, e.Misses));
    }
    streak = std::max(streak, e.Streak);
    score = std::max(score, e.Score);
  }
  MarkBests(v, g.Score, any, kps, acc, streak, score);
  return v;
}

TResultView StageView(const Game& g) {
  TResultView v;
  v.Valid = true;
  v.WholeStage = true;
  v.Stage = g.Stage;
  v.M = g.Records.StageRun;
  v.Weak = WeakestKeys(v.M.Hits, v.M.Missed, 3);
  bool any = false;
  TStageBest best;
  for (const TAttemptSum& a : StageAttempts(g.Records.Entries, PartsPerStage)) {
    if (a.Stage != g.Stage || a.Attempt == g.Records.Attempt) continue;
    if (a.Difficulty != RecordsDifficulty(g) || a.Measure != kMeasureVersion) continue;
    if (a.RomajiDisplay != RomajiDisplayName(WindowViewOf(g).Romaji)) continue;
    any = true;
    std::array<TStageBest, 11> one = StageBests({a});
    best.Kps = std::max(best.Kps, one[a.Stage].Kps);
    best.Accuracy = std::max(best.Accuracy, one[a.Stage].Accuracy);
    best.Streak = std::max(best.Streak, one[a.Stage].Streak);
    best.Score = std::max(best.Score, one[a.Stage].Score);
  }
  MarkBests(v, g.Score, any, best.Kps, best.Accuracy, best.Streak, best.Score);
  return v;
}

}  // namespace

std::string PlayerRecordsPath(const Game& g) {
  return SavePath(g, "records.txt");
}

void LoadPlayerRecords(Game& g) {
  TRecords& r = g.Records;
  r.Path = PlayerRecordsPath(g);
  TRecordsLoad load = LoadRecordsFile(r.Path);
  r.Entries = std::move(load.Entries);
  r.Writable = load.Writable;
  r.Warning = load.Warning;
  if (!r.Warning.empty()) ReportError(g, r.Warning);
}

void RecordsStageStarted(Game& g) {
  TRecords& r = g.Records;
  int last = 0;
  for (const TRecordEntry& e : r.Entries) last = std::max(last, e.Attempt);
  r.Attempt = std::max(last, r.Attempt) + 1;
  r.StageRun = TMeasures{};
  r.Live = TMeasures{};
  r.PartResult = TResultView{};
  r.StageResult = TResultView{};
  ResetWordTracks(g);
}

void RecordsPartStarted(Game& g) {
  g.Records.Live = TMeasures{};
  ResetWordTracks(g);
}

void RecordsPlayFrame(Game& g) {
  if (!FieldBusy(g)) return;
  NoteFrameInPlay(g.Records.Live);
  NoteFrameInPlay(g.Records.StageRun);
  NoteFrameInPlay(g.Records.RunTotal);
}

void RecordsTypingFrame(Game& g) {
  if (!StepWordTracks(g, g.Records.Live)) return;
  NoteTypeableFrame(g.Records.Live);
  NoteTypeableFrame(g.Records.StageRun);
  NoteTypeableFrame(g.Records.RunTotal);
}

void RecordsHit(Game& g, char letter, bool wordDone) {
  WordHit(g, wordDone, g.Records.Live);
  int n = RecordLetterIndex(letter);
  for (TMeasures* m : {&g.Records.Live, &g.Records.StageRun, &g.Records.RunTotal}) {
    NoteHit(*m, n);
    if (wordDone) NoteWord(*m);
  }
}

void RecordsMiss(Game& g, char expected, char typed) {
  int e = RecordLetterIndex(expected), t = RecordLetterIndex(typed);
  WordMiss(g, e, t);
  for (TMeasures* m : {&g.Records.Live, &g.Records.StageRun, &g.Records.RunTotal})
    NoteMiss(*m, e, t);
}

void RecordsPartEnded(Game& g, bool cleared) {
  TRecords& r = g.Records;
  if (g.Stage < 1 || g.Stage > 9 || g.Part < 1) return;
  // The stage's last part was kept at its banner, with its final score.
  if (cleared && g.Part == PartsPerStage(g.Stage) && g.Scenes.StageKept.Valid) return;
  FlushWordTracks(g, r.Live);
  r.PartResult = PartView(g, r.Live);
  if (cleared && g.Part == PartsPerStage(g.Stage)) return;
  AddRecord(g, EntryOf(g, r.Live, cleared));
}

void RecordsStageFinished(Game& g) {
  TRecords& r = g.Records;
  if (g.Stage < 1 || g.Stage > 9 || g.Part < 1) return;
  FlushWordTracks(g, r.Live);
  r.PartResult = PartView(g, r.Live);
  r.StageResult = StageView(g);
  AddRecord(g, EntryOf(g, r.Live, true));
}

void RecordsFlushWords(Game& g) {
  FlushWordTracks(g, g.Records.Live);
}

void RecordsResetWords(Game& g) {
  ResetWordTracks(g);
}

bool AddRecord(Game& g, TRecordEntry entry) {
  TRecords& r = g.Records;
  if (r.Now) entry.Time = r.Now();
  std::string path = PlayerRecordsPath(g);
  // Entries made while another save folder is in use (the demo's scratch
  // folder) are written there and not mixed with the player's.
  // Records are kept only once they have been loaded (the program does it at
  // start; bare test games keep nothing).
  if (r.Path.empty()) return false;
  bool players = path == r.Path;
  if (players && !r.Writable) return false;
  std::string error;
  if (!AppendRecordLine(path, entry, error)) {
    if (!r.WriteReported) ReportError(g, error);
    r.WriteReported = true;
    return false;
  }
  r.WriteReported = false;
  if (!players) return true;
  r.Entries.push_back(std::move(entry));
  // The words it holds move their review cards.
  KeepReviewTypings(g, r.Entries.back());
  return true;
}

TRecordEntry MeasuresEntry(const std::string& kind, const TMeasures& m) {
  TRecordEntry e;
  e.Kind = kind;
  e.Keys = m.Correct;
  e.Misses = m.Misses;
  e.Streak = m.LongestStreak;
  e.Frames = m.Frames;
  e.Words = m.Words;
  e.Hits = m.Hits;
  e.Missed = m.Missed;
  e.Measure = kMeasureVersion;
  e.TypeFrames = m.TypeFrames;
  e.WordLog = m.WordLog;
  return e;
}

TMeasures EntryCounts(const TRecordEntry& e) {
  TMeasures m;
  m.Frames = e.Frames;
  m.Correct = e.Keys;
  m.Misses = e.Misses;
  m.Words = e.Words;
  m.LongestStreak = e.Streak;
  m.Hits = e.Hits;
  m.Missed = e.Missed;
  m.TypeFrames = e.TypeFrames;
  return m;
}

TMeasures EntryMeasures(const TRecordEntry& e) {
  TMeasures m = EntryCounts(e);
  m.WordLog = e.WordLog;
  return m;
}

void LetterTotals(const std::vector<TRecordEntry>& entries, TLetterCounts& hits,
                  TLetterCounts& missed) {
  hits.fill(0);
  missed.fill(0);
  for (const TRecordEntry& e : entries)
    for (int i = 1; i < kRecordLetters; ++i) {
      hits[i] += e.Hits[i];
      missed[i] += e.Missed[i];
    }
}
