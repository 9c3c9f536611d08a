// Words as units of romaji: building them from the kana table, the guide of a
// style, and finding the spelling that fits what was typed.
//
// Matching walks the units with the typed letters, left to right as an input
// method reads them: a unit's spelling either lies wholly inside them (go on
// with the next unit) or the letters end inside it; typed letters are never
// read again as another spelling. A search with a "dead end" mark per (unit, letter position)
// visits each pair once, so the cost grows with the word's length, not with the number of
// whole-word spellings.
#include "type_window/romaji_word.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/sjis.h"

namespace {

struct TSpecialKana {
  std::string N, SmallTsu;
};

const TSpecialKana& Special() {
  static const TSpecialKana kana = [] {
    TSpecialKana k;
    k.N = Sjis("ん");
    k.SmallTsu = Sjis("っ");
    return k;
  }();
  return kana;
}

// The spellings each style shows where the table offers them; any other kana
// shows its first spelling in the table.
constexpr std::array<const char*, 17> kHepburn = {"SHI", "CHI", "TSU", "FU",  "JI",  "SHA",
                                                  "SHU", "SHO", "SHE", "CHA", "CHU", "CHO",
                                                  "CHE", "JA",  "JU",  "JO",  "JE"};
constexpr std::array<const char*, 14> kKunrei = {"SI",  "TI",  "TU",  "HU",  "ZI",  "SYA", "SYU",
                                                 "SYO", "TYA", "TYU", "TYO", "ZYA", "ZYU", "ZYO"};

int IndexOf(const TRomajiUnit& u, const std::string& spelling) {
  for (size_t i = 0; i < u.Spellings.size(); ++i)
    if (u.Spellings[i] == spelling) return static_cast<int>(i);
  return -1;
}

template <size_t N>
int FirstIn(const TRomajiUnit& u, const std::array<const char*, N>& set) {
  for (size_t i = 0; i < u.Spellings.size(); ++i)
    for (const char* s : set)
      if (u.Spellings[i] == s) return static_cast<int>(i);
  return -1;
}

// The style's spelling of an ordinary unit.
int StyleIndex(const TRomajiUnit& u, const TGuideStyle& style) {
  if (style.Kind == TRomajiStyle::Mine) {
    auto it = style.Learned.find(u.Kana);
    if (it != style.Learned.end()) {
      const int i = IndexOf(u, it->second);
      if (i >= 0) return i;
    }
  }
  const int i = style.Kind == TRomajiStyle::Kunrei ? FirstIn(u, kKunrei) : FirstIn(u, kHepburn);
  return i >= 0 ? i : 0;
}

// "っ": the next spelling's first letter doubled (CCHI as an input method
// takes it, never TCHI), or its own spelling when the player keeps to one or
// the next spelling starts with a letter that cannot be doubled.
int SmallTsuIndex(const TRomajiUnit& u, const std::string* next, const TGuideStyle& style) {
  if (style.Kind == TRomajiStyle::Mine) {
    auto it = style.Learned.find(u.Kana);
    if (it != style.Learned.end() && it->second != kDoubledConsonant) {
      const int i = IndexOf(u, it->second);
      if (i >= 0 && it->second.size() > 1) return i;
    }
  }
  if (next && !next->empty()) {
    const int i = IndexOf(u, std::string(1, (*next)[0]));
    if (i >= 0) return i;
  }
  for (size_t i = 0; i < u.Spellings.size(); ++i)
    if (u.Spellings[i].size() > 1) return static_cast<int>(i);
  return 0;
}

// "ん": NN where an input method needs it (before a vowel, Y or N, and at the
// end), N elsewhere; NN everywhere for a player who types it so.
int NIndex(const TRomajiUnit& u, const std::string* next, const TGuideStyle& style) {
  const int n = IndexOf(u, "N"), nn = IndexOf(u, "NN");
  if (n < 0 || nn < 0) return StyleIndex(u, style);
  if (style.Kind == TRomajiStyle::Mine) {
    auto it = style.Learned.find(u.Kana);
    if (it != style.Learned.end() && it->second == "NN") return nn;
  }
  if (!next || next->empty() || std::strchr("AIUEOYN", (*next)[0])) return nn;
  return n;
}

int ChoiceFor(const TRomajiUnit& u, const std::string* next, const TGuideStyle& style) {
  if (u.SmallTsu) return SmallTsuIndex(u, next, style);
  if (u.N) return NIndex(u, next, style);
  return StyleIndex(u, style);
}

const std::string& SpellingOf(const TRomajiWord& w, const TRomajiPath& path, size_t k) {
  return w.Units[k].Spellings[static_cast<size_t>(path[k])];
}

bool Valid(const TRomajiWord& w, const TRomajiPath& path) {
  if (path.size() != w.Units.size()) return false;
  for (size_t k = 0; k < path.size(); ++k)
    if (path[k] < 0 || static_cast<size_t>(path[k]) >= w.Units[k].Spellings.size()) return false;
  return true;
}

// What a unit's spelling asks of the letter after it, as an input method
// reads it: a single N is ん only before a consonant other than N and Y (or
// at the end of the word); a single letter is っ only when the next spelling
// starts with that same letter.
enum : int { kNeedNothing = 0, kNeedConsonant = 1 };  // 2 + n: the letter 'A' + n

bool CanDouble(char c) {
  return c >= 'A' && c <= 'Z' && !std::strchr("AIUEON", c);
}

int NeedAfter(const TRomajiUnit& u, const std::string& s) {
  if (u.N && s == "N") return kNeedConsonant;
  if (u.SmallTsu && s.size() == 1) return 2 + (s[0] - 'A');
  return kNeedNothing;
}

bool Meets(int need, char first) {
  if (need == kNeedNothing) return true;
  if (need == kNeedConsonant) return first != 'N' && first != 'Y' && !std::strchr("AIUEO", first);
  return first == 'A' + (need - 2);
}

// The search behind FitPath and WholePath: each unit takes a spelling that
// agrees with the pattern where they overlap and meets what the unit before
// it asks of its first letter.
struct TFit {
  static constexpr int kNeeds = 28;
  const TRomajiWord& W;
  const std::string& Pattern;
  const TRomajiPath& Prefer;
  const TGuideStyle* Style;  // nullptr: prefer's choice, then the table's order
  bool Whole;                // the pattern must end exactly with the last unit
  std::vector<uint8_t> Dead;
  TRomajiPath Path;
  size_t EndUnit = 0;  // the unit the pattern ends in (Partial) or before
  bool Partial = false;

