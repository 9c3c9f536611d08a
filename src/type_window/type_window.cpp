// Prompt windows: creation with a word whose first letters are free, the
// window list, following the enemy, opening, time-out and closing.
#include "type_window/type_window.h"

#include <algorithm>

#include "base/sjis.h"
#include "enemy/enemy.h"
#include "media/field_size.h"
#include "world/game.h"
#include "world/window_view.h"

namespace {

constexpr int kRandomTries = 50;
// Frames without a correct letter before the romaji shows as a hint.
constexpr int kHintFrames = 30;
constexpr int kWordTries = 80;
// Random-mode words are kept to what a window on the field can show.
constexpr int kMaxRandomLetters = 35;

// Hiragana, katakana and the long-vowel mark (CP932): a word written so needs
// no reading line.
bool IsKanaOnly(const std::string& text) {
  if (text.empty()) return false;
  for (size_t i = 0; i < text.size(); i += 2) {
    if (i + 1 >= text.size()) return false;
    const uint8_t lead = static_cast<uint8_t>(text[i]), trail = static_cast<uint8_t>(text[i + 1]);
    const bool hiragana = lead == 0x82 && trail >= 0x9F && trail <= 0xF1;
    const bool katakana = lead == 0x83 && trail >= 0x40 && trail <= 0x96;
    const bool longMark = lead == 0x81 && trail == 0x5B;
    if (!hiragana && !katakana && !longMark) return false;
  }
  return true;
}

int RoundUpToTen(int v) {
  return v % 10 == 0 ? v : (v / 10 + 1) * 10;
}

std::string RandomLetters(Game& g, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += static_cast<char>('A' + g.Rng.Random(26));
  return s;
}

}  // namespace

int WordListForLevel(const TTypingEngine& t, int level) {
  // The level's own list when it has words, else the nearest list that has
  // some (the lower one first on a tie); 0 when every list is empty.
  const int wanted = std::clamp(level, 1, 8);
  for (int d = 0; d < 8; ++d) {
    for (int n : {wanted - d, wanted + d})
      if (n >= 1 && n <= 8 && t.WordCounts[n] > 0 &&
          static_cast<int>(t.WordLists[n].size()) >= t.WordCounts[n])
        return n;
  }
  return 0;
}

