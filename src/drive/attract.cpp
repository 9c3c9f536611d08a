// The title's attract mode: idle counting, the demo run by the built-in
// player, leaving on a real key, and the undoing of the demo's saved state.
#include "drive/attract.h"

#include <algorithm>
#include <utility>

#include "main/scenes.h"
#include "world/game.h"

namespace {

// A demo that has not left the title menu after this many frames gives up.
constexpr int kStartLimitFrames = 200;

}  // namespace

bool OnIdleTitle(const Game& g) {
  return g.Scene == kSceneTitle && g.Cursor < 10 && g.Scenes.CurtainState == 0;
}

AttractMode::AttractMode(Game& g, TAttractSettings settings)
    : g_(g), settings_(std::move(settings)) {}

void AttractMode::KeysBefore(int64_t, const Game&, std::vector<KeyEvent>& out) {
  switch (phase_) {
    case TPhase::Idle:
      idle_ = OnIdleTitle(g_) ? idle_ + 1 : 0;
      if (idle_ >= settings_.IdleFrames && !settings_.ScratchSaveFolder.empty()) Start();
      if (phase_ != TPhase::Playing) return;
      break;
    case TPhase::Leaving:
      StepLeaving(out);
      return;
    case TPhase::Playing:
      break;
  }
  ++framesPlayed_;
  if (g_.Scene != kSceneTitle) leftTitle_ = true;
  // Back on the title after the stage (cleared, or lost without continuing),
  // or never away from it: the demo is over.
  if ((leftTitle_ && g_.Scene == kSceneTitle && g_.Scenes.CurtainState == 0) ||
      (!leftTitle_ && framesPlayed_ > kStartLimitFrames)) {
    ReleaseHeldKeys(out);
    Finish();
    return;
  }
  std::vector<KeyEvent> keys = AutoplayKeys(bot_, g_);
  out.insert(out.end(), keys.begin(), keys.end());
}

bool AttractMode::RealKey(const KeyEvent& e) {
  auto held = std::find(swallowedDown_.begin(), swallowedDown_.end(), e.Code);
  if (!e.Down) {
    if (held == swallowedDown_.end()) return false;
    swallowedDown_.erase(held);
    return true;
  }
  idle_ = 0;
  // The window repeats a held key as further presses: a key that ended the
  // demo stays swallowed until it is released, also after the demo is over.
  if (held != swallowedDown_.end()) return true;
  if (phase_ == TPhase::Idle) return false;
  swallowedDown_.push_back(e.Code);
  if (phase_ == TPhase::Playing) phase_ = TPhase::Leaving;
  return true;
}

void AttractMode::Stop() {
  if (phase_ != TPhase::Idle) Finish();
}

void AttractMode::Start() {
  TSceneState& s = g_.Scenes;
  savedSaveFolder_ = g_.SaveFolder;
  savedRanking_ = g_.Ranking;
  savedCleared_ = g_.Cleared;
  savedStagesCleared_ = g_.StagesCleared;
  savedRankingReported_ = s.RankingWriteReported;
  savedClearedReported_ = s.ClearedWriteReported;
  savedClearsToKeep_ = s.ClearsToKeep;
  savedKeepsResults_ = g_.KeepsResults;
  savedEntersNames_ = g_.EntersNames;
  g_.SaveFolder = settings_.ScratchSaveFolder;
  g_.KeepsResults = false;
  g_.EntersNames = false;
  s.ClearsToKeep = 0;

  rng_.Seed(rng_.State() ^ (g_.Platform ? g_.Platform->NowMs() : 0));
  bot_ = TAutoplay();
  bot_.KeysPerSecond = settings_.KeysPerSecond;
  bot_.MissPercent = settings_.MissPercent;
  bot_.StageToPlay = 1 + rng_.Random(3);
  bot_.MaxContinues = 0;  // a lost demo goes back to the title
  bot_.Rng.Seed(rng_.State() ^ 0x5bd1e995u);

  phase_ = TPhase::Playing;
  g_.DemoPlaying = true;
  framesPlayed_ = 0;
  leftTitle_ = false;
  spaceHeld_ = false;
}

void AttractMode::Finish() {
  TSceneState& s = g_.Scenes;
  g_.SaveFolder = savedSaveFolder_;
  g_.Ranking = savedRanking_;
  g_.Cleared = savedCleared_;
  g_.StagesCleared = savedStagesCleared_;
  s.RankingWriteReported = savedRankingReported_;
  s.ClearedWriteReported = savedClearedReported_;
  s.ClearsToKeep = savedClearsToKeep_;
  s.StageKept.Valid = false;
  g_.KeepsResults = savedKeepsResults_;
  g_.EntersNames = savedEntersNames_;
  s.NameEntry.Active = false;
  g_.DemoPlaying = false;
  phase_ = TPhase::Idle;
  idle_ = 0;
}

// After the ending key: the bot's held keys go up, and the game returns to
// the title as soon as no curtain moves. A curtain closed between two parts
// only opens on a space press, so one is given there.
void AttractMode::StepLeaving(std::vector<KeyEvent>& out) {
  ReleaseHeldKeys(out);
  if (g_.Scenes.CurtainState == 0) {
    ClearPlayObjects(g_);
    if (g_.Scene != kSceneTitle)
      ReturnToTitle(g_);
    else
      g_.Cursor = 1;
    Finish();
    return;
  }
  if (g_.Scene == kSceneCurtain && g_.Scenes.CurtainState == 3) {
    out.push_back({vk::Space, true});
    spaceHeld_ = true;
  }
}

void AttractMode::ReleaseHeldKeys(std::vector<KeyEvent>& out) {
  if (bot_.MenuSpaceHeld || spaceHeld_) out.push_back({vk::Space, false});
  if (bot_.EscapeFrames > 0) out.push_back({vk::Escape, false});
  bot_.MenuSpaceHeld = spaceHeld_ = false;
  bot_.EscapeFrames = 0;
}
