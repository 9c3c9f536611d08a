// The records screen: a table of per-stage bests, the totals, the progress
// graph and the keyboard heat map, over the dimmed title backdrop.
#include "records/records_screen.h"

#include <cstdio>
#include <string>

#include "base/sjis.h"
#include "media/ui_kit.h"
#include "records/rank_ladder.h"
#include "records/records.h"
#include "records/results_draw.h"
#include "records/trouble_page.h"
#include "world/backdrop.h"
#include "world/game.h"
#include "world/stage_table.h"

namespace {

constexpr TRgb kWhite{255, 255, 255};
constexpr TRgb kHead{200, 220, 255};
constexpr TRgb kDim{140, 140, 160};
constexpr TRgb kWeak{255, 160, 160};

// The texts of the screen belong inside the panel's frame that fills it.
constexpr TRect kInside{1, 1, 429, 399};

void Text(Game& g, int x, int y, const std::string& utf8, TRgb colour) {
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(kInside);
  ui.Shadowed(x, y, utf8, colour);
}
// Right-aligned at right.
void TextRight(Game& g, int right, int y, const std::string& ascii, TRgb colour) {
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(kInside);
  ui.Shadowed(right - ui.Width(ascii), y, ascii, colour);
}

std::string Duration(int64_t frames) {
  int64_t minutes = frames / 20 / 60;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%lld時間%02lld分", static_cast<long long>(minutes / 60),
                static_cast<long long>(minutes % 60));
  return buf;
}

void StageTable(Game& g, const TRecordsScreenData& d, int y) {
  Text(g, 8, y, "ステージ", kHead);
  Text(g, 62, y, "回数", kHead);
  Text(g, 96, y, "クリア", kHead);
  Text(g, 142, y, "最高得点", kHead);
  Text(g, 206, y, "最速キー/秒", kHead);
  Text(g, 284, y, "正確さ", kHead);
  Text(g, 330, y, "最長連続", kHead);
  Text(g, 388, y, "ランク", kHead);
  for (int s = 1; s <= 9; ++s) {
    int row = y + 14 + 13 * (s - 1);
    if (s % 2 == 1) BlendFillArea(g.Screen, MakeRect(4, row - 1, 426, row + 12), kHead, 28);
    const TStageBest& b = d.Bests[s];
    TRgb c = b.Played > 0 ? kWhite : kDim;
    TextRight(g, 32, row, std::to_string(s), c);
    TextRight(g, 86, row, std::to_string(b.Played), c);
    TextRight(g, 126, row, std::to_string(b.Cleared), c);
    if (b.Played == 0) continue;
    TextRight(g, 190, row, std::to_string(b.Score), c);
    TextRight(g, 254, row, b.Kps > 0 ? FixedText(b.Kps, 2) : "-", c);
    TextRight(g, 320, row, b.Accuracy > 0 ? FixedText(100 * b.Accuracy, 1) + "%" : "-", c);
    TextRight(g, 372, row, std::to_string(b.Streak), c);
    if (b.Rank >= 0) Text(g, 388, row, kRankLadder[b.Rank].Name, c);
  }
}

void Totals(Game& g, const TRecordsScreenData& d, int y) {
  const TTotals& t = d.Totals;
  const std::string accuracy =
      t.Keys + t.Misses > 0 ? FixedText(100 * Accuracy(t.Keys, t.Misses), 1) + "%" : "";
  std::string line = "合計  時間 " + Duration(t.Frames) + "  打ったキー " + std::to_string(t.Keys) +
                     "  撃った言葉 " + std::to_string(t.Words);
  if (!accuracy.empty()) line += "  正確さ " + accuracy;
  // Long totals take the short labels, so every figure stays whole.
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  if (8 + ui.Width(line) > kInside.Right) {
    line = "合計 " + Duration(t.Frames) + "  キー " + std::to_string(t.Keys) + "  言葉 " +
           std::to_string(t.Words);
    if (!accuracy.empty()) line += "  正確さ " + accuracy;
  }
  Text(g, 8, y, line, kWhite);
}

