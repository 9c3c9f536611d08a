// Drawing of the result panel and the text of the roll's result lines.
#include "records/results_draw.h"

#include <cstdio>

#include "base/sjis.h"
#include "media/draw_number.h"
#include "media/ui_kit.h"
#include "records/rank_ladder.h"
#include "world/game.h"

namespace {

constexpr TRgb kLabel{200, 220, 255};
constexpr TRgb kBest{255, 220, 60};
constexpr TRgb kShadow{0, 0, 0};

// Text with a one-pixel shadow, so it reads over blood, splashes or stars.
}  // namespace

void RecordsText(Game& g, int x, int y, const std::string& sjis, TRgb colour) {
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.ShadowedSjis(x, y, sjis, colour, kShadow);
}

namespace {

// A figure such as "4.52" or "12" in the score digits (11 x 13 cells, one
// pixel apart), the point as a small square; returns the right edge.
int DrawFigure(Game& g, const std::string& text, int x, int y) {
  const TPictureItem& digits = g.List.FindPicture("0123456789");
  int cell = digits.PatternWidth > 0 ? digits.PatternWidth : 11;
  for (char ch : text) {
    if (ch >= '0' && ch <= '9') {
      DrawPattern(digits, g.Screen, x, y, ch - '0');
      x += cell + 1;
    } else if (ch == '.') {
      FillArea(g.Screen, MakeRect(x + 1, y + 10, x + 4, y + 13), RgbTo565(kShadow));
      FillArea(g.Screen, MakeRect(x, y + 9, x + 3, y + 12), RgbTo565(255, 230, 150));
      x += 5;
    } else if (ch == '-') {
      FillArea(g.Screen, MakeRect(x + 2, y + 7, x + 10, y + 9), RgbTo565(kShadow));
      FillArea(g.Screen, MakeRect(x + 1, y + 6, x + 9, y + 8), RgbTo565(255, 230, 150));
      x += cell + 1;
    }
  }
  return x;
}

// One figure of the panel: label, number, unit and the best mark.
void Cell(Game& g, int x, int y, const char* label, const std::string& figure, const char* unit,
          bool best) {
  RecordsText(g, x, y + 1, Sjis(label), kLabel);
  int right = DrawFigure(g, figure, x + 58, y);
  int after = right + 2;
  if (unit[0] != '\0' && figure != "-") {
    std::string u = Sjis(unit);
    RecordsText(g, after, y + 1, u, kLabel);
    after += 6 * static_cast<int>(u.size()) + 3;
  }
  if (best) RecordsText(g, after, y + 1, "best", kBest);
}

}  // namespace

std::string KpsText(const TMeasures& m) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", TypingKps(m));
  return buf;
}

std::string AccuracyText(const TMeasures& m) {
  if (m.Correct + m.Misses <= 0) return "-";  // nothing typed: no accuracy to show
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", 100.0 * Accuracy(m.Correct, m.Misses));
  return buf;
}

std::string PlayTimeText(int64_t frames) {
  int64_t seconds = frames / 20;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%lld分%02lld秒", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60));
  return Sjis(buf);
}

std::vector<std::string> ResultRollLines(const TResultView& v) {
  std::vector<std::string> out;
  if (!v.Valid) return out;
  const TMeasures& m = v.M;
  // The roll's column holds 21 half-width characters: a "best" that would
  // run past it goes on a line of its own under its figure.
  auto add = [&out](const std::string& line, bool best) {
    if (!best) {
      out.push_back(line);
    } else if (line.size() + 5 <= kRollLineBytes) {
      out.push_back(line + " best");
    } else {
      out.push_back(line);
      out.push_back("   best");
    }
  };
  out.push_back("");
  out.push_back(Sjis("― 今回の記録 ―"));
  add(Sjis("速さ ") + KpsText(m) + Sjis("キー/秒"), v.BestKps);
  const std::string accuracy = AccuracyText(m);
  add(Sjis("正確さ ") + accuracy + (accuracy == "-" ? "" : "%"), v.BestAccuracy);
  out.push_back(Sjis("ミス ") + std::to_string(m.Misses));
  add(Sjis("最長連続 ") + std::to_string(m.LongestStreak), v.BestStreak);
  out.push_back(Sjis("時間 ") + PlayTimeText(m.Frames));
  if (!v.Weak.empty()) out.push_back(Sjis("苦手 ") + LettersText(v.Weak));
  const int rank = RankOf(m.Correct, m.Misses, m.TypeFrames);
  // A rank whose label runs past the column goes on a line of its own.
  if (rank >= 0) {
    const std::string label = Sjis(RankLabel(rank));
    if (Sjis("ランク ").size() + label.size() <= kRollLineBytes) {
      out.push_back(Sjis("ランク ") + label);
    } else {
      out.push_back(Sjis("ランク"));
      out.push_back(" " + label);
    }
  }
  out.push_back("");  // apart from the ending text that follows
  return out;
}

void DrawResultPanel(Game& g, const TResultView& v, int x, int y) {
  if (!v.Valid) return;
  const TMeasures& m = v.M;
  char title[96];
  if (v.WholeStage)
    std::snprintf(title, sizeof title, "ステージ%d の記録", v.Stage);
  else
    std::snprintf(title, sizeof title, "ステージ%d パート%d の記録", v.Stage, v.Part);
  RecordsText(g, x, y, v.Title.empty() ? Sjis(title) : Sjis(v.Title), TRgb{255, 255, 255});
  if (v.BestScore) RecordsText(g, x + 200, y, Sjis("得点 best"), kBest);
  const int rank = RankOf(m.Correct, m.Misses, m.TypeFrames);
  if (rank >= 0) {
    RecordsText(g, x + 290, y, Sjis("ランク"), kLabel);
    RecordsText(g, x + 330, y, Sjis(kRankLadder[rank].Name), TRgb{255, 200, 80});
  }
  int r1 = y + 18, r2 = y + 37, r3 = y + 56, c2 = x + 205;
  Cell(g, x, r1, "速さ", KpsText(m), "キー/秒", v.BestKps);
  Cell(g, c2, r1, "正確さ", AccuracyText(m), "%", v.BestAccuracy);
  Cell(g, x, r2, "ミス", std::to_string(m.Misses), "", false);
  Cell(g, c2, r2, "最長連続", std::to_string(m.LongestStreak), "", v.BestStreak);
  int64_t seconds = m.Frames / 20;
  char minutes[32];
  std::snprintf(minutes, sizeof minutes, "%lld", static_cast<long long>(seconds / 60));
  RecordsText(g, x, r3 + 1, Sjis("時間"), kLabel);
  int right = DrawFigure(g, minutes, x + 58, r3);
  RecordsText(g, right + 1, r3 + 1, Sjis("分"), kLabel);
  char secs[8];
  std::snprintf(secs, sizeof secs, "%02lld", static_cast<long long>(seconds % 60));
  right = DrawFigure(g, secs, right + 15, r3);
  RecordsText(g, right + 1, r3 + 1, Sjis("秒"), kLabel);
  RecordsText(g, c2, r3 + 1, Sjis("苦手なキー"), kLabel);
  RecordsText(g, c2 + 66, r3 + 1, v.Weak.empty() ? Sjis("なし") : LettersText(v.Weak),
              TRgb{255, 160, 160});
}
