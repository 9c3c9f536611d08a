// Every reading of the eight word lists typed the ways players type it, through
// the real input path: key events of a key script delivered to the window's
// key handlers before whole play frames. Each spelling must hit its enemy
// exactly at its last letter, with no miss.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "base/random.h"
#include "base/sjis.h"
#include "drive/key_script.h"
#include "enemy/enemy.h"
#include "main/form.h"
#include "main/form_keys.h"
#include "main/scenes.h"
#include "scene_test_util.h"
#include "script/script.h"

namespace {

bool HasXorL(const std::string& s) {
  return s.find('X') != std::string::npos || s.find('L') != std::string::npos;
}

int IndexOf(const TRomajiUnit& u, const std::string& s) {
  for (size_t i = 0; i < u.Spellings.size(); ++i)
    if (u.Spellings[i] == s) return static_cast<int>(i);
  return -1;
}

// A spelling an input method would take: each kana in one of its usual
// spellings (no small-kana compositions), っ as the doubled consonant or XTU,
// LTU, XTSU, ん as NN or, where an input method reads it so, N (before a
// consonant other than N and Y, or at the end). mode 0 mixes at random; 1 is
// the Hepburn guide; 2 the Kunrei guide with NN everywhere.
std::string UsualSpelling(const TRomajiWord& w, int mode, TRandom& rng) {
  TGuideStyle style;
  style.Kind = mode == 2 ? TRomajiStyle::Kunrei : TRomajiStyle::Hepburn;
  TRomajiPath path = GuidePath(w, style);
  const size_t n = w.Units.size();
  for (size_t k = n; k-- > 0;) {
    const TRomajiUnit& u = w.Units[k];
    if (u.N) {
      const int nn = IndexOf(u, "NN");
      int single = IndexOf(u, "N");
      if (k + 1 < n) {
        const char next = w.Units[k + 1].Spellings[static_cast<size_t>(path[k + 1])][0];
        if (std::strchr("AIUEONY", next)) single = -1;
      }
      if (mode == 2 || single < 0 || rng.Random(2) == 0)
        path[k] = nn;
      else if (mode == 0)
        path[k] = single;
    } else if (u.SmallTsu) {
      const std::string& next = w.Units[k + 1].Spellings[static_cast<size_t>(path[k + 1])];
      const int doubled = IndexOf(u, std::string(1, next[0]));
      if (mode == 0) {
        const char* own[] = {"XTU", "LTU", "XTSU"};
        const int pick = rng.Random(5);
        path[k] = pick < 3 && IndexOf(u, own[pick]) >= 0 ? IndexOf(u, own[pick]) : doubled;
      }
      if (path[k] < 0) path[k] = doubled;
    } else if (mode == 0) {
      std::vector<int> usual;
      for (size_t i = 0; i < u.Spellings.size(); ++i)
        if (!HasXorL(u.Spellings[i]) || u.Kana.empty()) usual.push_back(static_cast<int>(i));
      if (!usual.empty())
        path[k] = usual[static_cast<size_t>(rng.Random(static_cast<int>(usual.size())))];
    }
  }
  return PathRomaji(w, path);
}

class TypingHabits : public ::testing::Test {
 protected:
  // Part 1 of stage 1 under way with a script that waits for ever, so that an
  // empty field never ends the stage.
  void SetUp() override {
    const std::string script = dir.File("try.lin");
    std::ofstream(script, std::ios::binary) << Sjis("ためし") << "\r\nblue,0,0;\r\n*99999\r\n"
                                            << Sjis(":歩兵:1,0,60,90,20,0.5;") << "\r\nend;\r\n";
    t = StartedIn(dir);
    G().TryScriptPath = script;
    G().Stage = 1;
    G().Part = 0;
    StartNextPart(G());
    G().Scenes.CurtainState = 0;
    ClearPlayObjects(G());
  }
  Game& G() { return t->G; }