TTypeWindow::TTypeWindow(Game& g, TEnemy* enemy, int offsetX, int offsetY, int level,
                         int timeLimit) {
  TTypingEngine& t = g.Typing;
  MarkTakenLetters(g);
  Enemy = enemy;
  Locked = 0;
  State = Opening;
  CenterX = OffsetX = offsetX;
  CenterY = OffsetY = offsetY;
  DriftX = DriftY = 0;
  TimeLeft = TimeLimit = timeLimit;
  Mode = enemy ? enemy->Mode.substr(0, 10) : std::string("normal");
  Word = TRomajiWord{};

  const int list = Mode == "random" ? 0 : WordListForLevel(t, level);
  if (Mode == "random" || list == 0) {
    // Random letters; also the fallback when no word list holds any word.
    DisplayText.clear();
    const int count = std::clamp(level, 1, kMaxRandomLetters);
    for (int i = 0; i < kRandomTries; ++i) {
      Word = LettersWord(RandomLetters(g, count));
      if (!HasTakenFirstLetter(g, *this)) break;
    }
  } else {
    for (int i = 0; i < kWordTries; ++i) {
      const std::string& line = t.WordLists[list][g.Rng.Random(t.WordCounts[list])];
      const size_t colon = line.rfind(':');
      const std::string rest = colon == std::string::npos ? line : line.substr(colon + 1);
      DisplayText = colon == std::string::npos ? std::string() : line.substr(0, colon);
      const std::string reading = rest.empty() ? rest : rest.substr(0, rest.size() - 1);
      bool stalled = false;
      const std::vector<std::string> units = CutReading(t.KanaTable, reading, &stalled);
      // A reading the table cannot cut shows itself in the caption.
      if (stalled && g.Platform) g.Platform->SetCaption(SjisToUtf8(reading));
      Word = MakeRomajiWord(t.KanaTable, units);
      if (!HasTakenFirstLetter(g, *this)) break;
    }
    if (Word.Units.empty()) {
      // Only reachable with a table that lacks the word's units, which the
      // loader rejects; a typeable word keeps the enemy beatable anyway.
      DisplayText.clear();
      Word = LettersWord(RandomLetters(g, std::clamp(level, 1, 8) + 2));
    }
  }

  Path = GuidePath(Word, t.Style);
  CurrentRomaji = PathRomaji(Word, Path);
  Typed.clear();
  Position = 1;

  Reading.clear();
  for (const TRomajiUnit& u : Word.Units) Reading += u.Kana;
  const bool readingOn = WindowViewOf(g).Reading;
  ReadingSpace = readingOn ? kReadingLinePitch : 0;
  ShowsReading = readingOn && Mode == "normal" && !Reading.empty() && !IsKanaOnly(DisplayText);
  QuietFrames = 0;
  HintShown = false;

  const int length = static_cast<int>(CurrentRomaji.size());
  const int romajiWidth = length * LetterStep(t, length) + 40;
  const int textWidth = static_cast<int>(DisplayText.size()) * 6 + 40;
  const int readingWidth = ShowsReading ? static_cast<int>(Reading.size()) * 6 + 40 : 0;
  Width = RoundUpToTen(std::max({romajiWidth, textWidth, readingWidth}));
  // The reading line adds its room to the usual height (a multiple of 5, as
  // the frame's edge pieces need).
  Height = RoundUpToTen(t.LetterHeight + 49) + ReadingSpace;

  AnimStep = 0;
  t.WindowList.emplace_back(this);

  if (t.RowGap == 0) t.RowGap = (Height - ReadingSpace - 10 - 12 - t.LetterHeight) / 3;

  AnchorX = g.Rng.Random(Width + 1);
  AnchorY = g.Rng.Random(Height + 1);
}

TTypeWindow& NewTypeWindow(Game& g, TEnemy* enemy, int offsetX, int offsetY, int level,
                           int timeLimit) {
  return *new TTypeWindow(g, enemy, offsetX, offsetY, level, timeLimit);
}

void MarkTakenLetters(Game& g) {
  TTypingEngine& t = g.Typing;
  for (int n = 1; n <= 26; ++n) t.TakenLetters[n] = 1;
  for (const auto& w : t.WindowList) {
    if (!w || w->State == Closing) continue;
    for (char c : WindowFirstLetters(*w)) {
      const int n = LetterNumber(std::string(1, c));
      if (n >= 1) t.TakenLetters[n] = 0;
    }
  }
}

bool HasTakenFirstLetter(Game& g, const TTypeWindow& w) {
  for (char c : WindowFirstLetters(w)) {
    const int n = LetterNumber(std::string(1, c));
    if (n == -1 || g.Typing.TakenLetters[n] == 0) return true;
  }
  return false;
}

bool IsActive(const TTypeWindow* w) {
  return w && w->State == Active;
}

void PackWindows(Game& g) {
  auto& list = g.Typing.WindowList;
  list.erase(std::remove(list.begin(), list.end(), nullptr), list.end());
}

void ReleaseTarget(Game& g) {
  TTypeWindow* target = g.Typing.Target;
  if (!target) return;
  target->Position = 1;
  target->Typed.clear();
  g.Typing.Target = nullptr;
}

void CloseWindow(Game& g, TTypeWindow& w) {
  w.DisplayText.clear();
  w.State = Closing;
  if (g.Typing.Target == &w) ReleaseTarget(g);
}

void ClearWindows(Game& g) {
  g.Typing.Target = nullptr;
  g.Typing.AbsorbNFrames = 0;
  g.Typing.HeldN = false;
  g.Typing.WindowList.clear();
}

