// The settings screen: one row per setting, Up/Down to choose a row,
// Left/Right (or Space/Enter) to change it, Esc or the last row to go back.
// Every change takes effect at once and is written to settings.ini.
#include "main/settings_scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "base/sjis.h"
#include "main/form.h"
#include "main/form_keys.h"
#include "main/scenes.h"
#include "media/ui_kit.h"
#include "world/backdrop.h"
#include "world/difficulty.h"
#include "world/game.h"
#include "world/settings_link.h"
#include "world/stage_table.h"
#include "world/window_view.h"

namespace {

enum class TRow {
  Music,
  Effects,
  Translucency,
  Fps,
  Scale,
  FullScreen,
  Romaji,
  Difficulty,
  StageLook,
  Reading,
  RomajiDisplay,
  TypedLetters,
  Back
};
constexpr std::array<TRow, 13> kRows = {
    TRow::Music,         TRow::Effects,      TRow::Translucency, TRow::Fps,       TRow::Scale,
    TRow::FullScreen,    TRow::Romaji,       TRow::Difficulty,   TRow::StageLook, TRow::Reading,
    TRow::RomajiDisplay, TRow::TypedLetters, TRow::Back};
constexpr int kRowCount = static_cast<int>(kRows.size());
constexpr int kVolumeStep = 10;
constexpr int kLargestScaleOffered = 8;
constexpr int kTop = 82, kPitch = 19, kLabelX = 80, kValueX = 196;

const char* Label(TRow r) {
  switch (r) {
    case TRow::Music:
      return "音楽の音量";
    case TRow::Effects:
      return "効果音の音量";
    case TRow::Translucency:
      return "半透明";
    case TRow::Fps:
      return "FPS 表示";
    case TRow::Scale:
      return "ウィンドウの倍率";
    case TRow::FullScreen:
      return "全画面";
    case TRow::Romaji:
      return "ローマ字";
    case TRow::Difficulty:
      return "難易度";
    case TRow::StageLook:
      return "背景と音楽";
    case TRow::Reading:
      return "読みがな";
    case TRow::RomajiDisplay:
      return "ローマ字の表示";
    case TRow::TypedLetters:
      return "打った文字";
    case TRow::Back:
      return "もどる";
  }
  return "";
}

// What the prompt-window rows do, shown under the rows while one is chosen.
const char* About(TRow r) {
  switch (r) {
    case TRow::Reading:
      return "ことばの下に読みがなを出します";
    case TRow::RomajiDisplay:
      return "ヒント:止まるかミスで出る なし:読みで打つ";
    case TRow::TypedLetters:
      return "残す:打った文字を暗くして残します";
    default:
      return nullptr;
  }
}

const char* OnOff(bool on) {
  return on ? "オン" : "オフ";
}

std::string Value(const Game& g, TRow r) {
  const TSettings& s = g.Settings.Values();
  switch (r) {
    case TRow::Music:
      return std::to_string(s.MusicVolume) + (g.MusicOn ? "" : " F4:オフ");
    case TRow::Effects:
      return std::to_string(s.EffectsVolume) + (g.SoundOn ? "" : " F5:オフ");
    case TRow::Translucency:
      return OnOff(g.AlphaOn);
    case TRow::Fps:
      return OnOff(g.FpsShow);
    case TRow::Scale:
      return s.WindowScale == 0 ? "自動" : std::to_string(s.WindowScale) + " 倍";
    case TRow::FullScreen:
      return OnOff(g.Platform && g.Platform->IsFullScreen());
    case TRow::Romaji:
      switch (s.RomajiStyle) {
        case TRomajiStyle::Kunrei:
          return "訓令式";
        case TRomajiStyle::Mine:
          return "自分の打ち方";
        case TRomajiStyle::Hepburn:
          break;
      }
      return "ヘボン式";
    case TRow::Difficulty:
      switch (s.Difficulty) {
        case TDifficulty::Easy:
          return "やさしい";
        case TDifficulty::Hard:
          return "むずかしい";
        case TDifficulty::Normal:
          break;
      }
      return "ふつう";
    case TRow::StageLook:
      return StageLookOf(g) == TStageLook::Classic ? "クラシック" : "ステージごと";
    case TRow::Reading:
      return OnOff(WindowViewOf(g).Reading);
    case TRow::RomajiDisplay:
      switch (WindowViewOf(g).Romaji) {
        case TRomajiDisplay::Hint:
          return "ヒント";
        case TRomajiDisplay::Off:
          return "なし";
        case TRomajiDisplay::Always:
          break;
      }
      return "いつも";
    case TRow::TypedLetters:
      return WindowViewOf(g).Typed == TTypedLetters::Keep ? "残す" : "消える";
    case TRow::Back:
      break;
  }
  return "";
}

template <typename E>
E Cycle(E value, int count, int step) {
  int v = (static_cast<int>(value) + step + count) % count;
  return static_cast<E>(v);
}

void LeaveSettings(Game& g) {
  g.Scene = kSceneTitle;
  g.Cursor = 5;
}

// Changes the chosen row by step (-1 left, +1 right) and applies it.
void ChangeRow(Game& g, TRow row, int step) {
  TSettings s = g.Settings.Values();
  IPlatform* p = g.Platform;
  switch (row) {
    case TRow::Music:
      s.MusicVolume = std::clamp(s.MusicVolume + step * kVolumeStep, 0, 100);
      if (p) p->SetMusicVolume(s.MusicVolume);
      break;
    case TRow::Effects:
      s.EffectsVolume = std::clamp(s.EffectsVolume + step * kVolumeStep, 0, 100);
      if (p) p->SetEffectsVolume(s.EffectsVolume);
      // A sample of the new level.
      PlaySound(g, "Key3");
      break;
    case TRow::Translucency:
      g.AlphaOn = !g.AlphaOn;
      s.Translucency = g.AlphaOn;
      break;
    case TRow::Fps:
      g.FpsShow = !g.FpsShow;
      if (!g.FpsShow && p) p->SetCaption(kGameCaption);
      s.ShowFps = g.FpsShow;
      break;
    case TRow::Scale:
      s.WindowScale = std::clamp(s.WindowScale + step, 0, kLargestScaleOffered);
      if (p) p->SetWindowScale(s.WindowScale);
      break;
    case TRow::FullScreen:
      if (p) SetFullScreen(g, !p->IsFullScreen());
      s.FullScreen = p && p->IsFullScreen();
      break;
    case TRow::Romaji:
      s.RomajiStyle = Cycle(s.RomajiStyle, 3, step);
      break;
    case TRow::Difficulty:
      s.Difficulty = Cycle(s.Difficulty, 3, step);
      ChangeDifficulty(g, s.Difficulty);  // the rules and the ranking follow at once
      break;
    case TRow::StageLook:
      // The player's choice replaces a --stage-look of this run.
      s.StageLook = StageLookOf(g) == TStageLook::Stages ? TStageLook::Classic : TStageLook::Stages;
      g.Scenes.StageLookGiven = false;
      break;
    // The player's choice replaces the run's flag for each of the three.
    case TRow::Reading:
      s.ReadingLine = !WindowViewOf(g).Reading;
      g.ViewFlags.Reading.reset();
      break;
    case TRow::RomajiDisplay:
      s.RomajiDisplay = Cycle(WindowViewOf(g).Romaji, 3, step);
      g.ViewFlags.Romaji.reset();
      break;
    case TRow::TypedLetters:
      s.TypedLetters = WindowViewOf(g).Typed == TTypedLetters::Keep ? TTypedLetters::Vanish
                                                                    : TTypedLetters::Keep;
      g.ViewFlags.Typed.reset();
      break;
    case TRow::Back:
      LeaveSettings(g);
      return;
  }
  StoreSettings(g, s);
}

void DrawVolumeBar(Game& g, int x, int y, int volume) {
  for (int k = 0; k < 10; ++k) {
    TRect cell = MakeRect(x + 9 * k, y + 2, x + 9 * k + 7, y + 11);
    bool lit = volume >= (k + 1) * 10;
    FillArea(g.Screen, cell, lit ? RgbTo565({250, 190, 60}) : RgbTo565({60, 66, 96}));
  }
}

void DrawSettings(Game& g) {
  DrawBackground(g, 1);
  // The canvas's own colour stays white for the scenes that draw after this.
  SurfaceCanvas(g.Screen, g.Glyphs).FontColor = TRgb{255, 255, 255};
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.Panel(MakeRect(40, 36, 390, 376));
  ui.Heading(44, "設定");
  for (int i = 0; i < kRowCount; ++i) {
    TRow row = kRows[i];
    int y = kTop + kPitch * i + (row == TRow::Back ? 8 : 0);
    bool chosen = i == g.Scenes.SettingsRow;
    TRgb colour = chosen ? kMenuChosen : kMenuText;
    ui.Text(kLabelX, y, Label(row), colour);
    if (row == TRow::Back) continue;
    std::string value = Value(g, row);
    int x = kValueX;
    if (row == TRow::Music || row == TRow::Effects) x += 94;  // after the bar
    ui.Text(x, y, chosen ? "< " + value + " >" : "  " + value, colour);
  }
  ui.Rule(336, 20);
  if (const char* about = About(kRows[g.Scenes.SettingsRow]))
    ui.TextCentred(341, about, TRgb{170, 230, 170});
  ui.TextCentred(358, "↑↓ えらぶ  ←→ かえる  Esc もどる", kMenuHelp);
  DrawVolumeBar(g, kValueX, kTop, g.Settings.Values().MusicVolume);
  DrawVolumeBar(g, kValueX, kTop + kPitch, g.Settings.Values().EffectsVolume);
  int row = g.Scenes.SettingsRow;
  ui.Hand(kLabelX - 24, kTop + kPitch * row + (kRows[row] == TRow::Back ? 8 : 0) + 6);
}

}  // namespace