  // Spawns an enemy whose window shows the word line, waits until it can be
  // typed, then plays the key script "1 type LETTERS" frame by frame. Returns
  // the number of letters after which the enemy was hit (0: never).
  size_t Play(const std::string& line, const std::string& letters) {
    Game& g = G();
    for (int n = 1; n <= 8; ++n) {
      g.Typing.WordLists[n] = {line};
      g.Typing.WordCounts[n] = 1;
    }
    TEnemy* e = SpawnFromLine(g, Sjis(":歩兵:1,0,60,200,20,0.1;"));
    if (!e) return 0;
    for (int i = 0;
         i < 40 && !(g.Typing.WindowList.size() == 1 && g.Typing.WindowList[0]->State == Active);
         ++i)
      StepFrame(*t);
    std::vector<TTimedKey> keys;
    std::string error;
    EXPECT_TRUE(ParseKeyScript({"1 type " + letters}, "k.txt", keys, error)) << error;
    const int64_t kills = g.Kills;
    size_t hitAt = 0, next = 0, typed = 0;
    for (int64_t frame = 1; frame <= static_cast<int64_t>(letters.size()) + 1; ++frame) {
      for (; next < keys.size() && keys[next].Frame == frame; ++next) {
        DeliverKeyEvent(g, keys[next].Key);
        typed += keys[next].Key.Down;
      }
      StepFrame(*t);
      if (!hitAt && g.Kills > kills) hitAt = typed;
    }
    // Let the dying enemy and its window leave the field.
    for (int i = 0; i < 60 && !g.Enemies.EnemyList.empty(); ++i) StepFrame(*t);
    ClearPlayObjects(g);
    return hitAt;
  }

