// The result and ending roll: the score lines and the stage's ending text
// rolling up beside a ring of dancers.
#include "main/ending_roll.h"

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "alpha_object/alpha_object.h"
#include "base/file_bytes.h"
#include "base/sjis.h"
#include "main/game_over.h"
#include "main/name_entry.h"
#include "main/scenes.h"
#include "media/ui_kit.h"
#include "records/results_draw.h"
#include "world/backdrop.h"
#include "world/game.h"

namespace {

constexpr int kRollLines = 200;
constexpr double kPi = 3.14159265358979323846;

// The lines of a text file (CR LF or LF); false when it cannot be read.
bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  // The roll needs fewer than 200 lines: what lies past the limit is never used.
  std::string text;
  if (ReadFileBytes(path, kTextFileLimit, text) == TReadResult::Unreadable) return false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return true;
}

void AddLine(TSceneState& s, const std::string& text) {
  if (s.RollCount >= kRollLines) return;
  s.Roll[s.RollCount].LineText = text;
  s.Roll[s.RollCount].LineY = 576 + 16 * s.RollCount;
  s.RollCount += 1;
}

// The banner that opens the result roll of stages 1 to 9 (stage 10 opens
// with "ENDING"): the stage's number and its clear, rising a little and gone
// after seven seconds, where the ending banner stood.
void DrawResultBanner(Game& g) {
  const int t = g.Scenes.EndingTimer;
  if (g.Stage == 10 || t > 140) return;
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  const std::string text = "STAGE " + std::to_string(g.Stage) + " CLEAR";
  const int w = ui.Width(text) * 18 / 12;
  const int y = 180 - t / 5;
  BlendFillArea(g.Screen, MakeRect(215 - w / 2 - 8, y - 4, 215 + w / 2 + 8, y + 24), TRgb{0, 0, 0},
                120);
  ui.SetFrame(MakeRect(215 - w / 2 - 8, y - 4, 215 + w / 2 + 8, y + 24));
  ui.Gradient(215 - w / 2, y, text, 18, kGoldTop, kGoldBottom);
}

}  // namespace

// A missing ending file, or one without "end;" among its first lines, ends
// the roll after the lines read: the roll always closes with "end;", so it
// always returns to the title.
void BuildRoll(Game& g, int s, int s2, int rankPlace) {
  TSceneState& st = g.Scenes;
  st.RollCount = 0;
  for (auto& line : st.Roll) line = TRole{};
  const std::string points = Sjis("得点");
  AddLine(st, points);
  AddLine(st, std::to_string(s));
  AddLine(st, Sjis("｜"));
  AddLine(st, Sjis("｜"));
  AddLine(st, Sjis("｜難易度に応じて"));
  AddLine(st, Sjis("｜得点アップ！！"));
  AddLine(st, Sjis("↓"));
  AddLine(st, points);
  AddLine(st, std::to_string(s2));
  AddLine(st, "");
  AddLine(st, rankPlace > 0 ? std::to_string(rankPlace) + Sjis("位にランクイン！") : "");
  // The stage's typing figures, before the ending text.
  for (const std::string& line : ResultRollLines(g.Records.StageResult)) AddLine(st, line);

  std::string path = DataPath(g, "dat/ending" + std::to_string(g.Stage) + ".lin");
  std::vector<std::string> lines;
  if (!ReadLines(path, lines)) ReportError(g, "ファイル " + path + " は開けません");
  bool ended = false;
  for (const auto& line : lines) {
    // Keep one place for the closing "end;" when the file has none.
    if (st.RollCount >= kRollLines - 1 && line != "end;") break;
    AddLine(st, line);
    if (line == "end;") {
      ended = true;
      break;
    }
  }
  if (!ended) AddLine(st, "end;");

  st.DanceAngle = 0;
  st.DanceTick = 0;
  st.DanceFrame = 0;
  st.EndingTimer = 0;
  st.DancerCount = g.Stage == 10 ? 20 : g.Stage + 1;
  if (st.DancerCount < 1) st.DancerCount = 1;
}

void SceneEndingRoll(Game& g) {
  TSceneState& s = g.Scenes;
  DrawBackground(g, 1);

  s.DanceTick += 1;
  s.DanceFrame = (s.DanceTick / 4) % 14;
  if (s.DanceFrame >= 5 && s.DanceFrame <= 8) s.DanceAngle += 0.012217304763960307;
  const TPictureItem& dancer = g.List.FindPicture("dance_oyaji");
  StretchPattern(dancer, g.Screen, MakeRect(215 - 24, 200 - 24, 215 + 24, 200 + 24), s.DanceFrame);
  for (int i = 1; i <= s.DancerCount; ++i) {
    double theta = 2 * kPi * i / s.DancerCount + s.DanceAngle;
    DrawPattern(dancer, g.Screen, static_cast<int>(160.0 * std::cos(theta) + 203),
                static_cast<int>(160.0 * std::sin(theta) + 188), s.DanceFrame);
  }

  s.EndingTimer += 1;
  DrawResultBanner(g);
  if (s.EndingTimer >= 150)
    BlendFillArea(g.Screen, MakeRect(290, 0, 430, 400), TRgb{0, 0, 0}, 80);
  else if (s.EndingTimer > 100)
    BlendFillArea(g.Screen, MakeRect(290, 0, 430, 8 * (s.EndingTimer - 100)), TRgb{0, 0, 0}, 80);

  // The first Space of the roll confirms a name being typed (and speeds the
  // roll up as every Space does).
  if (g.SpaceKey == 1) ConfirmNameEntry(g);
  DrawNameEntry(g, 15, 340);
  int step = g.SpaceHeld ? 3 : 1;
  // The roll's column right of the dancers; lines enter and leave it at the
  // screen's bottom and top edges.
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(MakeRect(290, -40, 430, 440));
  for (int k = 0; k < s.RollCount; ++k) {
    TRole& line = s.Roll[k];
    line.LineY -= step;
    if (line.LineText == "end;") {
      if (line.LineY <= 0) ReturnToTitle(g);
      break;
    }
    if (line.LineY >= -20 && line.LineY < 400 && !line.LineText.empty())
      ui.TextSjis(300, line.LineY, line.LineText, SurfaceCanvas(g.Screen).FontColor);
  }

  UpdateEffects(g, g.AlphaOn != 0);
}