void OpenSettingsScreen(Game& g) {
  g.Scene = kSceneSettings;
  g.Scenes.SettingsRow = 0;
}

void SceneSettings(Game& g) {
  if (g.Inputer.IsKeyDown(vk::Escape) || g.Inputer.IsKeyDown(vk::Backspace)) {
    LeaveSettings(g);
    return;
  }
  int& row = g.Scenes.SettingsRow;
  row = std::clamp(row, 0, kRowCount - 1);
  switch (g.ArrowKey) {
    case 1:
      if (row > 0) --row;
      break;
    case 3:
      if (row < kRowCount - 1) ++row;
      break;
    case 2:
      ChangeRow(g, kRows[row], 1);
      break;
    case 4:
      ChangeRow(g, kRows[row], -1);
      break;
    default:
      break;
  }
  if (g.Scene != kSceneSettings) return;
  // Space and Enter flip a switch, step a choice or go back; the volumes and
  // the scale move with the arrows only.
  TRow chosen = kRows[row];
  bool stepped = chosen == TRow::Music || chosen == TRow::Effects || chosen == TRow::Scale;
  if (g.SpaceKey == 1 && !stepped) ChangeRow(g, chosen, 1);
  if (g.Scene != kSceneSettings) return;
  DrawSettings(g);
}
