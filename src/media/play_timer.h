// Time a piece has played since its last rewind, pauses not counted, on any
// millisecond clock (the music devices time pieces by it, not by the
// synthesiser's end of sound).
#pragma once
#include <cstdint>

class TPlayTimer {
 public:
  void Start(uint32_t now) {
    if (running_) return;
    running_ = true;
    startedAt_ = now;
  }
  void Pause(uint32_t now) {
    if (!running_) return;
    playedBefore_ += static_cast<uint32_t>(now - startedAt_);
    running_ = false;
  }
  void Reset() {
    running_ = false;
    playedBefore_ = 0;
  }
  bool Running() const { return running_; }
  double PlayedMs(uint32_t now) const {
    if (!running_) return playedBefore_;
    return playedBefore_ + static_cast<uint32_t>(now - startedAt_);
  }

 private:
  bool running_ = false;
  double playedBefore_ = 0;
  uint32_t startedAt_ = 0;
};
