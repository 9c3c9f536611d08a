// The autoplay bot's decisions, one frame at a time.
#include "drive/autoplay.h"

#include <cstdlib>
#include <string>

#include "main/scenes.h"
#include "world/game.h"

namespace {

int LetterCode(char c) {
  if (c >= 'A' && c <= 'Z') return vk::A + (c - 'A');
  if (c == '-') return vk::Minus;
  return 0;
}

void Press(std::vector<KeyEvent>& out, int code) {
  out.push_back({code, true});
  out.push_back({code, false});
}

// How urgent a window is: the lower its enemy, the sooner it must go.
double Danger(const TTypeWindow& w) {
  if (!w.Enemy) return 0;
  const TEnemy& e = *w.Enemy;
  double bottom = e.Y + e.Height;
  double d = bottom;
  if (e.State == 100) d -= 1000;  // already dying
  if (w.TimeLimit > 0) d += 40.0 * (1.0 - static_cast<double>(w.TimeLeft) / w.TimeLimit);
  return d;
}

bool CanTake(const TTypeWindow& w) {
  return w.State == Active && !w.Locked;
}

bool AnyTypeable(const Game& g) {
  for (const auto& p : g.Typing.WindowList)
    if (p && CanTake(*p)) return true;
  return false;
}

// The first window in list order that a first letter would select.
const TTypeWindow* SelectedBy(const Game& g, char letter) {
  for (const auto& p : g.Typing.WindowList) {
    if (!p || !CanTake(*p)) continue;
    if (!p->CurrentRomaji.empty() && p->CurrentRomaji[0] == letter) return p.get();
    if (WindowFirstLetters(*p).find(letter) != std::string::npos) return p.get();
  }
  return nullptr;
}

// A first letter that selects this window, or 0: the one of its briefest
// spelling when that one does.
char LetterSelecting(const Game& g, const TTypeWindow& w) {
  const std::string brief = ShortestRest(w.Word, w.Path, 0);
  if (!brief.empty() && SelectedBy(g, brief[0]) == &w) return brief[0];
  if (!w.CurrentRomaji.empty() && SelectedBy(g, w.CurrentRomaji[0]) == &w)
    return w.CurrentRomaji[0];
  for (char c : WindowFirstLetters(w))
    if (SelectedBy(g, c) == &w) return c;
  return 0;
}

char WrongLetter(TAutoplay& bot, const Game& g) {
  const TTypeWindow* t = g.Typing.Target;
  for (int tries = 0; tries < 26; ++tries) {
    char c = static_cast<char>('A' + bot.Rng.Random(26));
    bool fits = false;
    if (t) {
      fits = CanTakeLetter(g.Typing, *t, c);
    } else {
      fits = SelectedBy(g, c) != nullptr;
    }
    if (!fits) return c;
  }
  return 'Q';
}

// The letters to type next in play (up to max): the rest of the target's
// word, or a first letter that selects the most dangerous window followed by
// the rest of a spelling that starts with it. The player types each kana not
// yet begun as briefly as the table allows (SI, TU, a doubled consonant, one
// N where one is enough), so it often types what the guide does not show.
std::string NextPlayLetters(TAutoplay& bot, const Game& g, int max, std::vector<KeyEvent>& out) {
  const TTypeWindow* t = g.Typing.Target;
  if (t && t->Locked) {
    out.push_back({vk::Escape, true});
    bot.EscapeFrames = 1;
    return "";
  }
  if (t && CanTake(*t)) {
    if (t->Position < 1 || t->Position > static_cast<int>(t->CurrentRomaji.size())) return "";
    return ShortestRest(t->Word, t->Path, static_cast<size_t>(t->Position - 1)).substr(0, max);
  }
  const TTypeWindow* best = nullptr;
  char bestLetter = 0;
  double bestDanger = -1e9;
  for (const auto& p : g.Typing.WindowList) {
    if (!p || !CanTake(*p)) continue;
    char l = LetterSelecting(g, *p);
    double d = Danger(*p);
    if (l && d > bestDanger) {
      best = p.get();
      bestLetter = l;
      bestDanger = d;
    }
  }
  if (!best) return "";
  std::string romaji = ShortestRest(best->Word, best->Path, 0);
  if (romaji.empty() || romaji[0] != bestLetter) {
    TRomajiPath path;
    const std::string first(1, bestLetter);
    romaji = FitPath(best->Word, first, best->Path, g.Typing.Style, path)
                 ? first + ShortestRest(best->Word, path, 1)
                 : first;
  }
  // Right after a word that finished on one N, a first N would be taken as
  // the rest of NN: type that second N first, as people do.
  if (g.Typing.AbsorbNFrames > 0 && romaji[0] == 'N') romaji = "N" + romaji;
  return romaji.substr(0, max);
}

}  // namespace

