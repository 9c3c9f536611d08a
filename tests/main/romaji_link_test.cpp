// The guide's style between the settings and the typing engine, and the
// learned spellings kept across runs beside settings.ini.
#include "main/romaji_link.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/sjis.h"
#include "scene_test_util.h"

namespace {

namespace fs = std::filesystem;

// A started game whose settings live in the folder, with one word list.
std::unique_ptr<TestGame> GameWithSettings(const TempDataDir& dir, const std::string& line) {
  auto t = MakeStartedGame(3);
  std::string message;
  t->G.Settings.Open(dir.File("config/settings.ini"), message);
  TakeRomajiStyle(t->G);
  for (int n = 1; n <= 8; ++n) {
    t->G.Typing.WordLists[n] = {Sjis(line)};
    t->G.Typing.WordCounts[n] = 1;
  }
  ClearWindows(t->G);
  return t;
}

TTypeWindow& OpenWindow(Game& g) {
  TTypeWindow& w = NewTypeWindow(g, nullptr, 200, 200, 1, 0);
  for (int i = 0; i < 7; ++i) StepWindows(g);
  return w;
}

TEST(RomajiLink, StyleAndLearnedSpellingsOutliveTheRun) {
  TempDataDir dir(false);
  {
    auto t = GameWithSettings(dir, "寿司:すし;");
    Game& g = t->G;
    EXPECT_EQ(OpenWindow(g).CurrentRomaji, "SUSHI");
    SetRomajiStyle(g, TRomajiStyle::Mine);
    EXPECT_EQ(g.Settings.Values().RomajiStyle, TRomajiStyle::Mine);
    ClearWindows(g);
    OpenWindow(g);
    for (char c : std::string("SUSI")) TypeLetter(g, LetterNumber(std::string(1, c)));
    EXPECT_EQ(g.Misses, 0);
    KeepRomajiStyle(g);
  }
  std::ifstream ini(dir.File("config/settings.ini"));
  const std::string text((std::istreambuf_iterator<char>(ini)), {});
  EXPECT_NE(text.find("romaji = mine"), std::string::npos) << text;
  ASSERT_TRUE(fs::exists(LearnedSpellingsPath(dir.File("config/settings.ini"))));

  // The next run shows what was learned.
  auto t = GameWithSettings(dir, "獅子:しし;");
  EXPECT_EQ(t->G.Typing.Style.Kind, TRomajiStyle::Mine);
  TTypeWindow& w = OpenWindow(t->G);
  EXPECT_EQ(w.CurrentRomaji, "SISI");
  // A style changed in the settings reaches the windows not being typed.
  TSettings s = t->G.Settings.Values();
  s.RomajiStyle = TRomajiStyle::Hepburn;
  std::string error;
  ASSERT_TRUE(t->G.Settings.Change(s, error)) << error;
  KeepRomajiStyle(t->G);
  EXPECT_EQ(w.CurrentRomaji, "SHISHI");
}

// Types the word of the only window open as the letters say.
void TypeWord(Game& g, const std::string& letters) {
  ClearWindows(g);
  OpenWindow(g);
  for (char c : letters) TypeLetter(g, LetterNumber(std::string(1, c)));
}

TEST(RomajiLink, TwoGamesKeepEachOthersNewSpellings) {
  // Both games start on the same folder before either has learned anything.
  TempDataDir dir(false);
  auto a = GameWithSettings(dir, "寿司:すし;");
  SetRomajiStyle(a->G, TRomajiStyle::Mine);
  auto b = GameWithSettings(dir, "獅子:しし;");
  ASSERT_EQ(b->G.Typing.Style.Kind, TRomajiStyle::Mine);

  TypeWord(a->G, "SUSI");  // A learns し = SI
  KeepRomajiStyle(a->G);
  TypeWord(b->G, "SHISHI");  // B learns し = SHI after A: the newer spelling
  KeepRomajiStyle(b->G);
  for (int n = 1; n <= 8; ++n) a->G.Typing.WordLists[n] = {Sjis("蚊:か;")};
  TypeWord(a->G, "KA");  // A learns only か, and keeps again
  KeepRomajiStyle(a->G);
  EXPECT_EQ(a->G.Misses + b->G.Misses, 0);
  EXPECT_TRUE(a->Platform.Errors().empty() && b->Platform.Errors().empty());

  std::ifstream in(LearnedSpellingsPath(dir.File("config/settings.ini")));
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(text.find("し=SHI\n"), std::string::npos) << text;
  EXPECT_NE(text.find("か=KA\n"), std::string::npos) << text;
  EXPECT_NE(text.find("す=SU\n"), std::string::npos) << text;
}

TEST(RomajiLink, InMemorySettingsWriteNoFile) {
  auto t = MakeStartedGame(3);
  EXPECT_EQ(LearnedSpellingsPath(""), "");
  t->G.Typing.Style.Kind = TRomajiStyle::Mine;
  t->G.Typing.StyleLearned = true;
  KeepRomajiStyle(t->G);  // the default settings say Hepburn, and nothing is written
  EXPECT_EQ(t->G.Typing.Style.Kind, TRomajiStyle::Hepburn);
  EXPECT_FALSE(t->G.Typing.StyleLearned);
  EXPECT_TRUE(t->Platform.Errors().empty());
}

}  // namespace