void Graph(Game& g, const TRecordsScreenData& d, TRect area) {
  if (d.Points.empty()) {
    // No play yet: no count of plays to give, only what will show here.
    Text(g, area.Left + 4, area.Top, "速さと正確さのうつりかわり", kWhite);
    Text(g, area.Left + 96, area.Top + 44, "まだプレイの記録がありません", kDim);
    Text(g, area.Left + 48, area.Top + 62, "ステージを遊ぶと、パートごとにここに出ます", kDim);
    return;
  }
  char head[64];
  std::snprintf(head, sizeof head, "最近%zu回の速さと正確さ", d.Points.size());
  Text(g, area.Left + 4, area.Top, head, kWhite);
  Text(g, area.Left + 170, area.Top, "■速さ(キー/秒)", kGraphKps);
  Text(g, area.Left + 272, area.Top, "■正確さ(%)", kGraphAccuracy);
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(kInside);
  DrawProgressGraph(g.Screen, g.Glyphs, MakeRect(area.Left, area.Top + 4, area.Right, area.Bottom),
                    d.Points, &ui);
}

void HeatMap(Game& g, const TRecordsScreenData& d, int y) {
  Text(g, 8, y, "キーごとのミス率", kWhite);
  // The records keep letters, not keys: the map is drawn on a QWERTY board
  // (JIS and US alike: "-" right of 0 on the number row), and says so.
  Text(g, 110, y, "QWERTY 配列", kDim);
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(kInside);
  DrawKeyboardHeatMap(g.Screen, g.Glyphs, 8, y + 16, d.Hits, d.Missed, &ui);
  // The scale under the keys: no misses, 10 %, 20 % or more.
  int ly = y + 16 + 3 * kKeyPitch + 2;
  for (int i = 0; i <= 40; ++i) {
    uint32_t missed = static_cast<uint32_t>(i);
    FillArea(g.Screen, MakeRect(70 + 2 * i, ly + 3, 72 + 2 * i, ly + 9),
             RgbTo565(HeatColour(200 - missed, missed)));
  }
  Text(g, 8, ly, "ミス率 0%", kDim);
  Text(g, 156, ly, "20%以上", kDim);
  Text(g, 264, y, "苦手なキー", kWhite);
  if (d.Weak.empty()) {
    Text(g, 272, y + 18, "なし", kDim);
    return;
  }
  for (size_t i = 0; i < d.Weak.size(); ++i) {
    int n = d.Weak[i];
    uint32_t seen = d.Hits[n] + d.Missed[n];
    char line[64];
    std::snprintf(line, sizeof line, "%zu. %c  %5.1f%% (%u/%u)", i + 1, LettersText({n})[0],
                  100.0 * d.Missed[n] / seen, d.Missed[n], seen);
    RecordsText(g, 268, y + 18 + 15 * static_cast<int>(i), line, kWeak);
  }
}

}  // namespace

TRecordsScreenData MakeRecordsScreenData(const std::vector<TRecordEntry>& entries) {
  TRecordsScreenData d;
  d.Bests = StageBests(StageAttempts(entries, PartsPerStage));
  d.Totals = RecordTotals(entries);
  d.Points = LastPlayPoints(entries, kGraphParts);
  LetterTotals(entries, d.Hits, d.Missed);
  d.Weak = WeakestKeys(d.Hits, d.Missed, 5);
  d.Troubles = FindTroubles(entries);
  return d;
}

void OpenRecordsScreen(Game& g) {
  g.Records.Screen = MakeRecordsScreenData(g.Records.Entries);
  g.Scene = kSceneRecords;
}

void SceneRecords(Game& g) {
  if (g.Inputer.IsKeyDown(vk::Escape) || g.Inputer.IsKeyDown(vk::Backspace) || g.SpaceKey == 1) {
    g.Scene = kSceneTitle;
    g.Cursor = 3;
  }
  DrawBackground(g, 1);
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.Panel(MakeRect(0, 0, 430, 400), TPanelStyle{TRgb{0, 0, 16}, 190, kMenuPanel.Frame});
  TRecordsScreenData& d = g.Records.Screen;
  if (g.ArrowKey == 2 || g.ArrowKey == 4) d.Page = 1 - d.Page;
  Text(g, 4, 4, d.Page == 0 ? "←→ 苦手な言葉" : "←→ 記録", kDim);
  Text(g, 316, 4, "Space/Esc もどる", kDim);
  if (d.Page == 1) {
    ui.Gradient(215 - ui.Width("苦手な言葉") * 14 / 24, 3, "苦手な言葉", 14, kSkyTop, kSkyBottom);
    DrawTroublePage(g, d.Troubles);
    return;
  }
  ui.Gradient(201, 3, "記録", 14, kSkyTop, kSkyBottom);
  StageTable(g, d, 22);
  Totals(g, d, 156);
  Graph(g, d, MakeRect(4, 174, 426, 292));
  HeatMap(g, d, 298);
}
