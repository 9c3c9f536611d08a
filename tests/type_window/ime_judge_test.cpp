// Every reading of the eight word lists typed with each one-letter typo of
// its Hepburn guide (a letter dropped, doubled or replaced by a neighbouring
// key), judged by a reference converter of the input methods' own tables: a
// letter is taken exactly while some input method could still turn the
// letters into the reading, so the first miss falls on the first letter where
// none could, and a word finishes with no miss only when the typo is itself
// a spelling an input method converts into the reading.
#include <memory>
#include <string>
#include <vector>

#include "base/sjis.h"
#include "ime/ime_reference.h"
#include "ime/ime_typos.h"
#include "typing_fixture.h"

namespace {

struct TOutcome {
  size_t FirstMiss = std::string::npos;  // index of the first letter missed
  size_t FinishedAt = 0;  // letters typed when the word was done before any miss (0: never)
};

class ImeJudgeTest : public TypingTest {
 protected:
  // One window of the word line, fully open, typed letter by letter through
  // the engine's key entry.
  TOutcome Type(const std::string& line, const std::string& letters) {
    ClearWindows(*g);
    g->Enemies.EnemyList.clear();
    // Sparks and sounds would pile up over tens of thousands of words with
    // no frame to play them out.
    g->SoundOn = 0;
    g->Effects.EffectList.clear();
    g->Typing.KeyQueue.clear();
    UseWords(1, {});
    g->Typing.WordLists[1] = {line};
    g->Typing.WordCounts[1] = 1;
    TEnemy& e = AddEnemy(100, 200);
    TTypeWindow& w = Open(e, 1);
    OpenFully();
    TOutcome out;
    for (size_t i = 0; i < letters.size(); ++i) {
      const bool taken = TypeLetter(*g, LetterNumber(std::string(1, letters[i])));
      if (!taken && out.FirstMiss == std::string::npos) out.FirstMiss = i;
      if (out.FirstMiss == std::string::npos && !out.FinishedAt && w.State == Closing)
        out.FinishedAt = i + 1;
    }
    return out;
  }
};

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

TEST_F(ImeJudgeTest, EveryOneLetterTypoOfEveryReadingMissesWhereNoInputMethodGoesOn) {
  auto full = MakeStartedGame(7);
  std::vector<std::string> lines;
  for (int n = 1; n <= 8; ++n)
    lines.insert(lines.end(), full->G.Typing.WordLists[n].begin(),
                 full->G.Typing.WordLists[n].end());
  ASSERT_GT(lines.size(), 1000u);
  TGuideStyle hepburn;
  hepburn.Kind = TRomajiStyle::Hepburn;
  int typos = 0, spellings = 0, failures = 0;
  for (const std::string& line : lines) {
    const size_t colon = line.rfind(':');
    const std::string reading = line.substr(colon + 1, line.size() - colon - 2);
    const std::string utf8 = SjisToUtf8(reading);
    const TRomajiWord word =
        MakeRomajiWord(g->Typing.KanaTable, CutReading(g->Typing.KanaTable, reading));
    const std::string guide = PathRomaji(word, GuidePath(word, hepburn));
    ASSERT_TRUE(ime_ref::IsImeSpelling(utf8, guide)) << utf8 << " " << guide;
    for (const ime_ref::Typo& typo : ime_ref::OneLetterTypos(guide)) {
      const std::string letters = Upper(typo.letters);
      const TOutcome got = Type(line, letters);
      ++typos;
      if (ime_ref::IsImeSpelling(utf8, letters)) {
        ++spellings;
        EXPECT_EQ(got.FirstMiss, std::string::npos) << utf8 << " " << letters << " is a spelling";
        EXPECT_NE(got.FinishedAt, 0u) << utf8 << " " << letters << " is a spelling";
      } else {
        const size_t dead = ime_ref::FirstDeadLetter(utf8, letters);
        EXPECT_EQ(got.FirstMiss, dead)
            << utf8 << " " << letters << " (" << ime_ref::TypoKindName(typo.kind) << ")";
        // Letters before the dead one are all taken, so a word can only be
        // done before it when they already spell the reading.
        if (got.FinishedAt) {
          EXPECT_TRUE(ime_ref::IsImeSpelling(utf8, letters.substr(0, got.FinishedAt)))
              << utf8 << " " << letters << " finished early";
        }
      }
      if (HasFailure() && ++failures > 20) return;
    }
  }
  EXPECT_GT(typos, 15000);
  EXPECT_GT(spellings, 100);  // e.g. SHINBUN → SINBUN, a dropped H
}

}  // namespace
