// The practice screens, drawn with the game's backdrop and its 12 px font.
#include "practice/practice_draw.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "base/sjis.h"
#include "media/ui_kit.h"
#include "practice/practice.h"
#include "world/backdrop.h"
#include "world/game.h"

namespace {

constexpr TRgb kWhite{255, 255, 255}, kDim{160, 175, 210}, kTitle{255, 230, 120};
constexpr TRgb kGrey{110, 115, 135}, kRed{255, 130, 120}, kYellow{250, 220, 120};
constexpr int kRows = 11;

void Text(Game& g, int x, int y, const std::string& utf8, TRgb colour = kWhite) {
  DrawTextRow(g.Screen, g.Glyphs, x, y, Sjis(utf8), colour);
}

void Panel(Game& g, TRect r) {
  DrawPanel(g.Screen, g.Glyphs, r, TPanelStyle{TRgb{8, 14, 40}, 210, TRgb{120, 140, 220}});
}

// Text cut to at most `bytes` CP932 bytes (whole characters), with "…".
std::string Fit(const std::string& utf8, size_t bytes) {
  std::string sjis = Sjis(utf8);
  if (sjis.size() <= bytes) return utf8;
  size_t i = 0;
  while (i < sjis.size()) {
    size_t step = IsSjisLead(static_cast<unsigned char>(sjis[i])) ? 2 : 1;
    if (i + step > bytes - 2) break;
    i += step;
  }
  return SjisToUtf8(sjis.substr(0, i)) + "…";
}

// The end of a long path, which says most about where it is.
std::string PathTail(const std::string& path, size_t bytes) {
  if (path.size() <= bytes) return path;
  return "…" + path.substr(path.size() - (bytes - 2));
}

std::string Format(const char* pattern, double a) {
  char buf[64];
  std::snprintf(buf, sizeof buf, pattern, a);
  return buf;
}

// Accuracy as shown: "-" until something was typed, as on the result panels.
std::string AccuracyFigure(const TMeasures& m) {
  return m.Correct + m.Misses > 0 ? FixedText(100 * Accuracy(m.Correct, m.Misses), 1) + "%" : "-";
}

std::string Clock(int64_t frames) {
  int64_t s = frames / 20;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%lld:%02lld", static_cast<long long>(s / 60),
                static_cast<long long>(s % 60));
  return buf;
}

}  // namespace

void DrawPracticeMenu(Game& g) {
  TPracticeState& p = g.Practice;
  DrawBackground(g, 1);
  Panel(g, MakeRect(25, 20, 405, 385));
  Text(g, 50, 30, "練習　― 言葉の一覧を選んでください ―", kTitle);
  const int count = static_cast<int>(p.Lists.size());
  if (p.Cursor < p.Top) p.Top = p.Cursor;
  if (p.Cursor >= p.Top + kRows) p.Top = p.Cursor - kRows + 1;
  for (int row = 0; row < kRows && p.Top + row < count; ++row) {
    const int i = p.Top + row;
    const TPracticeList& l = p.Lists[i];
    const int y = 56 + 18 * row;
    if (i == p.Cursor)
      BlendFillArea(g.Screen, MakeRect(40, y - 3, 390, y + 15), TRgb{255, 160, 40}, 60);
    std::string label = l.Name;
    if (l.Kind == TPracticeList::TKind::Own) label = "自分の一覧「" + l.Name + "」";
    TRgb colour = l.Refusal.empty() ? kWhite : kGrey;
    Text(g, 70, y, Fit(label, 40), colour);
    if (l.Refusal.empty()) Text(g, 330, y, std::to_string(l.Words.size()) + "語", kDim);
  }
  if (p.Top > 0) Text(g, 378, 56, "↑", kDim);
  if (p.Top + kRows < count) Text(g, 378, 56 + 18 * (kRows - 1), "↓", kDim);
  DrawSelectionHand(g.Screen, g.List, 44, 56 + 18 * (p.Cursor - p.Top) - 6, g.FrameNo, 5);

  // What the chosen list says about itself.
  int y = 262;
  if (p.Cursor < count) {
    const TPracticeList& l = p.Lists[p.Cursor];
    if (!l.Refusal.empty()) {
      Text(g, 40, y, Fit("使えません：" + l.Refusal, 60), kRed);
      y += 15;
    }
    const size_t shown = l.Problems.size() > 3 ? 2 : l.Problems.size();
    for (size_t k = 0; k < shown; ++k, y += 15) Text(g, 40, y, Fit(l.Problems[k], 60), kYellow);
    if (l.Problems.size() > shown)
      Text(g, 40, y, "ほか " + std::to_string(l.Problems.size() - shown) + " 行を飛ばしました",
           kYellow);
  }
  Text(g, 40, 318, "自分の一覧：UTF-8 で「言葉:よみ;」の行を並べた", kDim);
  Text(g, 40, 333, ".txt を次のフォルダに置いてください", kDim);
  Text(g, 40, 348, PathTail(OwnListFolder(g), 58), kDim);
  Text(g, 40, 366, "↑↓で選んで Space で開始　Esc：もどる", kDim);
  ReleaseCanvas(g.Screen);
}

void DrawPracticeHud(Game& g) {
  const TMeasures& m = g.Practice.Result.M;
  BlendFillArea(g.Screen, MakeRect(0, 0, 430, 48), TRgb{0, 0, 0}, 150);
  Text(g, 8, 6, Fit("練習：" + g.Practice.Result.ListName, 70), kTitle);
  Text(g, 8, 26,
       Format("速さ %.1f キー/秒", TypingKps(m)) + "　" + "正確さ " + AccuracyFigure(m) + "　語 " +
           std::to_string(m.Words) + "　" + Clock(m.Frames));
  Text(g, 330, 384, "Esc：終わる", kDim);
  ReleaseCanvas(g.Screen);
}

void DrawPracticeResult(Game& g) {
  const TPracticeResult& r = g.Practice.Result;
  const TMeasures& m = r.M;
  DrawBackground(g, 1);
  Panel(g, MakeRect(70, 90, 360, 310));
  Text(g, 185, 104, "練習の結果", kTitle);
  Text(g, 95, 130, Fit(r.ListName, 44), kDim);
  const std::string lines[] = {
      "時間　　　" + Clock(m.Frames),
      "言葉　　　" + std::to_string(m.Words) + " 語",
      "正しいキー " + std::to_string(m.Correct) + "　ミス " + std::to_string(m.Misses),
      Format("速さ　　　%.2f キー/秒", TypingKps(m)),
      "正確さ　　" + AccuracyFigure(m),
  };
  for (int i = 0; i < 5; ++i) Text(g, 110, 158 + 22 * i, lines[i]);
  Text(g, 110, 282, "Space：練習メニューへ", kDim);
  ReleaseCanvas(g.Screen);
}
