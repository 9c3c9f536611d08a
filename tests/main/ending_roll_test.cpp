// The result and ending roll: its lines, damaged ending files, the speed of
// the roll, its end, the dancers and the dark strip; and the shipped ending
// texts themselves.
#include "main/ending_roll.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/sjis.h"
#include "main/game_over.h"
#include "main/scenes.h"
#include "scene_test_util.h"

namespace {

class RollTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = StartedIn(dir);
    G().Stage = 3;
    G().Scene = 30;
  }
  Game& G() { return t->G; }
  TSceneState& S() { return t->G.Scenes; }
  // Replaces the stage's ending file (a link into the generated folder).
  void WriteEnding(const std::string& sjisText) {
    std::string path = dir.File("dat/ending" + std::to_string(G().Stage) + ".lin");
    std::filesystem::remove(path);
    WriteBytes(path, std::vector<uint8_t>(sjisText.begin(), sjisText.end()));
  }
  std::string Line(int k) { return S().Roll[k].LineText; }
  TempDataDir dir;
  std::unique_ptr<TestGame> t;
};

TEST_F(RollTest, ScoreLinesThenTheFileUpToEnd) {
  WriteEnding(Sjis("一行目\r\n\r\n三行目\r\nend;\r\nこの行は読まない\r\n"));
  BuildRoll(G(), 1200, 1920, 2);
  const char* head[] = {"得点", "1200", "｜",   "｜", "｜難易度に応じて", "｜得点アップ！！",
                        "↓",    "得点", "1920", "",   "2位にランクイン！"};
  for (int k = 0; k < 11; ++k) EXPECT_EQ(Line(k), Sjis(head[k])) << "line " << k;
  EXPECT_EQ(Line(11), Sjis("一行目"));
  EXPECT_EQ(Line(12), "");
  EXPECT_EQ(Line(13), Sjis("三行目"));
  EXPECT_EQ(Line(14), "end;");
  EXPECT_EQ(S().RollCount, 15);
  for (int k = 0; k < S().RollCount; ++k) EXPECT_EQ(S().Roll[k].LineY, 576 + 16 * k);
  EXPECT_EQ(S().DancerCount, 4);
  EXPECT_EQ(S().EndingTimer, 0);
  EXPECT_EQ(S().DanceAngle, 0);
}

TEST_F(RollTest, MissingFileEndsAfterTheScoreLines) {
  std::filesystem::remove(dir.File("dat/ending3.lin"));
  BuildRoll(G(), 10, 16, -1);
  EXPECT_EQ(Line(10), "");  // not placed: no rank text
  EXPECT_EQ(S().RollCount, 12);
  EXPECT_EQ(Line(11), "end;");
  EXPECT_EQ(S().Roll[11].LineY, 576 + 16 * 11);
  EXPECT_EQ(CountErrorsContaining(*t, "ending3.lin"), 1);
}

TEST_F(RollTest, FileWithoutEndOrTooLongIsCut) {
  WriteEnding("a\nb\nc");
  BuildRoll(G(), 0, 0, -1);
  EXPECT_EQ(S().RollCount, 15);
  EXPECT_EQ(Line(13), "c");
  EXPECT_EQ(Line(14), "end;");

  std::ostringstream many;
  for (int i = 0; i < 300; ++i) many << "line" << i << "\n";
  WriteEnding(many.str());
  BuildRoll(G(), 0, 0, -1);
  EXPECT_EQ(S().RollCount, 200);
  EXPECT_EQ(Line(198), "line187");
  EXPECT_EQ(Line(199), "end;");

  // "end;" as the 189th line of the file still fits.
  std::ostringstream full;
  for (int i = 0; i < 188; ++i) full << "x" << i << "\n";
  full << "end;\n";
  WriteEnding(full.str());
  BuildRoll(G(), 0, 0, -1);
  EXPECT_EQ(S().RollCount, 200);
  EXPECT_EQ(Line(198), "x187");
  EXPECT_EQ(Line(199), "end;");
}

TEST_F(RollTest, DancersPerStage) {
  for (int stage : {1, 9, 10}) {
    G().Stage = stage;
    BuildRoll(G(), 0, 0, -1);
    EXPECT_EQ(S().DancerCount, stage == 10 ? 20 : stage + 1);
  }
}

// "end;" starts at 752 and the roll returns to the title once it is at 0.
TEST_F(RollTest, RollSpeedAndEnd) {
  WriteEnding("end;\n");
  BuildRoll(G(), 0, 0, -1);
  SceneEndingRoll(G());
  EXPECT_EQ(S().Roll[0].LineY, 575);
  EXPECT_EQ(S().Roll[11].LineY, 751);
  G().SpaceHeld = 1;
  SceneEndingRoll(G());
  EXPECT_EQ(S().Roll[0].LineY, 572);
  G().SpaceHeld = 0;
  for (int i = 0; i < 747; ++i) SceneEndingRoll(G());
  EXPECT_EQ(G().Scene, 30);
  EXPECT_EQ(S().Roll[11].LineY, 1);
  SceneEndingRoll(G());
  EXPECT_EQ(G().Scene, 0);
  EXPECT_EQ(G().Cursor, 1);

  G().Scene = 30;
  BuildRoll(G(), 0, 0, -1);
  G().SpaceHeld = 1;
  int frames = 0;
  while (G().Scene == 30 && frames < 1000) {
    SceneEndingRoll(G());
    ++frames;
  }
  EXPECT_EQ(frames, 251);  // 752 / 3 rounded up
}

TEST_F(RollTest, DarkStripGrowsFromFrame101) {
  WriteEnding("end;\n");
  BuildRoll(G(), 0, 0, -1);
  // Tiles repeat every 40 pixels, so x 410..429 shows what x 10..29 shows
  // unless darkened.
  auto brightness = [&](int x0, int y) {
    int sum = 0;
    for (int x = x0; x < x0 + 20; ++x) {
      TRgb c = Rgb565ToRgb(G().Screen.At(x, y));
      sum += c.R + c.G + c.B;
    }
    return sum;
  };
  auto darker = [&](int y) { return brightness(410, y) < brightness(10, y); };
  for (int i = 0; i < 100; ++i) SceneEndingRoll(G());
  EXPECT_FALSE(darker(2));
  SceneEndingRoll(G());  // 101: eight rows
  EXPECT_TRUE(darker(2));
  EXPECT_FALSE(darker(12));
  for (int i = 0; i < 49; ++i) SceneEndingRoll(G());  // 150: the whole height
  EXPECT_TRUE(darker(390));
}

// The shipped ending texts: every stage has one, each ends in "end;", fits
// the roll and its 130-pixel column, and is proper CP932.
TEST(EndingTexts, FitTheRoll) {
  for (int stage = 1; stage <= 10; ++stage) {
    std::string path = GameDataPath("dat/ending" + std::to_string(stage) + ".lin");
    std::vector<uint8_t> bytes = ReadBytes(path);
    ASSERT_FALSE(bytes.empty()) << path;
    std::string text(bytes.begin(), bytes.end());
    bool ok = true;
    SjisToUtf8(text, &ok);
    EXPECT_TRUE(ok) << path;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      ASSERT_FALSE(line.empty()) << path << ": lines end in CR LF";
      ASSERT_EQ(line.back(), '\r') << path;
      line.pop_back();
      lines.push_back(line);
    }
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "end;") << path;
    EXPECT_LE(lines.size(), 189u) << path;
    for (size_t i = 0; i < lines.size(); ++i)
      EXPECT_LE(lines[i].size(), 20u) << path << ":" << i + 1;
  }
}

}  // namespace
