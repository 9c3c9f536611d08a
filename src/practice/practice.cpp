// Practice mode: the lists of the menu, starting a practice, the calm field
// with its words and the counting of keys, misses and words.
#include "practice/practice.h"

#include <algorithm>
#include <filesystem>

#include "base/file_bytes.h"
#include "base/sjis.h"
#include "practice/own_lists.h"
#include "practice/practice_draw.h"
#include "practice/review_list.h"
#include "records/records.h"
#include "world/backdrop.h"
#include "world/game.h"

namespace {

constexpr std::array<int, 3> kSlotY = {140, 220, 300};
constexpr int kFieldX = 215;
// How many of the weakest letters the weakest-keys list is built from, and
// how many words it takes.
constexpr size_t kWeakLetters = 5;
constexpr size_t kWeakWords = 80;

int RoundUpToTen(int v) {
  return v % 10 == 0 ? v : (v / 10 + 1) * 10;
}

bool EscapePressed(Game& g) {
  bool down = g.Inputer.IsKeyDown(vk::Escape) || g.Inputer.IsKeyDown(vk::Backspace);
  bool pressed = down && !g.Practice.EscapeWasDown;
  g.Practice.EscapeWasDown = down;
  return pressed;
}

// Puts a word ("display:reading;", CP932) into a window; false when its
// reading gives no romaji.
bool SetWindowWord(Game& g, TTypeWindow& w, const std::string& line) {
  TTypingEngine& t = g.Typing;
  const size_t colon = line.rfind(':');
  if (colon == std::string::npos || line.size() < colon + 2) return false;
  std::string reading = line.substr(colon + 1);
  if (!reading.empty() && reading.back() == ';') reading.pop_back();
  TRomajiWord word = MakeRomajiWord(t.KanaTable, CutReading(t.KanaTable, reading));
  if (word.Units.empty()) return false;
  w.DisplayText = line.substr(0, colon);
  w.Word = std::move(word);
  w.Path = GuidePath(w.Word, t.Style);
  w.CurrentRomaji = PathRomaji(w.Word, w.Path);
  w.Typed.clear();
  w.Position = 1;
  const int length = static_cast<int>(w.CurrentRomaji.size());
  const int romajiWidth = length * LetterStep(t, length) + 40;
  const int textWidth = static_cast<int>(w.DisplayText.size()) * 6 + 40;
  w.Width = RoundUpToTen(std::max(romajiWidth, textWidth));
  return true;
}

// A word from the running list whose first letters no other window takes.
void OpenWordWindow(Game& g, int slot) {
  const std::vector<std::string>& words = g.Practice.Running.Words;
  if (words.empty()) return;
  TTypeWindow& w = NewTypeWindow(g, nullptr, kFieldX, kSlotY[slot], 1, 0);
  for (int tries = 0; tries < 40; ++tries) {
    const std::string& line = words[g.Rng.Random(static_cast<int>(words.size()))];
    if (SetWindowWord(g, w, line) && !HasTakenFirstLetter(g, w)) return;
  }
}

bool SlotTaken(const Game& g, int slot) {
  for (const auto& w : g.Typing.WindowList)
    if (w && w->OffsetY == kSlotY[slot]) return true;
  return false;
}

// Practice typing is measured by the records' hooks into Live; the game's
// own counts are kept aside until it ends.
void SetAsideGameCounts(Game& g) {
  TPracticeSaved& s = g.Practice.Saved;
  s.KeysTyped = g.KeysTyped;
  s.Misses = g.Misses;
  s.Rate = g.Rate;
  s.Live = g.Records.Live;
  s.StageRun = g.Records.StageRun;
  s.RunTotal = g.Records.RunTotal;
  g.Records.Live = TMeasures{};
  RecordsResetWords(g);
}

void RestoreGameCounts(Game& g) {
  TPracticeSaved& s = g.Practice.Saved;
  g.KeysTyped = s.KeysTyped;
  g.Misses = s.Misses;
  g.Rate = s.Rate;
  g.Records.Live = std::move(s.Live);
  g.Records.StageRun = std::move(s.StageRun);
  g.Records.RunTotal = std::move(s.RunTotal);
  s = TPracticeSaved{};
}

// The records keep a practice run (never the ranking); one where nothing was
// typed is not worth a line.
void RecordPractice(Game& g) {
  const TPracticeResult& r = g.Practice.Result;
  if (r.M.Correct + r.M.Misses == 0) return;
  TRecordEntry e = MeasuresEntry("practice", r.M);
  e.Part = g.Practice.Running.Kind == TPracticeList::TKind::Level ? g.Practice.Running.Level : 0;
  e.List = g.Practice.Running.Name;
  if (g.Practice.RunningGoal != TPracticeGoal::Free)
    e.Goal = PracticeGoalName(g.Practice.RunningGoal);
  g.Practice.Best = CompareWithRecords(g, e);
  g.Practice.Result.NewBest = !e.Goal.empty() && g.Practice.Best.NewBest;
  AddRecord(g, std::move(e));
}

void FinishPractice(Game& g) {
  TPracticeState& p = g.Practice;
  RecordsFlushWords(g);
  p.Result.M = g.Records.Live;
  p.Result.M.MissLog.clear();
  RecordPractice(g);
  RestoreGameCounts(g);
  p.Finished.push_back(p.Result);
  ClearWindows(g);
  g.Typing.KeyQueue.clear();
  g.Scene = kScenePracticeResult;
}

TPracticeList LevelList(const Game& g, int level) {
  TPracticeList l;
  l.Kind = TPracticeList::TKind::Level;
  l.Level = level;
  l.Name = LevelListName(level);
  const TTypingEngine& t = g.Typing;
  const int n = std::min<int>(t.WordCounts[level], static_cast<int>(t.WordLists[level].size()));
  l.Words.assign(t.WordLists[level].begin(), t.WordLists[level].begin() + std::max(n, 0));
  if (l.Words.empty()) l.Refusal = "この一覧には言葉がありません";
  return l;
}

TPracticeList FromOwn(const TOwnList& own) {
  TPracticeList l;
  l.Kind = TPracticeList::TKind::Own;
  l.Name = own.Name;
  l.Words = own.Words;
  l.Problems = own.Problems;
  l.Refusal = own.Refusal;
  return l;
}

bool AnyMissed(const Game& g) {
  for (const TRecordEntry& e : g.Records.Entries)
    if (e.Misses > 0) return true;
  return false;
}

}  // namespace

