// The title's attract mode: after a while on the idle title menu the built-in
// player takes over and plays a stage as a demo; a real key press ends it.
// The demo's ranking and cleared stages go to a scratch folder and are undone.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "drive/input_source.h"

struct TAttractSettings {
  int IdleFrames = 300;  // 15 seconds at 20 frames per second
  double KeysPerSecond = 5.0;
  int MissPercent = 3;
  // The folder where the demo writes its score.rnk and clear.clr.
  // Empty: no demo ever starts, so the player's files cannot be touched.
  std::string ScratchSaveFolder;
};

class AttractMode : public IInputSource {
 public:
  enum class TPhase { Idle, Playing, Leaving };

  AttractMode(Game& g, TAttractSettings settings);
  // Once per frame before it runs: counts idle title frames, starts and ends
  // the demo and appends the demo's keys. (The game passed must be the one
  // given at construction; the demo changes it through that reference.)
  void KeysBefore(int64_t frame, const Game& g, std::vector<KeyEvent>& out) override;
  // A key event of the real keyboard. True when the demo swallows it: the
  // press that ends the demo, keys pressed while it is leaving, and their
  // releases. The caller delivers the event to the game only when false.
  bool RealKey(const KeyEvent& e);
  // Ends a running demo at once and undoes its changes (before the window
  // closes, so that clear.clr is written with the player's own state).
  void Stop();

  TPhase Phase() const { return phase_; }
  bool Playing() const { return phase_ == TPhase::Playing; }
  int IdleCount() const { return idle_; }

 private:
  void Start();
  void Finish();
  void StepLeaving(std::vector<KeyEvent>& out);
  void ReleaseHeldKeys(std::vector<KeyEvent>& out);

  Game& g_;
  TAttractSettings settings_;
  TPhase phase_ = TPhase::Idle;
  int idle_ = 0;
  int framesPlayed_ = 0;
  bool leftTitle_ = false;  // the demo has started a stage
  TAutoplay bot_;
  TRandom rng_;
  bool spaceHeld_ = false;          // a space pressed while leaving, released next frame
  std::vector<int> swallowedDown_;  // keys whose release is swallowed as well

  // The player's state, put back when the demo ends.
  std::string savedSaveFolder_;
  int savedClearsToKeep_ = 0;
  bool savedKeepsResults_ = true;
  bool savedEntersNames_ = false;
  std::array<int32_t, 5> savedRanking_{};
  std::array<uint8_t, 20> savedCleared_{};
  std::vector<int> savedStagesCleared_;
  bool savedRankingReported_ = false, savedClearedReported_ = false;
};

// True on the title menu with no curtain: where the idle time counts.
bool OnIdleTitle(const Game& g);
