// Result cards: which result, its picture and where it is kept.
#include "records/result_card.h"

#include <filesystem>
#include <utility>

#include "base/sjis.h"
#include "media/ui_kit.h"
#include "records/rank_ladder.h"
#include "records/records_graph.h"
#include "records/records_stats.h"
#include "records/results_draw.h"
#include "world/difficulty.h"
#include "world/game.h"
#include "world/settings_link.h"

namespace {

constexpr TRgb kCardFill{8, 14, 40}, kCardFrame{120, 140, 220};
constexpr TRgb kHeading{255, 255, 160}, kLabel{200, 220, 255}, kRank{255, 200, 80};
constexpr TRgb kDim{140, 140, 160};

// Draws into another surface with the game's drawing calls, which draw on
// the screen: the surfaces trade places for the while.
class TDrawOn {
 public:
  TDrawOn(Game& g, Surface& s) : g_(g), s_(s) { std::swap(g_.Screen, s_); }
  ~TDrawOn() { std::swap(g_.Screen, s_); }
  TDrawOn(const TDrawOn&) = delete;
  TDrawOn& operator=(const TDrawOn&) = delete;

 private:
  Game& g_;
  Surface& s_;
};

std::string StageHeading(const Game& g, const TResultView& v) {
  return "ステージ" + std::to_string(v.Stage) + "　" + DifficultyLabel(g.Difficulty.Level);
}

}  // namespace

TCardResult CurrentCardResult(const Game& g) {
  TCardResult r;
  const TRecords& rec = g.Records;
  if (g.Scene == kScenePracticeResult || g.Scene == kScenePracticeField) {
    const TPracticeResult& p = g.Practice.Result;
    if (p.M.Correct + p.M.Misses == 0) return r;
    r.Valid = true;
    r.View.Valid = true;
    r.View.M = p.M;
    r.View.BestKps = p.NewBest;
    r.View.Title = "練習の記録";
    r.Heading = "練習「" + p.ListName + "」";
    if (g.Practice.RunningGoal != TPracticeGoal::Free)
      r.Heading += std::string("　目標 ") + PracticeGoalLabel(g.Practice.RunningGoal);
    return r;
  }
  const TResultView* v = nullptr;
  if (g.Scene == kSceneEndingRoll && rec.StageResult.Valid) v = &rec.StageResult;
  if (!v && rec.PartResult.Valid) v = &rec.PartResult;
  if (!v && rec.StageResult.Valid) v = &rec.StageResult;
  if (!v && g.Scene == kSceneRecords && !rec.Entries.empty()) {
    // Nothing played in this run: the last play the records keep.
    const TRecordEntry& e = rec.Entries.back();
    r.Valid = true;
    r.View.Valid = true;
    r.View.M = EntryCounts(e);
    r.View.Stage = e.Stage;
    r.View.Part = e.Part;
    const bool practice = e.Kind == "practice";
    if (practice) r.View.Title = "練習の記録";
    r.Heading = practice ? "練習「" + e.List + "」" : StageHeading(g, r.View);
    return r;
  }
  if (!v) return r;
  r.Valid = true;
  r.View = *v;
  r.Heading = StageHeading(g, *v);
  return r;
}

Surface DrawResultCard(Game& g, const TCardResult& r) {
  Surface card(kCardWidth, kCardHeight);
  TDrawOn on(g, card);
  FillSurface(g.Screen, RgbTo565(kCardFill));
  DrawPanel(g.Screen, g.Glyphs, MakeRect(0, 0, kCardWidth, kCardHeight),
            TPanelStyle{kCardFill, 255, kCardFrame});
  DrawTextRow(g.Screen, g.Glyphs, 15, 9, Sjis(r.Heading), kHeading);
  DrawTextRowRight(g.Screen, g.Glyphs, kCardWidth - 12, 9, "Mirutena", kDim);
  DrawResultPanel(g, r.View, kCardPanelX, kCardPanelY);

  const TMeasures& m = r.View.M;
  const int rank = RankOf(m.Correct, m.Misses, m.TypeFrames);
  const int y = kCardPanelY + kResultPanelHeight + 10;
  DrawTextRow(g.Screen, g.Glyphs, 15, y, Sjis("ランク"), kLabel);
  DrawTextRow(g.Screen, g.Glyphs, 60, y, Sjis(RankLabel(rank)), kRank);
  const TLocalTime now = g.LocalClock ? g.LocalClock() : TLocalTime{};
  DrawTextRowRight(g.Screen, g.Glyphs, kCardWidth - 12, y, FormatIsoDate(now.Date), kLabel);

  const std::vector<TGraphPoint> points = LastPlayPoints(g.Records.Entries, 50);
  DrawTextRow(g.Screen, g.Glyphs, 15, y + 20, Sjis("最近の速さと正確さ"), kLabel);
  if (points.empty())
    DrawTextRow(g.Screen, g.Glyphs, 150, y + 70, Sjis("まだ記録がありません"), kDim);
  else
    DrawProgressGraph(g.Screen, g.Glyphs, MakeRect(10, y + 34, kCardWidth - 10, kCardHeight - 8),
                      points);
  return card;
}

std::string CardFileName(const Game& g, const std::string& folder) {
  const TLocalTime now = g.LocalClock ? g.LocalClock() : TLocalTime{};
  char stem[64];
  std::snprintf(stem, sizeof stem, "mirutena-%04d%02d%02d-%02d%02d", now.Date.Year, now.Date.Month,
                now.Date.Day, now.Hour, now.Minute);
  std::string name = std::string(stem) + ".png";
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(std::filesystem::path(folder) / name, ec) && n < 1000;
       ++n)
    name = std::string(stem) + "-" + std::to_string(n) + ".png";
  return name;
}

bool SaveResultCard(Game& g) {
  const TCardResult r = CurrentCardResult(g);
  if (!r.Valid) {
    ShowNote(g, "カードにする結果がありません");
    return false;
  }
  if (!g.WritePicture || g.PicturesFolder.empty()) {
    ShowNote(g, "カードを保存できません（保存先がありません）");
    return false;
  }
  std::error_code ec;
  std::filesystem::create_directories(g.PicturesFolder, ec);
  const std::string path =
      (std::filesystem::path(g.PicturesFolder) / CardFileName(g, g.PicturesFolder)).string();
  std::string error;
  if (!g.WritePicture(DrawResultCard(g, r), path, error)) {
    ReportError(g, "カードを保存できません: " + error);
    return false;
  }
  ShowNote(g, "カードを保存しました: " + path);
  return true;
}