  TempDataDir dir;
  std::unique_ptr<TestGame> t;
};

TEST_F(TypingHabits, EveryReadingTypedInUsualSpellingsHitsAtItsLastLetter) {
  Game& g = G();
  ASSERT_EQ(g.Scene, 10);
  std::vector<std::string> lines;
  for (int n = 1; n <= 8; ++n)
    lines.insert(lines.end(), g.Typing.WordLists[n].begin(), g.Typing.WordLists[n].end());
  ASSERT_GT(lines.size(), 1000u);
  TRandom rng;
  rng.Seed(11);
  const int64_t misses = g.Misses;
  int words = 0;
  for (const std::string& line : lines) {
    const size_t colon = line.rfind(':');
    const std::string reading = line.substr(colon + 1, line.size() - colon - 2);
    const TRomajiWord w =
        MakeRomajiWord(g.Typing.KanaTable, CutReading(g.Typing.KanaTable, reading));
    for (int mode : {0, 1, 2}) {
      const std::string letters = UsualSpelling(w, mode, rng);
      // A final ん typed NN finishes on its first N; the second is absorbed.
      const bool finalNN = w.Units.back().N && letters.size() > 2 &&
                           letters.compare(letters.size() - 2, 2, "NN") == 0;
      const size_t want = letters.size() - (finalNN ? 1 : 0);
      const int64_t before = g.Misses;
      EXPECT_EQ(Play(line, letters), want) << SjisToUtf8(line) << " " << letters;
      EXPECT_EQ(g.Misses, before) << SjisToUtf8(line) << " " << letters;
      ++words;
    }
    if (HasFailure()) break;
  }
  EXPECT_EQ(g.Misses, misses);
  EXPECT_EQ(words, static_cast<int>(lines.size()) * 3);
}

// The letters before the wrong one are all taken and the wrong one is the
// only miss, where re-reading the typed letters once let these through.
TEST_F(TypingHabits, LettersNoInputMethodTakesMissWhereTheyAreTyped) {
  struct TCase {
    const char* Line;
    const char* Letters;  // typed up to and including the wrong letter
  };
  const TCase cases[] = {
      {"新幹線:しんかんせん;", "SHN"},
      {"新幹線:しんかんせん;", "SIIN"},
      {"線香花火:せんこうはなび;", "SENKOUHAH"},
      {"犬:いぬ;", "INN"},
      {"七:しち;", "CH"},
      {"団扇:うちわ;", "UCI"},
      {"机:つくえ;", "TSK"},
      {"電話:でんわ;", "DENWW"},
      {"ハンカチ:はんかち;", "HANKACI"},
      {"金曜日:きんようび;", "KINY"},
      {"本屋さん:ほんやさん;", "HONY"},
      {"学校:がっこう;", "GAKC"},
      {"学校:がっこう;", "GACK"},
      {"雑誌:ざっし;", "ZACS"},
      {"雑誌:ざっし;", "ZASC"},
      {"抹茶:まっちゃ;", "MACT"},
      {"抹茶:まっちゃ;", "MATC"},
      {"坊っちゃん:ぼっちゃん;", "BOTC"},
  };
  Game& g = G();
  for (const TCase& c : cases) {
    const std::string letters = c.Letters;
    const int64_t misses = g.Misses, kills = g.Kills;
    EXPECT_EQ(Play(Sjis(c.Line), letters), 0u) << c.Line << " " << letters;
    EXPECT_EQ(g.Misses, misses + 1) << c.Line << " " << letters;
    EXPECT_EQ(g.Kills, kills);
  }
  // What an input method takes: N before W, XN, CCH.
  for (const TCase& c :
       {TCase{"歓迎:かんう;", "KANWU"}, TCase{"図書館:としょかん;", "TOSHOKAXN"},
        TCase{"抹茶:まっちゃ;", "MACCHA"}, TCase{"坊っちゃん:ぼっちゃん;", "BOCCHANN"}}) {
    const int64_t misses = g.Misses;
    const std::string letters = c.Letters;
    const size_t want = letters.size() - (letters.compare(letters.size() - 2, 2, "NN") == 0);
    EXPECT_EQ(Play(Sjis(c.Line), letters), want) << c.Line << " " << letters;
    EXPECT_EQ(g.Misses, misses) << c.Line << " " << letters;
  }
}

// With ぱん and なす on the field, the N after PAN begins なす when the next
// letter makes it so, and is the rest of PAN's NN when it does not.
TEST_F(TypingHabits, AnNAfterAWordEndingInOneNGoesWhereTheNextLetterSays) {
  Game& g = G();
  for (const char* letters : {"PANNASU", "PANNNASU"}) {
    // One enemy per word: each takes the only word its list holds.
    size_t opened = 0;
    for (const char* line : {"パン:ぱん;", "茄子:なす;"}) {
      ++opened;
      for (int n = 1; n <= 8; ++n) {
        g.Typing.WordLists[n] = {Sjis(line)};
        g.Typing.WordCounts[n] = 1;
      }
      SpawnFromLine(g, Sjis(":歩兵:1,0,60,200,20,0.1;"));
      for (int i = 0; i < 40 && !(g.Typing.WindowList.size() == opened &&
                                  g.Typing.WindowList.back()->State == Active);
           ++i)
        StepFrame(*t);
    }
    ASSERT_EQ(g.Typing.WindowList.size(), 2u);
    std::vector<TTimedKey> keys;
    std::string error;
    ASSERT_TRUE(ParseKeyScript({std::string("1 type ") + letters}, "k.txt", keys, error));
    const int64_t misses = g.Misses, kills = g.Kills, typed = g.KeysTyped;
    size_t next = 0;
    for (int64_t frame = 1; frame <= 12; ++frame) {
      for (; next < keys.size() && keys[next].Frame == frame; ++next)
        DeliverKeyEvent(g, keys[next].Key);
      StepFrame(*t);
      // Every key counts once, also while the N after PAN is held.
      if (frame == 4) {
        EXPECT_EQ(g.KeysTyped, typed + 4) << letters;
      }
    }
    EXPECT_EQ(g.Misses, misses) << letters;
    EXPECT_EQ(g.Kills, kills + 2) << letters;
    EXPECT_EQ(g.KeysTyped, typed + static_cast<int64_t>(std::strlen(letters))) << letters;
    for (int i = 0; i < 60 && !g.Enemies.EnemyList.empty(); ++i) StepFrame(*t);
    ClearPlayObjects(g);
  }
}

}  // namespace