void LockWindows(Game& g, const TEnemy* enemy, bool locked) {
  for (auto& w : g.Typing.WindowList)
    if (w && w->Enemy == enemy) w->Locked = locked ? 1 : 0;
}

std::string WindowFirstLetters(const TTypeWindow& w) {
  return WordFirstLetters(w.Word);
}

namespace {

// The spelling a letter at the window's Position switches to: one whose
// romaji begins with the letters typed so far and the new letter. The typed
// letters are never read again as another spelling, so a letter no spelling
// can go on with is a miss even where a re-spelling would fit.
bool FindSwitch(const TTypingEngine& t, const TTypeWindow& w, char letter, TRomajiPath& path) {
  if (w.State != Active || w.Position < 1) return false;
  const size_t at = static_cast<size_t>(w.Position - 1);
  if (at > w.CurrentRomaji.size()) return false;
  return FitPath(w.Word, w.CurrentRomaji.substr(0, at) + letter, w.Path, t.Style, path);
}

}  // namespace

bool SwitchRomaji(Game& g, TTypeWindow& w, char letter) {
  TRomajiPath path;
  if (!FindSwitch(g.Typing, w, letter, path)) return false;
  w.Path = std::move(path);
  w.CurrentRomaji = PathRomaji(w.Word, w.Path);
  return true;
}

bool CanTakeLetter(const TTypingEngine& t, const TTypeWindow& w, char letter) {
  const size_t at = static_cast<size_t>(std::max(w.Position, 1) - 1);
  if (at < w.CurrentRomaji.size() && w.CurrentRomaji[at] == letter) return true;
  TRomajiPath path;
  return FindSwitch(t, w, letter, path);
}

void RefreshGuides(Game& g) {
  TTypingEngine& t = g.Typing;
  for (auto& w : t.WindowList) {
    if (!w || w.get() == t.Target || w->State == Closing) continue;
    w->Path = GuidePath(w->Word, t.Style);
    w->CurrentRomaji = PathRomaji(w->Word, w->Path);
  }
}

void FollowEnemy(Game& g, TTypeWindow& w) {
  if (w.Enemy) {
    w.CenterX = EnemyCenterX(*w.Enemy) + w.OffsetX + w.NudgeX;
    w.CenterY = EnemyCenterY(*w.Enemy) + w.OffsetY + w.NudgeY;
  }
  if (w.Left() < 0) w.CenterX = (w.Width + 1) / 2;
  if (w.Top() < 0) w.CenterY = (w.Height + 1) / 2;
  if (w.Right() > kFieldWidth) w.CenterX = kFieldWidth - (w.Width + 1) / 2;
  if (w.Bottom() > kFieldHeight) w.CenterY = kFieldHeight - (w.Height + 1) / 2;
  KeepClearOfScore(g, w);
}

void StepWindows(Game& g) {
  TTypingEngine& t = g.Typing;
  PackWindows(g);
  SpreadWindows(g);
  const size_t n = t.WindowList.size();
  for (size_t i = 0; i < n && i < t.WindowList.size(); ++i) {
    TTypeWindow* w = t.WindowList[i].get();
    if (!w) continue;
    FollowEnemy(g, *w);
    switch (w->State) {
      case Opening:
        ++w->AnimStep;
        DrawWindowOutline(g, *w);
        if (w->AnimStep >= 7) w->State = Active;
        break;
      case Active:
        DrawTypeWindow(g, *w);
        break;
      case Closing:
        if (w->AnimStep > 0) --w->AnimStep;
        DrawWindowOutline(g, *w);
        if (w->AnimStep == 0) {
          if (t.Target == w) t.Target = nullptr;
          t.WindowList[i].reset();
          continue;
        }
        break;
      default:
        break;
    }
    if (w->State == Active) {
      // The hint comes after 1.5 s without a correct letter.
      if (!w->HintShown && ++w->QuietFrames >= kHintFrames) w->HintShown = true;
      --w->TimeLeft;
      if (w->TimeLeft == 0) CloseWindow(g, *w);
    }
  }
  PackWindows(g);
}
