// The pages of あそびかた. The prompt windows shown are real windows of the
// typing engine, made for the frame and put away at once: the random
// generator and the engine's state are as they were before, so a page seen
// changes nothing in the play that follows.
#include "main/howto_pages.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "base/sjis.h"
#include "media/draw_number.h"
#include "media/ui_kit.h"
#include "type_window/type_window.h"
#include "world/game.h"
#include "world/window_view.h"

namespace {

constexpr int kTextX = 34, kPitch = 15;
constexpr TRgb kNote{200, 215, 245}, kKey{255, 220, 110};

// A prompt window as the field shows it, for the picture of a page.
struct TSample {
  const char* Line;  // "word:reading;" UTF-8
  int X, Y;          // the window's centre
  int Typed = 0;     // letters already typed
  bool Target = false, Locked = false;
  const char* Mode = "normal";
  int TimeLeft = 0, TimeLimit = 0;
};

int RoundUpToTen(int v) {
  return (v + 9) / 10 * 10;
}

void DrawSampleWindow(Game& g, TUi& ui, const TSample& s) {
  TTypingEngine& t = g.Typing;
  const TRandom rng = g.Rng;
  const auto taken = t.TakenLetters;
  TTypeWindow* const target = t.Target;
  const size_t count = t.WindowList.size();
  TTypeWindow& w = NewTypeWindow(g, nullptr, s.X, s.Y, 1, s.TimeLimit);
  const std::string line = Sjis(s.Line);
  const size_t colon = line.rfind(':');
  std::string reading = line.substr(colon + 1);
  if (!reading.empty() && reading.back() == ';') reading.pop_back();
  TRomajiWord word = MakeRomajiWord(t.KanaTable, CutReading(t.KanaTable, reading));
  if (!word.Units.empty()) {
    w.DisplayText = line.substr(0, colon);
    w.Word = std::move(word);
    w.Path = GuidePath(w.Word, t.Style);
    w.CurrentRomaji = PathRomaji(w.Word, w.Path);
    w.Reading = reading;
    w.ShowsReading = w.ReadingSpace > 0 && std::string(s.Mode) == "normal";
    const int length = static_cast<int>(w.CurrentRomaji.size());
    const int typed = std::min(s.Typed, length);
    w.Typed = w.CurrentRomaji.substr(0, static_cast<size_t>(typed));
    w.Position = typed + 1;
    const int romajiWidth = length * LetterStep(t, length) + 40;
    const int textWidth = static_cast<int>(w.DisplayText.size()) * 6 + 40;
    const int readingWidth = w.ShowsReading ? static_cast<int>(reading.size()) * 6 + 40 : 0;
    w.Width = RoundUpToTen(std::max({romajiWidth, textWidth, readingWidth}));
  }
  w.Mode = s.Mode;
  w.State = Active;
  w.Locked = s.Locked ? 1 : 0;
  w.TimeLeft = s.TimeLeft;
  w.TimeLimit = s.TimeLimit;
  w.HintShown = true;
  if (s.Target) t.Target = &w;
  DrawTypeWindow(g, w);
  ui.RecordBox(MakeRect(w.Left(), w.Top(), w.Right() + 1, w.Bottom() + 1), w.DisplayText);
  t.Target = target;
  t.WindowList.resize(count);  // the sample window is freed here
  t.TakenLetters = taken;
  g.Rng = rng;
}

void Picture(Game& g, const char* name, int x, int y, int pattern = 0) {
  DrawPattern(g.List.FindPicture(name), g.Screen, x, y, pattern);
}

// Lines of text from y down, each wrapped to the frame; returns the y after.
int Lines(TUi& ui, int x, int y, std::initializer_list<const char*> lines, TRgb colour = kNote) {
  for (const char* l : lines) y = ui.Wrapped(x, y, l, colour, kPitch, 3);
  return y;
}

void PageWords(Game& g, TUi& ui) {
  Picture(g, "enemy_1", 94, 74, 0);
  DrawSampleWindow(g, ui, {"言葉:ことば;", 107, 150, 2, true});
  Picture(g, "enemy_1", 300, 74, 2);
  DrawSampleWindow(g, ui, {"花火:はなび;", 313, 150});
  int y = Lines(ui, kTextX, 196,
                {"敵がつれてくる窓のことばを、ローマ字で打ちます。",
                 "上の行がことば、下の行が打つローマ字です。",
                 "最初に打った文字で窓がえらばれ（明るくなります）、",
                 "打ち終えると窓が消え、窓がなくなった敵は倒れます。"});
  y += 6;
  ui.Text(kTextX, y, "Esc", kKey);
  Lines(ui, kTextX + 30, y, {"えらんだ窓をやめて、ほかの窓をえらびなおします。"});
  ui.Text(kTextX, y + 2 * kPitch, "設定", kKey);
  Lines(ui, kTextX + 30, y + 2 * kPitch, {"読みがなの行、ローマ字の出し方などをかえられます。"});
}

void PageScore(Game& g, TUi& ui) {
  Picture(g, "score", 40, 76);
  DrawDigitsWithUnit(g.List, g.Screen, "0123456789", "pt.", 12480, 96, 74, 1, 3);
  Picture(g, "miss", 270, 70);
  for (int i = 0; i < 3; ++i) Picture(g, "bakudan", 60 + 30 * i, 100, 0);
  int y = Lines(ui, kTextX, 134,
                {"正しく打つたびにレート（得点の下の数字）が上がり、",
                 "敵を倒すとそのときのレートが得点に入ります。",
                 "打ちまちがえると MISS! が出てレートが下がり、",
                 "下のボムがひとつはねます。ボムが敵に当たると爆発して",
                 "敵にダメージ。残ったボムはステージの終わりにボーナスです。"});
  Lines(ui, kTextX, y + 8,
        {"ミスしても窓は消えません。落ち着いて正しい文字を打てば", "そのまま続けられます。"},
        kMenuHelp);
}

void PageWindows(Game& g, TUi& ui) {
  DrawSampleWindow(g, ui, {"鍵:かぎ;", 92, 102, 0, false, true});
  DrawSampleWindow(g, ui, {"秘密:ひみつ;", 215, 102, 0, false, false, "hidden"});
  DrawSampleWindow(g, ui, {"急ぎ:いそぎ;", 338, 102, 0, false, false, "normal", 30, 60});
  int y = 150;
  ui.Text(kTextX, y, "赤い×", kKey);
  y = Lines(ui, kTextX + 48, y,
            {"ロックされた窓。ことばが隠れて打てません。", "×が消えるのを待ちましょう。"});
  ui.Text(kTextX, y + 4, "********", kKey);
  y = Lines(ui, kTextX + 60, y + 4,
            {"打つ文字が隠れています。ことばの読みを", "思い浮かべて、ローマ字で打ちます。"});
  ui.Text(kTextX, y + 4, "下の線", kKey);
  y = Lines(ui, kTextX + 48, y + 4,
            {"時間切れまでの残り。線が尽きると窓は", "閉じてしまい、そのことばは打てません。"});
}

void PageDanger(Game& g, TUi& ui) {
  Picture(g, "enemy_2", 60, 70, 0);
  Picture(g, "abunai", 61, 116);
  Picture(g, "warning", 30, 150);
  const TPictureItem& boss = g.List.FindPicture("boss1");
  DrawPattern(boss, g.Screen, 270, 60, 0);
  int y =
      Lines(ui, 140, 76,
            {"敵が下に近づくと頭に", "しるしが出ます。", "下まで来られると", "ゲームオーバー。"});
  y = std::max(y, 176);
  y = Lines(
      ui, kTextX, y,
      {"ゲームオーバーのあとは「つづける」で同じパートから",
       "やり直せます（得点は0にもどります）。", "ステージは2つか3つのパートでできていて、パートの",
       "最後にはボスが出ます。ボスは何語も打たないと倒れず、",
       "仲間の敵も呼びます。ほかの敵も全部倒すとパートが終わり、",
       "最後のパートが終わるとステージクリアです。"});
}

void PageStages(Game& g, TUi& ui) {
  const TPictureItem& grid = g.List.FindPicture("sentaku2");
  const int x = 115, y = 66;
  DrawPictureRows(grid, g.Screen, x, y, 36, 104);
  for (int s = 1; s <= 9; ++s) {
    const int c = (s - 1) % 5, r = (s - 1) / 5;
    const char* digits = s <= 3 ? "num_0123456789_yellow" : "num_0123456789";
    DrawDigitsPadded(g.List, g.Screen, digits, s, 2, x + 35 + 30 * c, y + 9 + 40 * r, 1);
  }
  Lines(ui, kTextX, 148,
        {"スタートでステージをえらびます。黄色い数字はクリアした",
         "ステージ、白い数字はまだのステージです。",
         "空いている10番目の箱はエンディング。9つのステージを",
         "全部クリアすると、ここにエンディングが出ます。",
         "いちばん下の行の難易度は ←→ で かえられます",
         "（やさしい・ふつう・むずかしい、ランキングは別々）。"});
}

void PageMore(Game&, TUi& ui) {
  int y = 74;
  ui.Text(kTextX, y, "Tab / Pause", kKey);
  y = Lines(
      ui, kTextX + 78, y,
      {"プレイ中に一時停止。再開、やり直す（パートの", "はじめから）、タイトルへ をえらべます。"});
  ui.Text(kTextX, y + 6, "記録", kKey);
  y = Lines(
      ui, kTextX + 78, y + 6,
      {"ステージごとの最高得点、速さと正確さの", "うつりかわり、ミスの多いキーを見られます。"});
  ui.Text(kTextX, y + 6, "練習", kKey);
  y = Lines(ui, kTextX + 78, y + 6,
            {"敵の出ない画面で、ことばの一覧を打つ練習。",
             "自分で作った一覧も使えます。Esc で終わります。"});
  ui.Text(kTextX, y + 6, "F2 / F4 / F5", kKey);
  Lines(ui, kTextX + 78, y + 6, {"全画面、音楽、効果音の切りかえ。"});
}

}  // namespace

const char* HowToPlayPageTitle(int page) {
  switch (page) {
    case 1:
      return "ことばを打って敵を倒す";
    case 2:
      return "得点・レート・ミスとボム";
    case 3:
      return "ロック・隠れた文字・時間切れ";
    case 4:
      return "あぶない敵とボス";
    case 5:
      return "ステージをえらぶ";
    case 6:
      return "ポーズ・記録・練習";
    default:
      return "";
  }
}

void DrawHowToPlayPage(Game& g, TUi& ui, int page) {
  switch (page) {
    case 1:
      PageWords(g, ui);
      break;
    case 2:
      PageScore(g, ui);
      break;
    case 3:
      PageWindows(g, ui);
      break;
    case 4:
      PageDanger(g, ui);
      break;
    case 5:
      PageStages(g, ui);
      break;
    case 6:
      PageMore(g, ui);
      break;
    default:
      break;
  }
}
