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

}  // namespace

std::string PlayerNote(const std::string& note) {
  struct TPhrase {
    const char* English;  // the head of the loader's message
    const char* Japanese;
  };
  static constexpr TPhrase kPhrases[] = {
      {"larger than 1 MB", "1 MB より大きいので読みません"},
      {"not UTF-8 text", "UTF-8 の文字ではありません。UTF-8 で保存しなおしてください"},
      {"cannot be read", "読めません"},
      {"no usable line", "使える行がありません"},
      {"expected \"word:reading;\"", "「言葉:よみ;」か「言葉(タブ)よみ」の形ではありません"},
      {"no word before the reading", "よみの前に言葉がありません"},
      {"no reading after", "言葉のあとによみがありません"},
      {"a word or reading must not hold", "言葉とよみには「:」「;」とタブを使えません"},
      {"a word or reading longer than", "言葉かよみが長すぎます（64文字まで）"},
      {"a NUL byte", "NUL の文字があります"},
      {"a character the game cannot show", "ゲームで出せない文字があります"},
      {"the reading is too long", "よみが長すぎます"},
      {"the reading ends in a byte", "よみの終わりがかなではありません"},
      {"the reading has \"", "よみにかなの表にない文字があります"},
      {"a reading must not end in", "よみが「っ」で終わっています"},
  };
  for (const TPhrase& p : kPhrases) {
    const size_t at = note.find(p.English);
    if (at != std::string::npos) return note.substr(0, at) + p.Japanese;
  }
  const size_t more = note.find(" more bad lines");
  const size_t colon = note.rfind(": ", more);
  if (more != std::string::npos && colon != std::string::npos)
    return note.substr(0, colon + 2) + "ほかに" + note.substr(colon + 2, more - colon - 2) +
           "行のまちがい";
  return note;
}

namespace {

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
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.Panel(kPracticeMenuPanel);
  const TRect inside = ui.Frame();
  ui.Heading(16, "練習");
  ui.TextCentred(42, "言葉の一覧を選んでください", kMenuHeading);
  const int count = static_cast<int>(p.Lists.size());
  if (p.Cursor < p.Top) p.Top = p.Cursor;
  if (p.Cursor >= p.Top + kRows) p.Top = p.Cursor - kRows + 1;
  for (int row = 0; row < kRows && p.Top + row < count; ++row) {
    const int i = p.Top + row;
    const TPracticeList& l = p.Lists[i];
    const int y = 62 + 17 * row;
    std::string label = l.Name;
    if (l.Kind == TPracticeList::TKind::Own) label = "自分の一覧「" + l.Name + "」";
    TRgb colour = !l.Refusal.empty() ? kGrey : i == p.Cursor ? kMenuChosen : kMenuText;
    ui.Text(64, y, ui.Fit(label, 300), colour);
    if (l.Refusal.empty()) ui.TextRight(392, y, std::to_string(l.Words.size()) + "語", kDim);
  }
  if (p.Top > 0) ui.Text(394, 42, "↑", kDim);
  if (p.Top + kRows < count) ui.Text(394, 62 + 17 * kRows, "↓", kDim);
  ui.Hand(40, 62 + 17 * (p.Cursor - p.Top) + 6);
  ui.Rule(255, 16);

  // What the chosen list says about itself, in Japanese but for its file name.
  int y = 262;
  if (p.Cursor < count) {
    const TPracticeList& l = p.Lists[p.Cursor];
    if (!l.Refusal.empty())
      y = ui.Wrapped(36, y, "使えません：" + PlayerNote(l.Refusal), kRed, 14, 2);
    const size_t shown = l.Problems.size() > 2 ? 1 : l.Problems.size();
    for (size_t k = 0; k < shown && y <= 276; ++k)
      y = ui.Wrapped(36, y, PlayerNote(l.Problems[k]), kYellow, 14, 2);
    if (l.Problems.size() > shown && y <= 290)
      ui.Text(36, y, "ほか " + std::to_string(l.Problems.size() - shown) + " 件の行を飛ばしました",
              kYellow);
  }
  ui.Text(36, 306, "自分の一覧：UTF-8 で「言葉:よみ;」の行を並べた", kDim);
  ui.Text(36, 320, ".txt を次のフォルダに置いてください", kDim);
  ui.Text(36, 334, PathTail(OwnListFolder(g), 60), kDim);
  // y 350 holds the practice goal's row (practice_goal).
  ui.SetFrame(inside);
  ui.TextCentred(370, "↑↓ えらぶ　Space：開始　Esc：もどる", kMenuHelp);
}

void DrawPracticeHud(Game& g) {
  const TMeasures& m = g.Practice.Result.M;
  BlendFillArea(g.Screen, MakeRect(0, 0, 430, 48), TRgb{0, 0, 0}, 150);
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  // The name leaves room for the goal's count-down at the right.
  ui.Text(8, 6, ui.Fit("練習：" + g.Practice.Result.ListName, 310), kTitle);
  ui.Text(8, 26,
          Format("速さ %.1f キー/秒", TypingKps(m)) + "　" + "正確さ " + AccuracyFigure(m) +
              "　語 " + std::to_string(m.Words) + "　" + Clock(m.Frames));
  // Escape here ends the whole practice (in a stage it only drops the target).
  const TRect strip = MakeRect(230, 379, 430, 400);
  BlendFillArea(g.Screen, strip, TRgb{0, 0, 0}, 150);
  ui.SetFrame(strip);
  ui.TextRight(424, 384, "Esc：練習を終えて結果へ", kDim);
}

void DrawPracticeResult(Game& g) {
  const TPracticeResult& r = g.Practice.Result;
  const TMeasures& m = r.M;
  DrawBackground(g, 1);
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.Panel(kPracticeResultPanel);
  ui.Heading(92, "練習の結果");
  ui.TextCentred(124, ui.Fit(r.ListName, 270), kDim);
  const std::string lines[] = {
      "時間　　　" + Clock(m.Frames),
      "言葉　　　" + std::to_string(m.Words) + " 語",
      "正しいキー " + std::to_string(m.Correct) + "　ミス " + std::to_string(m.Misses),
      Format("速さ　　　%.2f キー/秒", TypingKps(m)),
      "正確さ　　" + AccuracyFigure(m),
  };
  for (int i = 0; i < 5; ++i) ui.Text(110, 150 + 22 * i, lines[i]);
  // y 262 holds the practice goal's line (practice_goal).
  ui.Rule(280, 20);
  ui.TextCentred(288, "Space：練習メニューへ", kMenuHelp);
}
