// Where a run's key events come from besides the real keyboard: a key script
// or replay, or the built-in player. Each source is asked once before every
// frame for the events to deliver before that frame runs.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "drive/autoplay.h"
#include "drive/key_script.h"

struct Game;

class IInputSource {
 public:
  virtual ~IInputSource() = default;
  // Appends the events due before frame `frame` (counted from 1) runs.
  virtual void KeysBefore(int64_t frame, const Game& g, std::vector<KeyEvent>& out) = 0;
};

// Events of a key script or a recording, each delivered once at its frame.
class ScriptedInput : public IInputSource {
 public:
  explicit ScriptedInput(std::vector<TTimedKey> events) : events_(std::move(events)) {}
  void KeysBefore(int64_t frame, const Game& g, std::vector<KeyEvent>& out) override;
  // The frame of the last event, 0 when there is none.
  int64_t LastFrame() const { return events_.empty() ? 0 : events_.back().Frame; }

 private:
  std::vector<TTimedKey> events_;  // ordered by frame
  size_t next_ = 0;
};

// The built-in player, deciding from what the game shows each frame.
class AutoplayInput : public IInputSource {
 public:
  explicit AutoplayInput(const TAutoplay& bot) : bot_(bot) {}
  void KeysBefore(int64_t frame, const Game& g, std::vector<KeyEvent>& out) override;
  TAutoplay& Bot() { return bot_; }

 private:
  TAutoplay bot_;
};