  TFit(const TRomajiWord& w, const std::string& p, const TRomajiPath& prefer,
       const TGuideStyle* style, bool whole)
      : W(w), Pattern(p), Prefer(prefer), Style(style), Whole(whole) {
    Dead.assign((w.Units.size() + 1) * (p.size() + 1) * kNeeds, 0);
    Path = prefer;
  }

  // The order a unit's spellings are tried in: prefer's, the style's, the rest.
  template <typename F>
  bool EachChoice(size_t k, F&& tryIndex) {
    const TRomajiUnit& u = W.Units[k];
    const std::array<int, 2> first = {Prefer[k],
                                      Style && !u.N && !u.SmallTsu ? StyleIndex(u, *Style) : -1};
    for (int idx : first)
      if (idx >= 0 && tryIndex(idx)) return true;
    for (int idx = 0; idx < static_cast<int>(u.Spellings.size()); ++idx)
      if (idx != first[0] && idx != first[1] && tryIndex(idx)) return true;
    return false;
  }

  // The pattern ended before unit k: some spelling of unit k (or the word's
  // end) must still meet the need.
  bool CanGoOn(size_t k, int need) {
    if (k == W.Units.size()) return need == kNeedNothing || need == kNeedConsonant;
    return EachChoice(k, [&](int idx) {
      if (!Meets(need, W.Units[k].Spellings[static_cast<size_t>(idx)][0])) return false;
      Path[k] = idx;
      return true;
    });
  }

  bool Run(size_t k, size_t at, int need) {
    const size_t n = W.Units.size();
    if (at == Pattern.size() && (!Whole || k == n)) {
      if (!CanGoOn(k, need)) return false;
      EndUnit = k;
      Partial = false;
      return true;
    }
    if (k == n) return false;
    uint8_t& dead = Dead[(k * (Pattern.size() + 1) + at) * kNeeds + static_cast<size_t>(need)];
    if (dead) return false;
    const TRomajiUnit& u = W.Units[k];
    const size_t rest = Pattern.size() - at;
    const bool found = EachChoice(k, [&](int idx) {
      const std::string& s = u.Spellings[static_cast<size_t>(idx)];
      if (!Meets(need, s[0])) return false;
      const size_t m = std::min(s.size(), rest);
      for (size_t i = 0; i < m; ++i)
        if (Pattern[at + i] != s[i]) return false;
      Path[k] = idx;
      if (s.size() > rest) {
        if (Whole) return false;
        EndUnit = k;
        Partial = true;
        return true;
      }
      return Run(k + 1, at + s.size(), NeedAfter(u, s));
    });
    if (!found) dead = 1;
    return found;
  }
};

bool StartsWithLetter(const std::string& s, char letter) {
  return !s.empty() && s[0] == letter;
}

}  // namespace

