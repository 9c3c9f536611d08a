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
