// Typed letters: choosing the target, matching and switching romaji, misses
// and their penalty, finishing a word.
#include "type_window/typing_fixture.h"

namespace {

TEST_F(TypingTest, KeyCodesBecomeLetters) {
  EXPECT_EQ(KeyToLetter(65), 1);
  EXPECT_EQ(KeyToLetter(90), 26);
  EXPECT_EQ(KeyToLetter(189), 27);
}

TEST_F(TypingTest, FirstLetterPicksTheFirstWindowThatCanTakeIt) {
  UseWords(1, {"柿:かき;"});
  TEnemy& e1 = AddEnemy(50, 200);
  TEnemy& e2 = AddEnemy(250, 200);
  TTypeWindow& first = Open(e1, 1);
  TTypeWindow& second = Open(e2, 1);
  ASSERT_EQ(first.CurrentRomaji, "KAKI");
  ASSERT_EQ(second.CurrentRomaji, "KAKI");
  // Not yet open: nothing can be typed.
  EXPECT_FALSE(TypeLetter(*g, 11));
  EXPECT_EQ(g->Typing.Target, nullptr);
  OpenFully();
  // A locked window is passed over.
  LockWindows(*g, &e1, true);
  EXPECT_TRUE(TypeLetter(*g, 11));
  EXPECT_EQ(g->Typing.Target, &second);
  ReleaseTarget(*g);
  LockWindows(*g, &e1, false);
  EXPECT_TRUE(TypeLetter(*g, 11));
  EXPECT_EQ(g->Typing.Target, &first);
  EXPECT_EQ(first.Position, 2);
  EXPECT_EQ(first.Typed, "K");
}

TEST_F(TypingTest, AnotherCandidatesFirstLetterSelectsAndSwitches) {
  UseWords(1, {"鹿:しか;"});
  TEnemy& e = AddEnemy(100, 200);
  TTypeWindow& w = Open(e, 1);
  OpenFully();
  // The guide shows Hepburn's SHI for し.
  ASSERT_EQ(w.CurrentRomaji, "SHIKA");
  EXPECT_TRUE(TypeLetter(*g, LetterNumber("C")));
  EXPECT_EQ(g->Typing.Target, &w);
  EXPECT_EQ(w.CurrentRomaji, "CIKA");
}

TEST_F(TypingTest, TypedLettersAreNeverReadAgain) {
  // C is し's CI; CH can only be ち's start, which is not there, so H is a
  // miss at the H and the C stays: C, I, T, I then finishes しち.
  UseWords(1, {"七:しち;"});
  TEnemy& e = AddEnemy(100, 200);
  TTypeWindow& w = Open(e, 1);
  OpenFully();
  ASSERT_TRUE(TypeLetter(*g, LetterNumber("C")));
  const int64_t misses = g->Misses;
  EXPECT_FALSE(TypeLetter(*g, LetterNumber("H")));
  EXPECT_EQ(g->Misses, misses + 1);
  EXPECT_EQ(w.Typed, "C");
  for (char c : std::string("ITI")) ASSERT_TRUE(TypeLetter(*g, c - 'A' + 1)) << c;
  EXPECT_EQ(w.CurrentRomaji, "CITI");
  // The word is done: the enemy was hit and the window closes.
  EXPECT_EQ(e.State, 100);
  EXPECT_EQ(w.State, Closing);
  EXPECT_EQ(g->Typing.Target, nullptr);
  EXPECT_EQ(Count("Key4"), 1);
  EXPECT_EQ(Count("Key3"), 3);
}

TEST_F(TypingTest, TargetOnlyTakesItsOwnLettersUntilEscape) {
  UseWords(1, {"柿:かき;", "猫:ねこ;"});
  TEnemy& e1 = AddEnemy(50, 200);
  TEnemy& e2 = AddEnemy(250, 200);
  TTypeWindow& a = Open(e1, 1);
  TTypeWindow& b = Open(e2, 1);
  OpenFully();
  TTypeWindow& kaki = a.CurrentRomaji == "KAKI" ? a : b;
  TTypeWindow& neko = a.CurrentRomaji == "KAKI" ? b : a;
  ASSERT_EQ(neko.CurrentRomaji, "NEKO");
  Queue("KA");
  UpdateTypeWindows(*g);
  EXPECT_EQ(g->Typing.Target, &kaki);
  EXPECT_EQ(kaki.Position, 3);
  g->Rate = 50;
  Queue("N");
  UpdateTypeWindows(*g);
  EXPECT_EQ(g->Typing.Target, &kaki);
  EXPECT_EQ(kaki.Position, 3);
  EXPECT_EQ(g->Rate, 20);
  EXPECT_EQ(g->MissBlink, 15);
  EXPECT_EQ(g->Misses, 1);
  // Escape held: released to its first letter, the next N picks the other.
  g->Inputer.SetHeld(27, true);
  g->Inputer.PollKeyboard();
  UpdateTypeWindows(*g);
  EXPECT_EQ(g->Typing.Target, nullptr);
  EXPECT_EQ(kaki.Position, 1);
  EXPECT_TRUE(kaki.Typed.empty());
  g->Inputer.SetHeld(27, false);
  g->Inputer.PollKeyboard();
  Queue("N");
  UpdateTypeWindows(*g);
  EXPECT_EQ(g->Typing.Target, &neko);
}

TEST_F(TypingTest, AMissDropsTheRestOfTheFrame) {
  UseWords(1, {"猫:ねこ;"});
  TEnemy& e = AddEnemy(100, 200);
  TTypeWindow& w = Open(e, 1);
  OpenFully();
  Queue("NZEK");
  UpdateTypeWindows(*g);
  EXPECT_TRUE(g->Typing.KeyQueue.empty());
  EXPECT_EQ(w.Position, 2);
  EXPECT_EQ(g->KeysTyped, 1);
  EXPECT_EQ(g->Misses, 1);
  EXPECT_EQ(Count("error1"), 1);
}

TEST_F(TypingTest, FinishingAWordFreesTheKeyboardForTheNextWindow) {
  UseWords(1, {"柿:かき;", "猫:ねこ;"});
  TEnemy& e1 = AddEnemy(50, 200);
  TEnemy& e2 = AddEnemy(250, 200);
  Open(e1, 1);
  Open(e2, 1);
  OpenFully();
  const size_t effects = g->Effects.EffectList.size();
  Queue("NEKOK");
  UpdateTypeWindows(*g);
  EXPECT_EQ(g->KeysTyped, 5);
  ASSERT_NE(g->Typing.Target, nullptr);
  EXPECT_EQ(g->Typing.Target->CurrentRomaji, "KAKI");
  EXPECT_EQ(g->Typing.Target->Position, 2);
  // Every accepted letter bursts 18 sparks.
  EXPECT_GE(g->Effects.EffectList.size(), effects + 5 * 18);
}

TEST_F(TypingTest, RateStaysWithinZeroAndHundred) {
  UseWords(1, {"猫:ねこ;"});
  TEnemy& e = AddEnemy(100, 200);
  Open(e, 1);
  OpenFully();
  g->Rate = 100;
  EXPECT_TRUE(TypeLetter(*g, LetterNumber("N")));
  EXPECT_EQ(g->Rate, 100);
  g->Rate = 99;
  EXPECT_TRUE(TypeLetter(*g, LetterNumber("E")));
  EXPECT_EQ(g->Rate, 100);
  g->Rate = 10;
  EXPECT_FALSE(TypeLetter(*g, LetterNumber("Q")));
  EXPECT_EQ(g->Rate, 0);
  EXPECT_FALSE(TypeLetter(*g, LetterNumber("Q")));
  EXPECT_EQ(g->Rate, 0);
}

TEST_F(TypingTest, LockedTargetMissesUntilUnlocked) {
  UseWords(1, {"猫:ねこ;"});
  TEnemy& e = AddEnemy(100, 200);
  TTypeWindow& w = Open(e, 1);
  OpenFully();
  EXPECT_TRUE(TypeLetter(*g, LetterNumber("N")));
  LockWindows(*g, &e, true);
  EXPECT_FALSE(TypeLetter(*g, LetterNumber("E")));
  EXPECT_EQ(w.Position, 2);
  EXPECT_EQ(g->Typing.Target, &w);
  LockWindows(*g, &e, false);
  EXPECT_TRUE(TypeLetter(*g, LetterNumber("E")));
  EXPECT_EQ(w.Position, 3);
}

TEST_F(TypingTest, AMissLaunchesOneOfThePresentBombs) {
  auto& bombs = g->Enemies.Bombs;
  for (int i = 1; i <= 6; ++i) {
    bombs[i].Present = 0;
    bombs[i].RiseSpeed = 0;
    bombs[i].RiseFrames = 0;
  }
  // None present: nothing to launch, and no endless search.
  TypingMiss(*g);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(bombs[i].RiseSpeed, 0);
  bombs[4].Present = 1;
  for (int k = 0; k < 20; ++k) {
    bombs[4].RiseFrames = 0;
    TypingMiss(*g);
    EXPECT_EQ(bombs[4].RiseSpeed, 2);
    EXPECT_GE(bombs[4].RiseFrames, 10);
    EXPECT_LE(bombs[4].RiseFrames, 19);
  }
  for (int i : {1, 2, 3, 5, 6}) EXPECT_EQ(bombs[i].RiseSpeed, 0);
  // With several present, each of them gets launched now and then.
  for (int i = 1; i <= 6; ++i) bombs[i].Present = 1, bombs[i].RiseSpeed = 0;
  for (int k = 0; k < 200; ++k) TypingMiss(*g);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(bombs[i].RiseSpeed, 2) << i;
}

TEST_F(TypingTest, SoundsFollowTheSoundSwitch) {
  UseWords(1, {"猫:ねこ;"});
  TEnemy& e = AddEnemy(100, 200);
  Open(e, 1);
  OpenFully();
  g->SoundOn = 0;
  EXPECT_TRUE(TypeLetter(*g, LetterNumber("N")));
  EXPECT_FALSE(TypeLetter(*g, LetterNumber("X")));
  EXPECT_EQ(Count("Key3") + Count("error1"), 0);
  g->SoundOn = 1;
  EXPECT_TRUE(TypeLetter(*g, LetterNumber("E")));
  EXPECT_EQ(Count("Key3"), 1);
}

TEST_F(TypingTest, RandomWindowsAreTypedLetterByLetter) {
  TEnemy& e = AddEnemy(100, 200, 20, 20, "random");
  TTypeWindow& w = Open(e, 4);
  OpenFully();
  ASSERT_EQ(w.CurrentRomaji.size(), 4u);
  Queue(w.CurrentRomaji);
  UpdateTypeWindows(*g);
  EXPECT_EQ(e.State, 100);
  EXPECT_EQ(w.State, Closing);
  EXPECT_EQ(g->Misses, 0);
}

// Typing a whole word, one frame per letter; the misses it cost.
int64_t TypeWord(TypingTest& t, Game& g, const std::string& letters) {
  const int64_t misses = g.Misses;
  for (char c : letters) {
    g.Typing.KeyQueue.push_back(LetterNumber(std::string(1, c)));
    UpdateTypeWindows(g);
  }
  (void)t;
  return g.Misses - misses;
}

TEST_F(TypingTest, SwitchingHonoursEverythingTyped) {
  // Each once died early on a shorter spelling, or never finished.
  struct Case {
    const char* Line;
    const char* Typed;
  };
  for (const Case& c :
       {Case{"新幹線:しんかんせん;", "SHINNKANNSEN"}, Case{"新幹線:しんかんせん;", "SINKANNSENN"},
        Case{"ポテトチップス:ぽてとちっぷす;", "POTETOCHIXTSUPUSU"},
        Case{"ジャンケンポン:じゃんけんぽん;", "ZYANNKENNPONN"},
        Case{"祇園精舎の鐘の声:ぎおんしょうじゃのかねのこえ;", "GIONNSHOUJANOKANENOCOE"},
        Case{"切手:きって;", "KILTUTE"}}) {
    UseWords(1, {c.Line});
    TEnemy& e = AddEnemy(100, 200);
    TTypeWindow& w = Open(e, 1);
    OpenFully();
    std::string typed = c.Typed;
    // A final NN finishes on its first N (the second is absorbed, below).
    if (typed.size() > 2 && typed.compare(typed.size() - 2, 2, "NN") == 0) typed.pop_back();
    // Every letter but the last leaves the word open, the last one hits.
    EXPECT_EQ(TypeWord(*this, *g, typed.substr(0, typed.size() - 1)), 0) << c.Typed;
    EXPECT_EQ(w.State, Active) << c.Typed;
    EXPECT_EQ(w.CurrentRomaji.substr(0, typed.size() - 1), typed.substr(0, typed.size() - 1));
    EXPECT_EQ(TypeWord(*this, *g, typed.substr(typed.size() - 1)), 0) << c.Typed;
    EXPECT_EQ(e.State, 100) << c.Typed;
    EXPECT_EQ(w.State, Closing) << c.Typed;
    EXPECT_EQ(TypeWord(*this, *g, std::string(c.Typed).substr(typed.size())), 0) << c.Typed;
    ClearWindows(*g);
  }
}

TEST_F(TypingTest, SecondNOfAFinalNNIsAbsorbed) {
  UseWords(1, {"パン:ぱん;"});
  UseWords(2, {"猫:ねこ;"});
  TEnemy& e1 = AddEnemy(50, 200);
  TEnemy& e2 = AddEnemy(250, 200);
  TTypeWindow& pan = Open(e1, 1);
  TTypeWindow& neko = Open(e2, 2);
  OpenFully();
  EXPECT_EQ(pan.CurrentRomaji, "PANN");
  // The first N finishes パン; the second costs nothing and targets nothing.
  EXPECT_EQ(TypeWord(*this, *g, "PAN"), 0);
  EXPECT_EQ(e1.State, 100);
  EXPECT_EQ(Count("Key4"), 1);
  const int rate = g->Rate;
  const size_t sounds = g->Waves.PlayLog.size();
  EXPECT_EQ(TypeWord(*this, *g, "N"), 0);
  EXPECT_EQ(g->Typing.Target, nullptr);
  EXPECT_EQ(neko.Position, 1);
  EXPECT_EQ(g->Rate, rate);
  EXPECT_EQ(g->Waves.PlayLog.size(), sounds);
  // Only one N, and only right after: the next N picks ねこ.
  EXPECT_EQ(TypeWord(*this, *g, "N"), 0);
  EXPECT_EQ(g->Typing.Target, &neko);
  ReleaseTarget(*g);

  // A word typed NN everywhere, then ねこ a second later: N is not swallowed.
  UseWords(1, {"パン:ぱん;"});
  TEnemy& e3 = AddEnemy(50, 200);
  Open(e3, 1);
  OpenFully();
  EXPECT_EQ(TypeWord(*this, *g, "PAN"), 0);
  for (int i = 0; i < 20; ++i) UpdateTypeWindows(*g);
  EXPECT_EQ(TypeWord(*this, *g, "NEKO"), 0);
  EXPECT_EQ(e2.State, 100);
}

TEST_F(TypingTest, GuideShowsTheRestOfTheSpellingThePlayerIsOn) {
  UseWords(1, {"写真:しゃしん;"});
  TEnemy& e = AddEnemy(100, 200);
  TTypeWindow& w = Open(e, 1);
  OpenFully();
  ASSERT_EQ(w.CurrentRomaji, "SHASHINN");
  EXPECT_EQ(TypeWord(*this, *g, "SY"), 0);
  EXPECT_EQ(w.CurrentRomaji, "SYASHINN");
  EXPECT_EQ(TypeWord(*this, *g, "ASI"), 0);
  EXPECT_EQ(w.CurrentRomaji, "SYASINN");
  EXPECT_EQ(w.Position, 6);
  // A letter that fits no spelling is a miss and changes nothing.
  EXPECT_EQ(TypeWord(*this, *g, "Q"), 1);
  EXPECT_EQ(w.CurrentRomaji, "SYASINN");
  EXPECT_EQ(w.Position, 6);
}

TEST_F(TypingTest, MineLearnsFromFinishedWordsAndOtherStylesDoNot) {
  UseWords(1, {"寿司:すし;"});
  g->Typing.Style.Kind = TRomajiStyle::Mine;
  TEnemy& e = AddEnemy(100, 200);
  ASSERT_EQ(Open(e, 1).CurrentRomaji, "SUSHI");
  OpenFully();
  EXPECT_EQ(TypeWord(*this, *g, "SUSI"), 0);
  EXPECT_TRUE(g->Typing.StyleLearned);
  ClearWindows(*g);
  UseWords(1, {"獅子:しし;"});
  EXPECT_EQ(Open(e, 1).CurrentRomaji, "SISI");
  // Kunrei shows its own spellings whatever was learned.
  g->Typing.Style.Kind = TRomajiStyle::Kunrei;
  UseWords(1, {"地図:ちず;"});
  EXPECT_EQ(Open(e, 1).CurrentRomaji, "TIZU");
  g->Typing.Style.Kind = TRomajiStyle::Hepburn;
  RefreshGuides(*g);
  EXPECT_EQ(g->Typing.WindowList.back()->CurrentRomaji, "CHIZU");
}

}  // namespace