TRomajiWord MakeRomajiWord(const TKanaTable& table, const std::vector<std::string>& units) {
  const TSpecialKana& sp = Special();
  TRomajiWord word;
  for (size_t k = 0; k < units.size(); ++k) {
    const KanaEntry* e = FindKana(table, units[k]);
    if (!e || e->size() < 2) continue;
    TRomajiUnit u;
    u.Kana = units[k];
    u.Spellings.assign(e->begin() + 1, e->end());
    const bool hasNext = k + 1 < units.size();
    // A single N and a doubled letter stay in the lists: the search lets them
    // stand only before what an input method reads them with (NeedAfter).
    if (units[k] == sp.N) u.N = true;
    if (units[k] == sp.SmallTsu && hasNext) {
      u.SmallTsu = true;
      // Every first letter of the next unit that can be doubled, the
      // last-listed one first.
      std::vector<std::string> doubled;
      for (const std::string& letter : KanaFirstLetters(table, units[k + 1]))
        if (CanDouble(letter[0])) doubled.insert(doubled.begin(), letter);
      u.Spellings.insert(u.Spellings.begin(), doubled.begin(), doubled.end());
    }
    word.Units.push_back(std::move(u));
  }
  return word;
}

TRomajiWord LettersWord(const std::string& letters) {
  TRomajiWord word;
  if (!letters.empty()) word.Units.push_back(TRomajiUnit{"", {letters}, false, false});
  return word;
}

std::string PathRomaji(const TRomajiWord& word, const TRomajiPath& path) {
  std::string s;
  if (!Valid(word, path)) return s;
  for (size_t k = 0; k < path.size(); ++k) s += SpellingOf(word, path, k);
  return s;
}

std::string WordFirstLetters(const TRomajiWord& word) {
  std::string letters;
  if (word.Units.empty()) return letters;
  for (const std::string& s : word.Units[0].Spellings)
    if (letters.find(s[0]) == std::string::npos) letters += s[0];
  return letters;
}

TRomajiPath GuidePath(const TRomajiWord& word, const TGuideStyle& style) {
  const size_t n = word.Units.size();
  TRomajiPath path(n, 0);
  for (size_t k = n; k-- > 0;) {
    const std::string* next = k + 1 < n ? &SpellingOf(word, path, k + 1) : nullptr;
    path[k] = ChoiceFor(word.Units[k], next, style);
  }
  return path;
}

bool FitPath(const TRomajiWord& word, const std::string& pattern, const TRomajiPath& prefer,
             const TGuideStyle& style, TRomajiPath& out) {
  const TRomajiPath start = Valid(word, prefer) ? prefer : GuidePath(word, style);
  TFit fit(word, pattern, start, &style, false);
  if (!fit.Run(0, 0, kNeedNothing)) return false;
  TRomajiPath path = fit.Path;
  const size_t n = word.Units.size();
  const size_t first = fit.Partial ? fit.EndUnit + 1 : fit.EndUnit;
  // Units not begun keep their choices; "っ" and "ん" among them are fitted
  // again to what follows them.
  for (size_t k = n; k-- > first;) {
    const TRomajiUnit& u = word.Units[k];
    if (!u.N && !u.SmallTsu) continue;
    const std::string* next = k + 1 < n ? &SpellingOf(word, path, k + 1) : nullptr;
    path[k] = ChoiceFor(u, next, style);
  }
  // A doubled consonant just typed: the next unit starts with it.
  if (first > 0 && first < n && word.Units[first - 1].SmallTsu) {
    const std::string& typed = SpellingOf(word, path, first - 1);
    const TRomajiUnit& u = word.Units[first];
    if (typed.size() == 1 && !StartsWithLetter(SpellingOf(word, path, first), typed[0])) {
      const int styled = StyleIndex(u, style);
      if (StartsWithLetter(u.Spellings[static_cast<size_t>(styled)], typed[0])) {
        path[first] = styled;
      } else {
        for (size_t i = 0; i < u.Spellings.size(); ++i)
          if (StartsWithLetter(u.Spellings[i], typed[0])) {
            path[first] = static_cast<int>(i);
            break;
          }
      }
    }
  }
  out = std::move(path);
  return true;
}

bool WholePath(const TRomajiWord& word, const std::string& typed, const TRomajiPath& prefer,
               TRomajiPath& out) {
  const TRomajiPath start = Valid(word, prefer) ? prefer : TRomajiPath(word.Units.size(), 0);
  TFit fit(word, typed, start, nullptr, true);
  if (word.Units.empty() || !fit.Run(0, 0, kNeedNothing)) return false;
  out = fit.Path;
  return true;
}

