// The ranking's name entry: its keys, its panel and where the name is kept.
#include "main/name_entry.h"

#include <string>

#include "base/sjis.h"
#include "media/keyboard.h"
#include "media/ui_kit.h"
#include "world/game.h"
#include "world/ranking_names.h"
#include "world/settings_link.h"

namespace {

constexpr TRgb kPanelFill{16, 16, 40}, kPanelFrame{200, 200, 255};
constexpr TRgb kLabel{255, 255, 160}, kTyped{255, 255, 255}, kStandIn{128, 128, 150};

char CharOfKey(int code) {
  if (code >= vk::A && code <= vk::Z) return static_cast<char>('A' + (code - vk::A));
  if (code >= vk::Digit0 && code <= vk::Digit9) return static_cast<char>('0' + (code - vk::Digit0));
  if (code == vk::Minus) return '-';
  return 0;
}

}  // namespace

void BeginNameEntry(Game& g, int place, int32_t score) {
  auto& e = g.Scenes.NameEntry;
  e = {};
  if (!g.EntersNames || place < 1 || place > 5 || score <= 0) return;
  e.Active = true;
  e.Place = place;
  e.Score = score;
}

bool NameEntryOpen(const Game& g) {
  return g.Scenes.NameEntry.Active;
}

bool NameEntryTakesKey(Game& g, int code) {
  auto& e = g.Scenes.NameEntry;
  if (!e.Active) return false;
  if (code == vk::Backspace) {
    if (!e.Typed.empty()) e.Typed.pop_back();
    return true;
  }
  const char c = CharOfKey(code);
  if (c == 0) return false;
  if (e.Typed.size() < kPlayerNameMax) e.Typed += c;
  return true;
}

std::string NameEntryName(const Game& g) {
  const auto& e = g.Scenes.NameEntry;
  if (!e.Typed.empty()) return e.Typed;
  const std::string& last = g.Settings.Values().PlayerName;
  return IsValidPlayerName(last) ? last : kStandInName;
}

void ConfirmNameEntry(Game& g) {
  auto& e = g.Scenes.NameEntry;
  if (!e.Active) return;
  e.Active = false;
  const std::string name = NameEntryName(g);
  KeepRankingName(g, e.Score, name);
  if (!e.Typed.empty() && g.Settings.Values().PlayerName != name) {
    TSettings s = g.Settings.Values();
    s.PlayerName = name;
    StoreSettings(g, s);
  }
}

void DrawNameEntry(Game& g, int x, int y) {
  const auto& e = g.Scenes.NameEntry;
  if (!e.Active) return;
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.Panel(MakeRect(x, y, x + 260, y + 44), {kPanelFill, 220, kPanelFrame});
  // The place first: the roll shows it only later, and the entry needs it.
  const int nameX =
      ui.Text(x + 8, y + 6, std::to_string(e.Place) + "位にランクイン！ なまえ", kLabel) + 6;
  const int end = ui.TextSjis(nameX, y + 6, e.Typed.empty() ? NameEntryName(g) : e.Typed,
                              e.Typed.empty() ? kStandIn : kTyped);
  const bool blink = (g.FrameNo / 6) % 2 == 0;
  if (blink && e.Typed.size() < kPlayerNameMax) {
    const int cx = e.Typed.empty() ? nameX : end;
    FillArea(g.Screen, MakeRect(cx, y + 19, cx + 6, y + 21), RgbTo565(kTyped));
  }
  ui.Text(x + 8, y + 25, "英数字で入力・スペースで決定", kLabel);
}
