// Typed letters applied to the prompt windows once per play frame: choosing
// the target by its first letter, matching, misses and their penalty.
#include <algorithm>

#include "alpha_object/alpha_object.h"
#include "enemy/enemy.h"
#include "type_window/type_window.h"
#include "world/game.h"

int KeyToLetter(int code) {
  return code == 189 ? 27 : code - 64;
}

namespace {

// How long after a word finished on a single-N "ん" a second N is still taken
// as the rest of NN (one second).
constexpr int32_t kAbsorbNFrames = 20;

}  // namespace

void UpdateTypeWindows(Game& g) {
  TTypingEngine& t = g.Typing;
  RecordsTypingFrame(g);
  if (t.AbsorbNFrames > 0) --t.AbsorbNFrames;
  if (g.Inputer.IsKeyDown(27)) {
    ReleaseTarget(g);
    t.HeldN = false;
  }
  StepWindows(g);
  // Letters after the first miss of the frame are dropped with the rest.
  std::deque<int> letters;
  letters.swap(t.KeyQueue);
  for (int n : letters)
    if (!TypeLetter(g, n)) break;
  PackWindows(g);
  if (t.Target) DrawTypeWindow(g, *t.Target);
}

namespace {

// The first open, unlocked window in creation order that can take the letter
// at its first position, by its current romaji or by switching to another.
TTypeWindow* ChooseTarget(Game& g, char letter) {
  TTypingEngine& t = g.Typing;
  for (auto& slot : t.WindowList) {
    TTypeWindow* w = slot.get();
    if (!w || w->State != Active || w->Locked) continue;
    w->Position = 1;
    if (!w->CurrentRomaji.empty() && w->CurrentRomaji[0] == letter) return w;
    if (SwitchRomaji(g, *w, letter)) return w;
  }
  return nullptr;
}

// True when some open window could start with these letters.
bool AnyWordStartsWith(Game& g, const std::string& letters) {
  for (auto& slot : g.Typing.WindowList) {
    TTypeWindow* w = slot.get();
    if (!w || w->State != Active || w->Locked) continue;
    TRomajiPath path;
    if (FitPath(w->Word, letters, w->Path, g.Typing.Style, path)) return true;
  }
  return false;
}

bool TypeOneLetter(Game& g, char letter);

}  // namespace

bool TypeLetter(Game& g, int n) {
  TTypingEngine& t = g.Typing;
  // Only letters 1..27 can be typed; anything else is not a key press.
  if (n < 1 || n > 27) return false;
  const char letter = LetterName(n)[0];
  PackWindows(g);
  // An N right after a word that finished on a single N: the rest of its NN,
  // unless it and the letters after it begin a word on the field.
  // The N counts as a key as soon as it is typed, so a run that ends while
  // it is held counts it too; typed into a word, it is counted there instead.
  if (t.HeldN) {
    t.HeldN = false;
    if (!t.Target && AnyWordStartsWith(g, std::string("N") + letter)) {
      --g.KeysTyped;
      if (!TypeOneLetter(g, 'N')) return false;
    }
  } else if (t.AbsorbNFrames > 0 && letter == 'N') {
    t.AbsorbNFrames = 0;
    ++g.KeysTyped;
    if (!t.Target && AnyWordStartsWith(g, "N")) t.HeldN = true;
    return true;
  }
  t.AbsorbNFrames = 0;
  return TypeOneLetter(g, letter);
}

namespace {

bool TypeOneLetter(Game& g, char letter) {
  TTypingEngine& t = g.Typing;
  if (!t.Target) {
    t.Target = ChooseTarget(g, letter);
    if (!t.Target) {
      RecordsMiss(g, 0, letter);
      TypingMiss(g);
      return false;
    }
  }
  TTypeWindow* w = t.Target;
  const size_t at = static_cast<size_t>(std::max(w->Position, 1) - 1);
  const char expected = at < w->CurrentRomaji.size() ? w->CurrentRomaji[at] : 0;
  if (w->Locked) {
    RecordsMiss(g, expected, letter);
    TypingMiss(g);
    return false;
  }
  const bool matches = at < w->CurrentRomaji.size() && w->CurrentRomaji[at] == letter;
  if (!matches && !SwitchRomaji(g, *w, letter)) {
    w->HintShown = true;  // a miss brings the romaji hint at once
    RecordsMiss(g, expected, letter);
    TypingMiss(g);
    return false;
  }

  // The word is done once the letters make a whole spelling of it, also when
  // the guide goes on (a final ん typed N where it shows NN).
  bool done = at + 1 == w->CurrentRomaji.size();
  if (!done) {
    TRomajiPath whole;
    const std::string typed = w->CurrentRomaji.substr(0, at + 1);
    if (WholePath(w->Word, typed, w->Path, whole)) {
      w->Path = std::move(whole);
      w->CurrentRomaji = typed;
      done = true;
    }
  }

  const int length = static_cast<int>(w->CurrentRomaji.size());
  PlaySound(g, done ? "Key4" : "Key3");
  w->Typed += letter;
  const int step = LetterStep(t, length);
  SparkBurst(g, "tips2", LetterRowLeft(g, *w) + (w->Position - 1) * step, LetterRowTop(g, *w), 18);
  ++w->Position;
  w->QuietFrames = 0;
  g.Rate = std::min(g.Rate + 1, 100);
  ++g.KeysTyped;
  RecordsHit(g, letter, done);
  if (done) {
    w->Position = length + 1;
    const TRomajiUnit& last = w->Word.Units.back();
    if (last.N && w->Path.back() >= 0 && last.Spellings[static_cast<size_t>(w->Path.back())] == "N")
      t.AbsorbNFrames = kAbsorbNFrames;
    // "mine" learns from words typed as they stand, not from ones that
    // needed a switch which dropped earlier letters.
    if (t.Style.Kind == TRomajiStyle::Mine && w->Typed == w->CurrentRomaji &&
        LearnSpellings(w->Word, w->Path, t.Style))
      t.StyleLearned = true;
    if (w->Enemy) HitEnemy(g, *w->Enemy);
    // A finished word always closes its own window, even when the enemy's
    // hit closed another of its windows first; a window the hit freed is no
    // longer the target.
    if (t.Target == w) CloseWindow(g, *w);
  }
  return true;
}

}  // namespace

void TypingMiss(Game& g) {
  g.Rate = std::max(g.Rate - 30, 0);
  g.MissBlink = 15;
  ++g.Misses;
  auto& bombs = g.Enemies.Bombs;
  bool anyPresent = false;
  for (int i = 1; i <= 6; ++i) anyPresent = anyPresent || bombs[i].Present;
  if (anyPresent) {
    int i = 0;
    do {
      i = 1 + g.Rng.Random(6);
    } while (!bombs[i].Present);
    bombs[i].RiseSpeed = 2;
    bombs[i].RiseFrames = 10 + g.Rng.Random(10);
  }
  PlaySound(g, "error1");
}