std::string OwnListFolder(const Game& g) {
  return SavePath(g, kOwnListFolder);
}

const char* LevelListName(int level) {
  static constexpr std::array<const char*, 9> kNames = {
      "",
      "レベル1「ひとことの言葉」",
      "レベル2「小学生の言葉」",
      "レベル3「身近な言葉」",
      "レベル4「くらしの言葉」",
      "レベル5「ながめの言葉」",
      "レベル6「決まり文句」",
      "レベル7「ことわざ」",
      "レベル8「早口言葉」",
  };
  return level >= 1 && level <= 8 ? kNames[level] : kNames[0];
}

std::vector<double> WeakKeyRates(const Game& g) {
  TLetterCounts hits, missed;
  LetterTotals(g.Records.Entries, hits, missed);
  std::vector<double> rates;
  for (int n : WeakestKeys(hits, missed, kWeakLetters)) {
    if (rates.empty()) rates.assign(kRecordLetters, 0.0);
    rates[static_cast<size_t>(n)] = static_cast<double>(missed[n]) / (hits[n] + missed[n]);
  }
  return rates;
}

std::vector<std::pair<double, std::string>> ScoredListWords(
    Game& g, const std::function<double(const TRomajiWord&)>& score) {
  std::vector<std::pair<double, std::string>> scored;
  TTypingEngine& t = g.Typing;
  for (int level = 1; level <= 8; ++level) {
    const int n = std::min<int>(t.WordCounts[level], static_cast<int>(t.WordLists[level].size()));
    for (int i = 0; i < n; ++i) {
      const std::string& line = t.WordLists[level][i];
      const size_t colon = line.rfind(':');
      if (colon == std::string::npos || line.size() < colon + 2) continue;
      const TRomajiWord word = MakeRomajiWord(
          t.KanaTable, CutReading(t.KanaTable, line.substr(colon + 1, line.size() - colon - 2)));
      if (word.Units.empty()) continue;
      const double s = score(word);
      if (s >= 0) scored.emplace_back(s, line);
    }
  }
  std::stable_sort(scored.begin(), scored.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  return scored;
}

std::vector<std::string> WeakestKeyWords(Game& g, const std::vector<double>& rates, size_t count) {
  const TTypingEngine& t = g.Typing;
  const auto scored = ScoredListWords(g, [&](const TRomajiWord& word) {
    const std::string guide = PathRomaji(word, GuidePath(word, t.Style));
    if (guide.empty()) return -1.0;
    // The share of the word's letters that are weak keys, by how weak.
    double weight = 0;
    for (char c : guide) {
      const size_t n1 = static_cast<size_t>(RecordLetterIndex(c));
      if (n1 >= 1 && n1 < rates.size()) weight += rates[n1];
    }
    return weight / static_cast<double>(guide.size());
  });
  std::vector<std::string> out;
  for (size_t i = 0; i < scored.size() && i < count && scored[i].first > 0; ++i)
    out.push_back(scored[i].second);
  return out;
}

void LoadPracticeLists(Game& g) {
  TPracticeState& p = g.Practice;
  p.Lists.clear();
  for (int level = 1; level <= 8; ++level) p.Lists.push_back(LevelList(g, level));
  TPracticeList weak;
  weak.Kind = TPracticeList::TKind::Weakest;
  weak.Name = "苦手なキーの言葉";
  const std::vector<double> rates = WeakKeyRates(g);
  if (g.Records.Entries.empty())
    weak.Refusal = "まだ記録がありません（ゲームを遊ぶと選べます）";
  else if (rates.empty() && !AnyMissed(g))
    weak.Refusal = "苦手なキーはありません（記録にミスがありません）";
  else if (rates.empty())
    weak.Refusal = "苦手なキーはまだ分かりません（どのキーも回数が足りません）";
  else
    weak.Words = WeakestKeyWords(g, rates, kWeakWords);
  if (!weak.Words.empty()) {
    // The letters it was built from, worst first.
    TLetterCounts hits, missed;
    LetterTotals(g.Records.Entries, hits, missed);
    weak.Name += "（" + LettersText(WeakestKeys(hits, missed, kWeakLetters)) + "）";
  }
  if (weak.Refusal.empty() && weak.Words.empty()) weak.Refusal = "苦手なキーの言葉がありません";
  p.Lists.push_back(std::move(weak));
  p.Lists.push_back(ReviewList(g));
  size_t unread = 0;
  for (const TOwnList& own :
       LoadOwnLists(OwnListFolder(g), g.Typing.KanaTable, g.Typing.LetterWidth, &unread))
    p.Lists.push_back(FromOwn(own));
  if (unread > 0) {
    // One greyed row says how many lists were left unread.
    TPracticeList rest;
    rest.Kind = TPracticeList::TKind::Own;
    rest.Name = "ほか " + std::to_string(unread) + " 個の一覧";
    rest.Refusal = "一覧は名前の順に " + std::to_string(kOwnListMaxFiles) + " 個まで読みます";
    p.Lists.push_back(std::move(rest));
  }
  p.Cursor = std::clamp(p.Cursor, 0, static_cast<int>(p.Lists.size()) - 1);
}

void OpenPracticeMenu(Game& g) {
  LoadPracticeLists(g);
  g.Practice.EscapeWasDown = true;  // a held Escape must be released first
  g.Scene = kScenePracticeMenu;
}

void StartPractice(Game& g, const TPracticeList& list) {
  TPracticeState& p = g.Practice;
  p.Running = list;
  p.Result = TPracticeResult();
  p.Result.ListName = list.Name;
  p.Result.Goal = PracticeGoalName(p.Goal);
  p.RunningGoal = p.Goal;
  p.FieldFrames = 0;
  p.Best = TGoalBest();
  SetAsideGameCounts(g);
  p.SlotWait = {1, 20, 40};
  p.EscapeWasDown = true;
  ClearPlayObjects(g);
  // No bombs on the practice field: a miss only costs accuracy.
  for (auto& b : g.Enemies.Bombs) b.Present = 0;
  g.Typing.KeyQueue.clear();
  g.MissBlink = 0;
  g.Scene = kScenePracticeField;
}

bool StartPracticeFromSpec(Game& g, const std::string& spec, std::vector<std::string>& problems,
                           std::string& error) {
  if (spec == kWeakestSpec) {
    LoadPracticeLists(g);
    for (const TPracticeList& l : g.Practice.Lists) {
      if (l.Kind != TPracticeList::TKind::Weakest) continue;
      if (!l.Refusal.empty()) {
        error = "--practice " + spec + ": " + l.Refusal;
        return false;
      }
      StartPractice(g, l);
      return true;
    }
  }
  if (spec == kReviewSpec) {
    TPracticeList l = ReviewList(g);
    if (!l.Refusal.empty()) {
      error = "--practice " + spec + ": " + l.Refusal;
      return false;
    }
    StartPractice(g, l);
    return true;
  }
  if (spec.size() == 1 && spec[0] >= '1' && spec[0] <= '8') {
    TPracticeList l = LevelList(g, spec[0] - '0');
    if (!l.Refusal.empty()) {
      error = "--practice " + spec + ": " + l.Refusal;
      return false;
    }
    StartPractice(g, l);
    return true;
  }
  // A list file from the command line (a pipe too), or one a replayed
  // recording carries: its text, or a path read only inside the game's folders.
  const TCarried source = UnpackCarried(spec);
  std::string bytes, why;
  const TReadResult read =
      ReadSource(spec, {g.DataDir, g.SaveFolder}, kOwnListMaxBytes, bytes, why);
  if (read != TReadResult::Whole) {
    error =
        "--practice: " + source.Name + ": " +
        (read == TReadResult::Cut ? "larger than 1 MB; not read" : "cannot be read (" + why + ")");
    return false;
  }
  TOwnList own;
  const std::filesystem::path name(source.Name);
  own.Path = source.Name;
  own.Name = name.stem().string();
  ParseOwnList(bytes, name.filename().string(), g.Typing.KanaTable, g.Typing.LetterWidth, own);
  problems = own.Problems;
  if (!own.Refusal.empty()) {
    error = "--practice: " + own.Refusal;
    return false;
  }
  StartPractice(g, FromOwn(own));
  return true;
}

void ScenePracticeField(Game& g) {
  TPracticeState& p = g.Practice;
  // Escape ends any practice; a goal ends it once reached.
  if (EscapePressed(g) || GoalReached(p.RunningGoal, p.FieldFrames, g.Records.Live.Words)) {
    FinishPractice(g);
    DrawPracticeResult(g);
    DrawGoalResult(g);
    return;
  }
  p.FieldFrames += 1;
  NoteFrameInPlay(g.Records.Live);
  DrawBackground(g, 1);
  for (int slot = 0; slot < 3; ++slot) {
    if (SlotTaken(g, slot)) continue;
    if (p.SlotWait[slot] > 0 && --p.SlotWait[slot] > 0) continue;
    OpenWordWindow(g, slot);
    p.SlotWait[slot] = 8;  // the next word after this one waits a moment
  }
  MarkTakenLetters(g);
  UpdateTypeWindows(g);
  if (g.MissBlink > 0) g.MissBlink -= 1;
  if (g.MissBlink > 0 && g.MissBlink % 5 <= 2)
    DrawPattern(g.List.FindPicture("miss"), g.Screen, 171, 183, 0);
  UpdateEffects(g, g.AlphaOn != 0);
  p.Result.M.Frames = g.Records.Live.Frames;
  p.Result.M.TypeFrames = g.Records.Live.TypeFrames;
  p.Result.M.Correct = g.Records.Live.Correct;
  p.Result.M.Misses = g.Records.Live.Misses;
  p.Result.M.Words = g.Records.Live.Words;
  DrawPracticeHud(g);
  DrawGoalCountdown(g);
}

void ScenePracticeMenu(Game& g) {
  TPracticeState& p = g.Practice;
  const int count = static_cast<int>(p.Lists.size());
  if (EscapePressed(g)) {
    g.Scene = kSceneTitle;
    g.Cursor = 4;  // back on the practice entry
    return;
  }
  if (g.ArrowKey == 1 && p.Cursor > 0) --p.Cursor;
  if (g.ArrowKey == 3 && p.Cursor < count - 1) ++p.Cursor;
  // Left and Right choose the goal of the next run.
  const int goal = static_cast<int>(p.Goal);
  if (g.ArrowKey == 4)
    p.Goal = static_cast<TPracticeGoal>((goal + kPracticeGoals - 1) % kPracticeGoals);
  if (g.ArrowKey == 2) p.Goal = static_cast<TPracticeGoal>((goal + 1) % kPracticeGoals);
  DrawPracticeMenu(g);
  DrawGoalChoice(g);
  if (g.SpaceKey == 1 && p.Cursor < count && p.Lists[p.Cursor].Refusal.empty())
    StartPractice(g, p.Lists[p.Cursor]);
}

void ScenePracticeResult(Game& g) {
  bool leave = EscapePressed(g) || g.SpaceKey == 1;
  DrawPracticeResult(g);
  DrawGoalResult(g);
  if (leave) OpenPracticeMenu(g);
}
