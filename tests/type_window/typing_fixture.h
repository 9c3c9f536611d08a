// A started game with no windows and word lists chosen by the test, for the
// prompt-window and typing suites.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/sjis.h"
#include "support/test_support.h"
#include "type_window/type_window.h"
#include "world/game.h"

class TypingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_ = MakeStartedGame(7);
    g = &t_->G;
    ClearWindows(*g);
    g->Typing.KeyQueue.clear();
    for (int n = 1; n <= 8; ++n) UseWords(n, {});
  }

  // Word lines written in UTF-8, stored as the game keeps them.
  void UseWords(int level, const std::vector<std::string>& utf8Lines) {
    auto& list = g->Typing.WordLists[level];
    list.clear();
    for (const auto& l : utf8Lines) list.push_back(Sjis(l));
    g->Typing.WordCounts[level] = static_cast<int>(list.size());
  }

  // An enemy owned by the game's enemy list, top-left at (x, y).
  TEnemy& AddEnemy(double x, double y, int w = 20, int h = 20, const std::string& mode = "normal") {
    auto e = std::make_unique<TEnemy>();
    e->X = x;
    e->Y = y;
    e->Width = w;
    e->Height = h;
    e->Mode = mode;
    e->Life = 1;
    e->State = 1;
    e->Kind = 1;
    TEnemy& ref = *e;
    g->Enemies.EnemyList.push_back(std::move(e));
    return ref;
  }

  TTypeWindow& Open(TEnemy& e, int level, int timeLimit = 0) {
    return NewTypeWindow(*g, &e, 0, -60, level, timeLimit);
  }

  // Runs the opening animation so that the windows can be typed.
  void OpenFully() {
    for (int i = 0; i < 7; ++i) StepWindows(*g);
  }

  void Queue(const std::string& letters) {
    for (char c : letters) g->Typing.KeyQueue.push_back(c == '-' ? 27 : c - 'A' + 1);
  }

  int Count(const std::string& sound) const {
    int n = 0;
    for (const auto& s : g->Waves.PlayLog) n += s == sound;
    return n;
  }

  std::unique_ptr<TestGame> t_;
  Game* g = nullptr;
};