bool ParseAutoplaySpec(const char* spec, TAutoplay& bot) {
  char* end = nullptr;
  double kps = std::strtod(spec, &end);
  if (end == spec || kps <= 0 || kps > 200) return false;
  int miss = 0;
  if (*end == ':') {
    char* end2 = nullptr;
    long m = std::strtol(end + 1, &end2, 10);
    if (end2 == end + 1 || *end2 != '\0' || m < 0 || m > 100) return false;
    miss = static_cast<int>(m);
  } else if (*end != '\0') {
    return false;
  }
  bot.KeysPerSecond = kps;
  bot.MissPercent = miss;
  return true;
}

std::vector<KeyEvent> AutoplayKeys(TAutoplay& bot, const Game& g) {
  std::vector<KeyEvent> out;
  if (bot.EscapeFrames > 0 && --bot.EscapeFrames == 0) out.push_back({vk::Escape, false});
  if (bot.MenuSpaceHeld) {
    out.push_back({vk::Space, false});
    bot.MenuSpaceHeld = false;
    return out;
  }
  auto pressSpace = [&] {
    out.push_back({vk::Space, true});
    bot.MenuSpaceHeld = true;  // released before the next frame
  };

  switch (g.Scene) {
    case kSceneTitle:
      if (g.Scenes.CurtainState != 0) break;
      if (g.Cursor < 10) {
        if (g.Cursor != 1)
          Press(out, vk::Up);
        else
          pressSpace();
      } else if (g.Cursor == kDifficultyRow) {
        Press(out, vk::Up);
      } else {
        int want = bot.StageToPlay;
        if (want <= 0) {
          want = 1;
          while (want < g.StageCount && g.Cleared[want - 1] == 1) ++want;
        }
        if (want > g.StageCount) want = g.StageCount;
        int cur = g.Cursor - 10;
        if (cur == want)
          pressSpace();
        else if (want - cur >= 5)
          Press(out, vk::Down);
        else if (cur - want >= 5)
          Press(out, vk::Up);
        else if (want > cur)
          Press(out, vk::Right);
        else
          Press(out, vk::Left);
      }
      break;
    case kSceneCurtain:
      if (g.Scenes.CurtainState == 3) pressSpace();
      break;
    case kSceneContinue: {
      bool yes = bot.Continues < bot.MaxContinues;
      if ((g.ContinueChoice == 0) != yes) {
        Press(out, vk::Down);
      } else {
        if (yes) ++bot.Continues;
        pressSpace();
      }
      break;
    }
    case kSceneRanking:
      pressSpace();
      break;
    case kScenePlay:
    case kScenePracticeField: {
      // Speed: a credit of keys grows every frame; a short burst is allowed
      // after a pause, as a person catches up, but not a flood. While no
      // window can be typed nothing is banked: the first key of a word takes
      // its 1/KPS like every other key.
      if (!g.Typing.Target && !AnyTypeable(g)) {
        bot.KeyCredit = 0;
        break;
      }
      double perFrame = bot.KeysPerSecond / 20.0;
      bot.KeyCredit += perFrame;
      if (bot.KeyCredit > 1.0 + perFrame) bot.KeyCredit = 1.0 + perFrame;
      int budget = static_cast<int>(bot.KeyCredit);
      if (budget <= 0) break;
      std::string letters = NextPlayLetters(bot, g, budget, out);
      for (char c : letters) {
        bool miss = bot.MissPercent > 0 && bot.Rng.Random(100) < bot.MissPercent;
        if (miss) c = WrongLetter(bot, g);
        Press(out, LetterCode(c));
        bot.KeyCredit -= 1.0;
        if (miss) break;  // the game drops the rest of the frame's letters after a miss
      }
      if (letters.empty() && bot.KeyCredit > 1.0) bot.KeyCredit = 1.0;
      break;
    }
    default:
      break;
  }
  return out;
}
