// Drawing the trouble page: two lists of ten words side by side, the weak
// kana units below them and a note on what the figures mean.
#include "records/trouble_page.h"

#include <cstdio>
#include <string>

#include "base/sjis.h"
#include "media/ui_kit.h"
#include "records/measures.h"
#include "world/game.h"

namespace {

constexpr TRgb kWhite{255, 255, 255}, kHead{200, 220, 255}, kDim{140, 140, 160};
constexpr TRgb kSlow{160, 220, 255}, kMissed{255, 160, 160};
constexpr int kLeft = 10, kRight = 220, kTop = 24, kRow = 15;

// "n. word" with the word cut to fit its column, then the figure.
void WordRow(TUi& ui, int x, int y, size_t n, const TWordTrouble& w, const std::string& figure,
             TRgb colour) {
  ui.Text(x, y, ui.Fit(std::to_string(n) + ". " + w.Text, 110), kWhite);
  ui.Text(x + 116, y, figure, colour);
}

std::string Figure(const char* format, double v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

}  // namespace

void DrawTroublePage(Game& g, const TTroubleReport& r) {
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  auto Text = [&ui](Game&, int x, int y, const std::string& utf8, TRgb colour) {
    ui.Text(x, y, utf8, colour);
  };
  if (r.Plays == 0) {
    Text(g, kLeft, kTop + 20, "まだ言葉の記録がありません。ステージか練習を遊ぶと、", kDim);
    Text(g, kLeft, kTop + 36, "時間のかかった言葉とミスの多い言葉がここに出ます。", kDim);
    return;
  }
  Text(g, kLeft, kTop, "遅い言葉（キー/秒）", kHead);
  Text(g, kRight, kTop, "ミスの多い言葉（ミス/回）", kHead);
  for (size_t i = 0; i < r.Slowest.size(); ++i)
    WordRow(ui, kLeft, kTop + 18 + kRow * static_cast<int>(i), i + 1, r.Slowest[i],
            Figure("%.1f", r.Slowest[i].Speed()), kSlow);
  for (size_t i = 0; i < r.MostMissed.size(); ++i)
    WordRow(ui, kRight, kTop + 18 + kRow * static_cast<int>(i), i + 1, r.MostMissed[i],
            Figure("%.2f", r.MostMissed[i].MissesPerTyping()), kMissed);
  if (r.Slowest.empty()) Text(g, kLeft, kTop + 18, "まだありません（2回打った言葉から）", kDim);
  if (r.MostMissed.empty()) Text(g, kRight, kTop + 18, "ありません", kDim);

  const int unitsTop = kTop + 18 + kRow * 10 + 8;
  Text(g, kLeft, unitsTop, "苦手なかな（ミスの割合）", kHead);
  if (r.WeakUnits.empty())
    Text(g, kLeft, unitsTop + 18, "まだ分かりません（どのかなも回数が足りません）", kDim);
  for (size_t i = 0; i < r.WeakUnits.size(); ++i) {
    const TUnitTrouble& u = r.WeakUnits[i];
    const int x = kLeft + 84 * static_cast<int>(i % 5);
    const int y = unitsTop + 18 + kRow * static_cast<int>(i / 5);
    Text(g, x, y, u.Kana, kWhite);
    Text(g, x + 28, y, Figure("%.0f%%", 100.0 * u.Missed / (u.Typed + u.Missed)), kMissed);
  }
  const int noteTop = unitsTop + 18 + kRow * 2 + 10;
  Text(g, kLeft, noteTop,
       "最近 " + std::to_string(r.Plays) + " 回のパートと練習から。速さは 1 文字目から最後までで、",
       kDim);
  Text(g, kLeft, noteTop + kRow, "見てから打ち始めるまでは入れません。2 回以上打った言葉だけです。",
       kDim);
  Text(g, kLeft, noteTop + 2 * kRow,
       Figure("あなたの速さの中央値 %.1f キー/秒", r.MedianSpeed) + "。練習の「復習」で出ます。",
       kDim);
}