bool PathMeetsNeeds(const TRomajiWord& word, const TRomajiPath& path) {
  int need = kNeedNothing;
  for (size_t k = 0; k < path.size(); ++k) {
    const std::string& s = SpellingOf(word, path, k);
    if (!Meets(need, s[0])) return false;
    need = NeedAfter(word.Units[k], s);
  }
  return need == kNeedNothing || need == kNeedConsonant;
}

double SpellingCount(const TRomajiWord& word) {
  if (word.Units.empty()) return 0;
  // Spellings by what the last unit asks of the next letter, unit by unit.
  std::array<double, TFit::kNeeds> ways{};
  ways[kNeedNothing] = 1;
  for (const TRomajiUnit& u : word.Units) {
    std::array<double, TFit::kNeeds> next{};
    for (int need = 0; need < TFit::kNeeds; ++need) {
      if (ways[need] == 0) continue;
      for (const std::string& s : u.Spellings)
        if (Meets(need, s[0])) next[NeedAfter(u, s)] += ways[need];
    }
    ways = next;
  }
  return ways[kNeedNothing] + ways[kNeedConsonant];
}

void ForEachSpelling(const TRomajiWord& word,
                     const std::function<bool(const std::string&)>& visit) {
  const size_t n = word.Units.size();
  if (n == 0) return;
  TRomajiPath path(n, 0);
  while (true) {
    if (PathMeetsNeeds(word, path) && !visit(PathRomaji(word, path))) return;
    size_t k = 0;
    while (k < n && ++path[k] == static_cast<int>(word.Units[k].Spellings.size())) path[k++] = 0;
    if (k == n) return;
  }
}

std::string ShortestRest(const TRomajiWord& word, const TRomajiPath& path, size_t at) {
  const size_t n = word.Units.size();
  if (!Valid(word, path)) return "";
  // The unit the letter at falls in and its letters typed so far.
  size_t k = 0, pos = 0;
  std::string begun;
  for (; k < n; ++k) {
    const std::string& s = SpellingOf(word, path, k);
    if (at < pos + s.size()) {
      begun = s.substr(0, at - pos);
      break;
    }
    pos += s.size();
  }
  if (k == n) return "";
  // What the typed unit before k asks of k's first letter.
  const int needIn =
      k > 0 && begun.empty() ? NeedAfter(word.Units[k - 1], SpellingOf(word, path, k - 1)) : 0;
  // From the last unit back: each unit's briefest spelling that goes on from
  // its typed letters and that the spelling chosen after it allows.
  TRomajiPath brief = path;
  for (size_t j = n; j-- > k;) {
    const TRomajiUnit& u = word.Units[j];
    const char next = j + 1 < n ? SpellingOf(word, brief, j + 1)[0] : 0;
    auto fits = [&](const std::string& s) {
      if (j == k && (s.compare(0, begun.size(), begun) != 0 || !Meets(needIn, s[0]))) return false;
      const int need = NeedAfter(u, s);
      return next ? Meets(need, next) : need <= kNeedConsonant;
    };
    // A begun unit keeps the spelling being typed unless another is briefer.
    int best = j == k && begun.size() > 0 && fits(SpellingOf(word, path, k)) ? path[k] : -1;
    for (size_t i = 0; i < u.Spellings.size(); ++i) {
      const std::string& s = u.Spellings[i];
      if (!fits(s)) continue;
      if (best < 0 || s.size() < u.Spellings[static_cast<size_t>(best)].size())
        best = static_cast<int>(i);
    }
    if (best >= 0) brief[j] = best;
  }
  std::string out =
      SpellingOf(word, brief, k).substr(std::min(begun.size(), SpellingOf(word, brief, k).size()));
  for (size_t j = k + 1; j < n; ++j) out += SpellingOf(word, brief, j);
  return out;
}

bool LearnSpellings(const TRomajiWord& word, const TRomajiPath& path, TGuideStyle& style) {
  if (!Valid(word, path)) return false;
  bool changed = false;
  for (size_t k = 0; k < word.Units.size(); ++k) {
    const TRomajiUnit& u = word.Units[k];
    if (u.Kana.empty()) continue;
    const std::string& s = SpellingOf(word, path, k);
    std::string learned = s;
    if (u.N) {
      // Only a choice between N and NN says something; the word's last ん
      // finishes on its first N whatever the player meant.
      if (k + 1 == word.Units.size() || IndexOf(u, "N") < 0 || IndexOf(u, "NN") < 0) continue;
    } else if (u.SmallTsu && s.size() == 1) {
      learned = kDoubledConsonant;
    }
    auto it = style.Learned.find(u.Kana);
    if (it == style.Learned.end() || it->second != learned) {
      style.Learned[u.Kana] = learned;
      changed = true;
    }
  }
  return changed;
}
