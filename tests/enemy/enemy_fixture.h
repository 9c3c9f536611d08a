// Shared fixture of the enemy tests: a started game with an empty field, no
// bombs in the way, and helpers to spawn enemies and run frames.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alpha_object/alpha_object.h"
#include "enemy/enemy.h"
#include "support/test_support.h"
#include "type_window/type_window.h"
#include "world/game.h"

class EnemyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tg_ = MakeStartedGame(11);
    Game& gm = g();
    ReleaseTarget(gm);
    ClearWindows(gm);
    gm.Enemies.EnemyList.clear();
    gm.Effects.EffectList.clear();
    gm.ClearTimer = 0;
    gm.Score = 0;
    gm.Rate = 0;
    gm.Kills = 0;
    gm.Waves.PlayLog.clear();
    gm.SoundOn = 1;
    gm.AlphaOn = 1;
    for (TBak& b : gm.Enemies.Bombs) b.Present = 0;
  }

  Game& g() { return tg_->G; }

  // NewEnemy plus the common fields the script sets, then the kind's values.
  TEnemy& Spawn(int kind, const std::string& values = "", int level = 3) {
    TEnemy* e = NewEnemy(g(), kind);
    EXPECT_NE(e, nullptr);
    e->Mode = "normal";
    e->WordLevel = level;
    std::string fields = values;
    ApplySpawnValues(g(), *e, fields);
    return *e;
  }

  // One enemy frame; sound cooldowns are cleared as the frame loop would.
  void Frame() {
    g().WaveCooldown.fill(0);
    UpdateEnemies(g());
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) Frame();
  }

  std::vector<TTypeWindow*> WindowsOf(const TEnemy& e) {
    std::vector<TTypeWindow*> out;
    for (auto& w : g().Typing.WindowList)
      if (w && w->Enemy == &e) out.push_back(w.get());
    return out;
  }

  size_t Played(const std::string& name) {
    size_t n = 0;
    for (const std::string& s : g().Waves.PlayLog) n += s == name;
    return n;
  }

  bool Alive(const TEnemy* e) {
    for (auto& p : g().Enemies.EnemyList)
      if (p.get() == e) return true;
    return false;
  }

  std::vector<int> Kinds() {
    std::vector<int> out;
    for (auto& p : g().Enemies.EnemyList) out.push_back(p ? p->Kind : 0);
    return out;
  }

  // Fills the screen and returns whether any pixel changed since.
  void MarkScreen() { FillSurface(g().Screen, kMark); }
  bool ScreenChanged() {
    for (uint16_t p : g().Screen.Pixels)
      if (p != kMark) return true;
    return false;
  }
  // Bounding box of the changed pixels (Right/Bottom exclusive); empty when none.
  TRect ChangedBox() {
    const Surface& s = g().Screen;
    TRect box{s.Width, s.Height, 0, 0};
    for (int y = 0; y < s.Height; ++y)
      for (int x = 0; x < s.Width; ++x)
        if (s.At(x, y) != kMark) {
          box.Left = std::min(box.Left, x);
          box.Top = std::min(box.Top, y);
          box.Right = std::max(box.Right, x + 1);
          box.Bottom = std::max(box.Bottom, y + 1);
        }
    return box;
  }

  static constexpr uint16_t kMark = 0x1234;
  std::unique_ptr<TestGame> tg_;
};
