// Fuzz target for the ending texts (dat/endingN.lin): the input is the file,
// read by BuildRoll as the stage's ending roll starts. The roll holds the file's
// lines up to its "end;" within the roll's size and always closes with
// "end;"; its lines are drawn, and the closing line returns to the title.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "main/ending_roll.h"
#include "support/test_support.h"
#include "world/game.h"
#include "world/scene_id.h"

namespace {

constexpr int kRollSize = 200;  // the lines a roll holds
constexpr int kDrawFrames = 2;

void Check(bool ok, const char* what) {
  fuzz::Check(ok, what);
}

TestGame& SharedGame() {
  static const std::unique_ptr<TestGame> game = [] {
    auto t = MakeStartedGame(1);
    t->G.DataDir = fuzz::ScratchDir();
    return t;
  }();
  return *game;
}

// Starts the roll of stage `stage` from the ending file holding text.
void Build(Game& g, int stage, const std::string& text) {
  fuzz::WriteScratchFile("dat/ending" + std::to_string(stage) + ".lin",
                         reinterpret_cast<const uint8_t*>(text.data()), text.size());
  g.Scene = kSceneEndingRoll;
  g.Scenes.CurtainState = 0;
  g.MusicState = 255;  // paused: the title opens no music from the scratch folder
  g.SpaceHeld = 0;
  g.Stage = stage;
  g.LastError.clear();
  BuildRoll(g, 1234, 5678, 3);
}

// The lines the roll puts before the file's: the score lines and the figures.
int HeadLines() {
  static const int head = [] {
    Game& g = SharedGame().G;
    Build(g, 1, "");
    return g.Scenes.RollCount - 1;
  }();
  return head;
}

// The file's lines as the roll reads them: LF or CR LF ends.
std::vector<std::string> FileLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t nl = text.find('\n', start);
    if (nl == std::string::npos) nl = text.size();
    std::string line = text.substr(start, nl - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = nl + 1;
  }
  return lines;
}

// Moves every line of the roll by dy.
void Shift(TSceneState& s, int dy) {
  for (int k = 0; k < s.RollCount; ++k) s.Roll[k].LineY += dy;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  HeadLines();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TestGame& t = SharedGame();
  Game& g = t.G;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int stage = size > 0 ? data[0] % 10 + 1 : 1;
  Build(g, stage, text);
  TSceneState& s = g.Scenes;
  const int head = HeadLines();
  Check(g.LastError.empty(), "a readable ending file is not an error");
  Check(s.RollCount > head && s.RollCount <= kRollSize, "the roll holds 1..200 lines");
  Check(s.Roll[s.RollCount - 1].LineText == "end;", "the roll closes with end;");

  // The file's lines in order, up to its first "end;" or the roll's last place.
  const std::vector<std::string> lines = FileLines(text);
  size_t taken = 0;
  while (taken < lines.size() && lines[taken] != "end;" &&
         head + static_cast<int>(taken) < kRollSize - 1)
    ++taken;
  Check(s.RollCount == head + static_cast<int>(taken) + 1, "the file's lines up to end; taken");
  for (size_t i = 0; i < taken; ++i)
    Check(s.Roll[head + static_cast<int>(i)].LineText == lines[i], "lines kept as read");

  // The file's first lines on screen, drawn for a few frames.
  Shift(s, 10 - s.Roll[head].LineY);
  for (int f = 0; f < kDrawFrames; ++f) SceneEndingRoll(g);
  Check(g.Scene == kSceneEndingRoll || s.Roll[s.RollCount - 1].LineY <= 0,
        "the roll runs until end; reaches the top");
  // end; at the top returns to the title.
  Shift(s, 1 - s.Roll[s.RollCount - 1].LineY);
  SceneEndingRoll(g);
  Check(g.Scene == kSceneTitle, "end; at the top returns to the title");
  return 0;
}
